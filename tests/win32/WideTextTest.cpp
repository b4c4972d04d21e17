// A text the ANSI code page cannot hold, on the real clipboard: captured whole, put back whole and
// edited.
#include "MainWindowFixture.h"
#include "framework/SystemCodePage.h"

namespace pelmo {
namespace {

using test::ClipboardText;
using test::ClipboardUnicode;
using test::MainWindowTest;
using test::ModalScript;
using test::PumpUntil;
using test::Settle;

// A copy as a Unicode program makes it: CF_UNICODETEXT only.
bool CopyUnicode(HWND owner, const std::u16string& text) {
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  ::EmptyClipboard();
  return test::PutClipboardBytes(CF_UNICODETEXT, text.c_str(),
                                 (text.size() + 1) * sizeof(char16_t));
}

class WideTextTest : public MainWindowTest {
 protected:
  void CopyUnicodeAndWait(const std::u16string& text) {
    const int before = workspace.history.Count();
    ASSERT_TRUE(CopyUnicode(other.Hwnd(), text));
    PumpUntil([&] { return workspace.history.Count() > before; });
    Settle();
  }
  const HistoryItem& Entry(int row) { return workspace.history.At(row); }
};

TEST_F(WideTextTest, AGreekTextComesBackAsTheSameUtf16AndIsEditedWhole) {
  const std::u16string greek = u"Καλημέρα κόσμε \U0001F642";
  CopyUnicodeAndWait(greek);
  ASSERT_EQ(Entry(0).wide, greek);
  EXPECT_EQ(Entry(0).text, ToSystemAnsi(greek)) << "the rules see the system's ANSI text";
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ASSERT_TRUE(::GetComboBoxInfo(Combo().m_hWnd, &combo));
  EXPECT_EQ(WideWindowText(combo.hwndItem), greek) << "the edit field shows the selected entry";

  CopyAndWait("elsewhere");
  Choose(1);
  PumpUntil([&] { return ClipboardUnicode() == greek; });
  EXPECT_EQ(ClipboardUnicode(), greek);
  EXPECT_EQ(ClipboardText(), ToSystemAnsi(greek));
  Settle();
  EXPECT_EQ(workspace.history.Count(), 3) << "our own write adds nothing";

  // The editor shows the wide text and gives back what is typed, whole.
  std::u16string shown;
  ModalScript script({[&shown](HWND editor) {
                        wchar_t text[64] = {};
                        ::GetDlgItemTextW(editor, IDC_EDIT_TEXT, text, 64);
                        shown = reinterpret_cast<const char16_t*>(text);
                        ::SetDlgItemTextW(editor, IDC_EDIT_TEXT, L"Привет, мир");
                      },
                      [](HWND editor) { test::Click(editor, IDOK); }});
  Command(ID_EDIT_ITEM);
  Settle();
  EXPECT_EQ(shown, greek);
  EXPECT_EQ(Entry(1).wide, u"Привет, мир");
  EXPECT_EQ(ClipboardUnicode(), u"Привет, мир");
}

}  // namespace
}  // namespace pelmo
