// The three pop-up menus: where a shown menu appears and sends its commands.
#include <gtest/gtest.h>

#include <vector>

#include "WindowTestSupport.h"
#include "app/PopupMenus.h"
#include "resource.h"

namespace pelmo {
namespace {

// A top-level window with a child button; it records the menu state it is shown and the
// commands it receives.
class CommandWindow {
 public:
  CommandWindow() {
    hwnd = ::CreateWindowExA(0, test::TestClass("PelmoTestCommandWindow", Proc), "commands",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                             nullptr, nullptr);
    child = ::CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, hwnd,
                              nullptr, nullptr, nullptr);
    s_current = this;
  }
  ~CommandWindow() {
    ::DestroyWindow(hwnd);
    s_current = nullptr;
  }

  HWND hwnd;
  HWND child;
  UINT inlineState = 0;
  std::vector<WORD> commands;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CommandWindow* self = s_current;
    if (self && msg == WM_INITMENUPOPUP && !HIWORD(lp))
      self->inlineState =
          ::GetMenuState(reinterpret_cast<HMENU>(wp), ID_TOGGLE_INLINE, MF_BYCOMMAND);
    if (self && msg == WM_COMMAND) self->commands.push_back(LOWORD(wp));
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  static inline CommandWindow* s_current = nullptr;
};

TEST(PopupMenus, ShownMenuSendsTheChosenCommandToTheTopLevelWindow) {
  constexpr UINT kAbsent = 0xFFFFFFFF;
  const struct {
    UINT menu;
    bool fromChild;
    bool inlineChecked;
    WORD firstCommand;
    UINT inlineState;
  } cases[] = {
      {IDR_ITEM_MENU, true, true, ID_ADD_ITEM, kAbsent},
      {IDR_MAIN_MENU, true, true, ID_CALCULATOR, MF_CHECKED},
      {IDR_MAIN_MENU, false, false, ID_CALCULATOR, MF_UNCHECKED},
      {IDR_TRAY_MENU, false, true, ID_OPEN, MF_CHECKED},
      {IDR_TRAY_MENU, false, false, ID_OPEN, MF_UNCHECKED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.menu << (c.fromChild ? " from child" : "")
                                    << (c.inlineChecked ? " checked" : ""));
    CommandWindow window;
    HWND elsewhere = ::CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 300, 300,
                                       50, 50, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(elsewhere);
    test::Settle(50);
    const POINT at{200, 150};
    const test::MenuWatch menu(true);
    if (c.menu == IDR_TRAY_MENU) {
      ShowTrayMenu(window.hwnd, at, c.inlineChecked);
      EXPECT_EQ(::GetForegroundWindow(), window.hwnd);
    } else {
      ShowWindowMenu(c.menu, c.fromChild ? window.child : window.hwnd, at, c.inlineChecked);
    }
    test::Settle(50);
    ::DestroyWindow(elsewhere);

    EXPECT_EQ(window.commands, std::vector<WORD>{c.firstCommand});
    EXPECT_EQ(window.inlineState == kAbsent ? kAbsent : window.inlineState & MF_CHECKED,
              c.inlineState);
    EXPECT_EQ(menu.TopLeft(), (Point{at.x, at.y}));
  }
}

}  // namespace
}  // namespace pelmo
