// The notification-area icon with a recording stand-in for the shell after a shell restart, and
// once against Wine's own shell; the three pop-up menus.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "app/PopupMenus.h"
#include "controls/TaskbarIcon.h"
#include "resource.h"

namespace pelmo {
namespace {

// Records every shell request; answers requests with `answer`.
class RecordingIcon : public COXTaskbarIcon {
 public:
  std::vector<DWORD> requests;
  BOOL answer = TRUE;

 protected:
  BOOL NotifyIcon(DWORD request) override {
    requests.push_back(request);
    return answer;
  }
};

// The shell is asked only when the state changes; a refused request leaves the state as it was.
TEST(TaskbarIcon, TheShellIsAskedOnlyWhenTheStateChangesAndARestartedOneGetsTheIconBack) {
  RecordingIcon icon;
  ASSERT_TRUE(icon.Create(7));
  enum Op { kShow, kHide, kRefresh };
  const struct {
    Op op;
    BOOL answer;
    bool result;
    std::vector<DWORD> asked;
  } steps[] = {
      {kRefresh, TRUE, false, {}},         {kHide, TRUE, false, {}},
      {kShow, FALSE, false, {NIM_ADD}},    {kShow, TRUE, true, {NIM_ADD}},
      {kShow, TRUE, false, {}},            {kRefresh, FALSE, false, {NIM_MODIFY}},
      {kHide, FALSE, false, {NIM_DELETE}}, {kHide, TRUE, true, {NIM_DELETE}},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    icon.requests.clear();
    icon.answer = steps[i].answer;
    const bool result = steps[i].op == kShow   ? icon.Show()
                        : steps[i].op == kHide ? icon.Hide()
                                               : icon.Refresh();
    EXPECT_EQ(result, steps[i].result);
    EXPECT_EQ(icon.requests, steps[i].asked);
  }
  // The record holds as much of a long tip as fits, its terminating zero included.
  icon.SetTooltipText(std::string(80, 'x'), false);
  EXPECT_EQ(std::string(icon.MakeRecord(NIM_ADD).szTip), std::string(63, 'x'));

  // A restarted shell gets a shown icon back.
  icon.requests.clear();
  const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
  ::SendMessageA(icon.m_hWnd, taskbarCreated, 0, 0);
  EXPECT_TRUE(icon.requests.empty());

  ASSERT_TRUE(icon.Show());
  ::SendMessageA(icon.m_hWnd, taskbarCreated, 0, 0);
  EXPECT_EQ(icon.requests, (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
  EXPECT_TRUE(icon.IsShown());

  icon.answer = FALSE;  // the new shell refused: a later Show may try again
  ::SendMessageA(icon.m_hWnd, taskbarCreated, 0, 0);
  EXPECT_FALSE(icon.IsShown());
}

TEST(TaskbarIconShell, RealShellAddsUpdatesAndRemovesTheSmallPicture) {
  COXTaskbarIcon icon;
  ASSERT_TRUE(icon.Create(3));
  icon.SetIcon(static_cast<UINT>(IDI_TRAY), false);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon.GetIcon(), &info));
  BITMAP mask{};
  ::GetObjectA(info.hbmMask, sizeof mask, &mask);
  ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  EXPECT_EQ(mask.bmWidth, ::GetSystemMetrics(SM_CXSMICON));
  icon.SetTooltipText("Pelmo test", false);
  ASSERT_TRUE(icon.Show());
  EXPECT_TRUE(icon.Refresh());
  EXPECT_TRUE(icon.Hide());
  NOTIFYICONDATAA record = icon.MakeRecord(NIM_DELETE);
  EXPECT_FALSE(::Shell_NotifyIconA(NIM_DELETE, &record));  // already gone
}

// --- the pop-up menus: where a shown menu appears and sends its commands -------------------

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
