// The ClipBook window, driven as a user would, and the strip's ClipBook, Quick Replace and
// Concatenate commands on the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "tools/ClipBook.h"
#include "tools/ClipBookDialog.h"
#include "tools/ConcatenateDialog.h"

namespace pelmo {
namespace {

using test::Click;
using test::ClipboardText;
using test::ListBoxRows;
using test::ModalScript;
using test::PumpUntil;
using test::Settle;

// The strip's clipboard side as a tool window sees it: records what the windows ask of it.
class FakePort : public ClipboardPort {
 public:
  void PutBack(const HistoryItem& item, bool) override { copies.push_back("back " + item.text); }
  void CopyAs(const HistoryItem& text, int) override { copies.push_back("as " + text.text); }
  void CopyFromOwnWindow(const HistoryItem& text) override { copies.push_back("own " + text.text); }
  bool ReturnFocus() override {
    ++focusReturns;
    return true;
  }
  bool GoToTarget(bool) override { return false; }
  std::vector<std::string> copies;
  int focusReturns = 0;
};

std::vector<HistoryItem> Items(std::initializer_list<const char*> texts) {
  std::vector<HistoryItem> items;
  for (const char* text : texts) {
    items.emplace_back();
    items.back().text = text;
  }
  return items;
}

std::vector<std::string> Texts(const std::vector<HistoryItem>& items) {
  std::vector<std::string> texts;
  for (const HistoryItem& item : items) texts.push_back(item.text);
  return texts;
}

TEST(ClipBookWindow, ButtonsActOnTheSelectedEntryAtTheListsEnds) {
  FakePort port;
  std::vector<HistoryItem> entries = Items({"top\ntext 1", "\nunnamed text", "bottom"});
  CClipBookDialog dialog(entries, port, nullptr);
  ASSERT_TRUE(dialog.Create(nullptr));
  const CListBox& list = dialog.m_list;
  EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", "", "bottom"}));
  EXPECT_EQ(list.GetCurSel(), 2) << "opens on the bottom row";

  Click(dialog.m_hWnd, IDC_DOWN);  // the bottom entry stays
  Click(dialog.m_hWnd, IDC_UP);
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"top\ntext 1", "bottom", "\nunnamed text"}));
  EXPECT_EQ(list.GetCurSel(), 1);
  Click(dialog.m_hWnd, IDC_UP);
  Click(dialog.m_hWnd, IDC_UP);
  EXPECT_EQ(entries.front().text, "bottom") << "the top entry stays";
  EXPECT_EQ(list.GetCurSel(), 0);

  // The unnamed entry copies its full text, as a copy from our own window; a double click also
  // goes back to the target. No line feed: the whole string.
  list.SetCurSel(2);
  test::Notify(dialog.m_hWnd, IDC_ITEM_LIST, LBN_DBLCLK);
  EXPECT_EQ(port.focusReturns, 1);
  list.SetCurSel(0);
  Click(dialog.m_hWnd, IDC_CLIPBOOK_COPY);
  EXPECT_EQ(port.copies, (std::vector<std::string>{"own unnamed text", "own bottom"}));

  Click(dialog.m_hWnd, IDC_CLIPBOOK_DELETE);
  EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", ""}));
  EXPECT_EQ(list.GetCurSel(), 0) << "the row that moved up";
  list.SetCurSel(1);
  Click(dialog.m_hWnd, IDC_CLIPBOOK_DELETE);
  EXPECT_EQ(list.GetCurSel(), -1) << "none after the last row";

  // Nothing selected: every button does nothing.
  for (const int id : {IDC_UP, IDC_DOWN, IDC_CLIPBOOK_DELETE, IDC_CLIPBOOK_COPY})
    Click(dialog.m_hWnd, id);
  EXPECT_EQ(ListBoxRows(list), std::vector<std::string>{"top"});
  EXPECT_EQ(port.copies.size(), 2u) << "no copy";
}

// A row's UTF-16 as the list itself holds it; asked through our ANSI subclass it would be '?'s.
std::u16string WideRow(const CListBox& list, int row) {
  const auto listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(list.m_hWnd, GCLP_WNDPROC));
  wchar_t text[128] = {};
  ::CallWindowProcW(listProc, list.m_hWnd, LB_GETTEXT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(text));
  return reinterpret_cast<const char16_t*>(text);
}

