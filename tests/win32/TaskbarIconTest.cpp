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
// A restarted shell gets a shown icon back; when it refuses, a later Show tries again.
TEST(TaskbarIcon, TheShellIsAskedOnlyWhenTheStateChangesAndARestartedOneGetsTheIconBack) {
  RecordingIcon icon;
  ASSERT_TRUE(icon.Create(7));
  enum Op { kShow, kHide, kRefresh, kRestart };
  const struct {
    Op op;
    BOOL answer;
    bool result;  // of the call; after a restart, whether the icon is shown
    std::vector<DWORD> asked;
  } steps[] = {
      // clang-format off
      {kRefresh, TRUE, false, {}},         {kHide, TRUE, false, {}},
      {kShow, FALSE, false, {NIM_ADD}},    {kShow, TRUE, true, {NIM_ADD}},
      {kShow, TRUE, false, {}},            {kRefresh, FALSE, false, {NIM_MODIFY}},
      {kHide, FALSE, false, {NIM_DELETE}}, {kHide, TRUE, true, {NIM_DELETE}},
      {kRestart, TRUE, false, {}},         {kShow, TRUE, true, {NIM_ADD}},
      {kRestart, TRUE, true, {NIM_ADD}},   {kRestart, FALSE, false, {NIM_ADD}},
      {kShow, TRUE, true, {NIM_ADD}},      {kRefresh, TRUE, true, {NIM_MODIFY}},
      // clang-format on
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    icon.requests.clear();
    icon.answer = steps[i].answer;
    if (steps[i].op == kRestart)
      ::SendMessageA(icon.m_hWnd, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    const bool result = steps[i].op == kShow      ? icon.Show()
                        : steps[i].op == kHide    ? icon.Hide()
                        : steps[i].op == kRefresh ? icon.Refresh()
                                                  : icon.IsShown();
    EXPECT_EQ(result, steps[i].result);
    EXPECT_EQ(icon.requests, steps[i].asked);
  }
}

TEST(TaskbarIconShell, RealShellAddsUpdatesAndRemovesTheSmallPictureAndShowsABalloon) {
  COXTaskbarIcon icon;
  ASSERT_TRUE(icon.Create(3));
  icon.SetIcon(static_cast<UINT>(IDI_TRAY), false);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon.GetIcon(), &info));
  GdiObject<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
  BITMAP bits{};
  ::GetObjectA(mask.Get(), sizeof bits, &bits);
  EXPECT_EQ(bits.bmWidth, ::GetSystemMetrics(SM_CXSMICON)) << "the small picture";
  icon.SetTooltipText("Pelmo test", false);
  EXPECT_FALSE(icon.ShowBalloon("Pelmo test", "no icon, no balloon"));
  ASSERT_TRUE(icon.Show());
  EXPECT_TRUE(icon.Refresh());
  EXPECT_TRUE(icon.ShowBalloon("Pelmo test", std::string(300, 'b')));
  EXPECT_TRUE(icon.Hide());
  NOTIFYICONDATAA record = icon.MakeRecord(NIM_DELETE);
  EXPECT_FALSE(::Shell_NotifyIconA(NIM_DELETE, &record));  // already gone
}

// The pop-up menus appear where asked and send the chosen command to the top-level window, with
// "Inline" checked as asked; the tray menu brings its window to the front first.
std::vector<WORD> g_commands;
UINT g_inlineState;  // in the menu shown, or kAbsent
RECT g_menuRect;

// Chooses the first item of this thread's pop-up menu from inside its loop, noting where it is.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = ::FindWindowA("#32768", nullptr);
  if (!menu || !::IsWindowVisible(menu)) return;
  ::KillTimer(nullptr, timer);
  ::GetWindowRect(menu, &g_menuRect);
  ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

LRESULT CALLBACK RecordCommands(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITMENUPOPUP && !HIWORD(lp))
    g_inlineState = ::GetMenuState(reinterpret_cast<HMENU>(wp), ID_TOGGLE_INLINE, MF_BYCOMMAND);
  if (msg == WM_COMMAND) g_commands.push_back(LOWORD(wp));
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(PopupMenus, ShownMenuSendsTheChosenCommandToTheTopLevelWindow) {
  constexpr UINT kAbsent = 0xFFFFFFFF;
  // clang-format off
  const struct { UINT menu; bool fromChild, inlineChecked; WORD firstCommand; UINT inlineState; }
  cases[] = {
      {IDR_ITEM_MENU, true, true, ID_ADD_ITEM, kAbsent},
      {IDR_MAIN_MENU, true, true, ID_CALCULATOR, MF_CHECKED},
      {IDR_MAIN_MENU, false, false, ID_CALCULATOR, MF_UNCHECKED},
      {IDR_TRAY_MENU, false, true, ID_OPEN, MF_CHECKED},
  };  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.menu << (c.fromChild ? " from child" : "")
                                    << (c.inlineChecked ? " checked" : ""));
    g_commands.clear();
    g_inlineState = kAbsent;
    g_menuRect = RECT{};
    HWND window = ::CreateWindowExA(0, test::TestClass("PelmoTestCommands", RecordCommands), "",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND child = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, window,
                                   nullptr, nullptr, nullptr);
    HWND elsewhere = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(elsewhere);
    test::Settle(50);
    const POINT at{200, 150};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, ChooseFirstItem);
    if (c.menu == IDR_TRAY_MENU) {
      ShowTrayMenu(window, at, c.inlineChecked);
      EXPECT_EQ(::GetForegroundWindow(), window);
    } else {
      ShowWindowMenu(c.menu, c.fromChild ? child : window, at, c.inlineChecked);
    }
    test::Settle(50);
    ::KillTimer(nullptr, timer);
    ::DestroyWindow(elsewhere);
    ::DestroyWindow(window);
    EXPECT_EQ(g_commands, std::vector<WORD>{c.firstCommand});
    EXPECT_EQ(g_inlineState == kAbsent ? kAbsent : g_inlineState & MF_CHECKED, c.inlineState);
    EXPECT_EQ((Point{g_menuRect.left, g_menuRect.top}), (Point{at.x, at.y}));
  }
}

}  // namespace
}  // namespace pelmo
