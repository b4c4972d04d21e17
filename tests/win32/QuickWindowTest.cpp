// The quick window in the strip: the hotkey opens it at the caret of the window being typed in,
// typing narrows the list, and Enter puts the chosen entry back whole and returns the focus.
#include <cstdlib>

#include "MainWindowFixture.h"
#include "framework/SystemCodePage.h"

namespace pelmo {
namespace {

using test::ModalScript;

class QuickWindowTest : public test::MainWindowTest {};

TEST_F(QuickWindowTest, TheQuickWindowFindsTypedWordsAndPutsTheChosenEntryBack) {
  const std::u16string greek = u"Καλημέρα κόσμε";
  workspace.history.InsertTop("address: 12 Long Road", kPlain);
  workspace.history.InsertTop(ToSystemAnsi(greek), kPlain, greek);
  workspace.history.InsertTop("the road ahead", kPlain);
  HWND target = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 200, 150, 300, 40, nullptr,
                                  nullptr, nullptr, nullptr);
  ::SetForegroundWindow(target);
  ::SetFocus(target);
  test::Settle();

  RECT opened{};
  bool visible = false;
  std::vector<LRESULT> counts;
  ModalScript script({[&](HWND window) {
                        ::GetWindowRect(window, &opened);
                        visible = ::IsWindowVisible(window) != FALSE;
                        HWND filter = ::GetDlgItem(window, IDC_QUICK_FILTER);
                        HWND list = ::GetDlgItem(window, IDC_QUICK_LIST);
                        for (const wchar_t* typed : {L"", L"ROAD", L"road long", L"ΚΑΛΗ"}) {
                          ::SetWindowTextW(filter, typed);
                          counts.push_back(::SendMessageA(list, LB_GETCOUNT, 0, 0));
                        }
                      },
                      [](HWND window) {
                        ::PostMessageA(::GetDlgItem(window, IDC_QUICK_FILTER), WM_KEYDOWN,
                                       VK_RETURN, 0);
                      }});
  ::SendMessageA(dialog.m_hWnd, WM_HOTKEY, QuickWindowHotKey::kId, 0);
  test::Settle();

  EXPECT_TRUE(visible);
  EXPECT_EQ(counts, (std::vector<LRESULT>{4, 2, 1, 1}));
  const Rect caret = WindowRect(target);
  EXPECT_LT(std::abs(opened.left - caret.left), 50) << "opened at the target's caret";
  EXPECT_GE(opened.top, caret.top);
  EXPECT_EQ(test::ClipboardUnicode(), greek);
  EXPECT_EQ(::GetForegroundWindow(), target);
  ::DestroyWindow(target);
}

}  // namespace
}  // namespace pelmo