TEST(ToolWindowLists, ShowATextOutsideTheCodePageAsItWasCopied) {
  FakePort port;
  HistoryItem greek;
  greek.text = "?a??µ??a";
  greek.wide = u"Καλημέρα";
  std::vector<HistoryItem> clipBook = {MakeClipBookEntry("?????", u"Γεια σου", greek)};
  CClipBookDialog book(clipBook, port, nullptr);
  ASSERT_TRUE(book.Create(nullptr));
  EXPECT_EQ(WideRow(book.m_list, 0), u"Γεια σου");
  const std::vector<HistoryItem> items = {Items({"plain"}).front(), greek};
  CConcatenateDialog concatenate(items, nullptr);
  ASSERT_TRUE(concatenate.Create(nullptr));
  EXPECT_EQ(WideRow(concatenate.m_list, 0), u"1  plain");
  EXPECT_EQ(WideRow(concatenate.m_list, 1), u"2  Καλημέρα");
}

// --- in the strip, on the real clipboard ----------------------------------------------------

class StripTools : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    workspace.options.autoFocus = 1;
    workspace.options.quickRep = 1;
  }
  void CopyAndSettle(const std::string& text, const std::string& expected) {
    ASSERT_TRUE(other.CopyInFront(text));
    PumpUntil(
        [&] { return ClipboardText() == expected && workspace.history.At(0).text == expected; });
    Settle(300);
  }
  // Runs `command`, types `text` into `field` of the window it opens and confirms it; returns
  // what the field held before.
  std::string Answer(WORD command, int field, const char* text) {
    std::string before;
    ModalScript script({[&](HWND window) {
      before = WindowText(::GetDlgItem(window, field));
      ::SetDlgItemTextA(window, field, text);
      Click(window, IDOK);
    }});
    Command(command);
    return before;
  }
};

// A tool window's copy is made while it is in front: its capture keeps the user's window, to which
// a double click in the ClipBook returns the focus.
TEST_F(StripTools, ACopyFromOurOwnWindowKeepsTheTarget) {
  CopyAndSettle("in the other program", "in the other program");
  workspace.clipBook.emplace_back().text = "book\nfrom the ClipBook";
  HWND front = nullptr;
  ModalScript script({[&](HWND book) {
    ::SendDlgItemMessageA(book, IDC_ITEM_LIST, LB_SETCURSEL, 0, 0);
    test::Notify(book, IDC_ITEM_LIST, LBN_DBLCLK);
    PumpUntil([&] { return workspace.history.At(0).text == "from the ClipBook"; });
    front = ::GetForegroundWindow();
    ::SendMessageA(book, WM_COMMAND, IDCANCEL, 0);
  }});
  Command(ID_CLIPBOOK);
  EXPECT_EQ(workspace.history.At(0).text, "from the ClipBook");
  EXPECT_EQ(front, other.Hwnd());
}

TEST_F(StripTools, ToClipBookToQuickRepAndConcatenate) {
  CopyAndSettle("a text longer than the thirty-five characters of a name",
                "a text longer than the thirty-five characters of a name");
  EXPECT_EQ(Answer(ID_TO_CLIPBOOK, IDC_EDIT_TEXT, ""), "a text longer than the thirty-five ");
  EXPECT_EQ(Texts(workspace.clipBook),
            std::vector<std::string>{"\na text longer than the thirty-five characters of a name"});

  Combo().SetCurSel(-1);
  Answer(ID_TO_QUICKREP, IDC_EDIT_TEXT, "sh");
  ASSERT_EQ(workspace.quickRep.size(), 1u);
  EXPECT_EQ(workspace.quickRep[0].shortcut, "sh");
  EXPECT_EQ(workspace.quickRep[0].text, "*empty*");

  CopyAndSettle("b", "b");
  Answer(ID_CONCATENATE, IDC_FIRST_COUNT, "1");
  PumpUntil([&] { return workspace.history.At(0).text == "b\r\n"; });
  EXPECT_EQ(ClipboardText(), "b\r\n");
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated);
}

}  // namespace
}  // namespace pelmo
