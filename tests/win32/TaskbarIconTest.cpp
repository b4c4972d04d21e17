// The notification-area icon with a recording stand-in for the shell: what it asks the shell and
// when, and where the shell's click reports go; and once against Wine's own shell.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "WindowTestSupport.h"
#include "controls/TaskbarIcon.h"
#include "resource.h"

namespace pelmo {
namespace {

constexpr DWORD kNoRequest = 0xFFFFFFFF;

using Received = std::tuple<UINT, WPARAM, LPARAM>;

// Records every shell request and every mouse message; answers requests with `answer`.
class RecordingIcon : public COXTaskbarIcon {
 public:
  std::vector<DWORD> requests;
  std::vector<NOTIFYICONDATAA> records;
  std::vector<Received> mouse;
  BOOL answer = TRUE;

  DWORD LastRequest() const { return requests.empty() ? kNoRequest : requests.back(); }

 protected:
  BOOL NotifyIcon(DWORD request) override {
    requests.push_back(request);
    records.push_back(MakeRecord(request));
    return answer;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
      mouse.emplace_back(message, wParam, lParam);
    return COXTaskbarIcon::WindowProc(message, wParam, lParam);
  }
};

class TaskbarIconTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(icon.Create(7)); }
  RecordingIcon icon;
};

// The shell is asked only when the state changes; a refused request leaves the state as it was.
TEST_F(TaskbarIconTest, ShellIsAskedOnlyWhenTheStateChanges) {
  enum Op { kShow, kHide, kRefresh };
  const struct {
    Op op;
    BOOL answer;
    bool result;
    DWORD request;
  } steps[] = {
      {kRefresh, TRUE, false, kNoRequest},  {kHide, TRUE, false, kNoRequest},
      {kShow, FALSE, false, NIM_ADD},       {kShow, TRUE, true, NIM_ADD},
      {kShow, TRUE, false, kNoRequest},     {kRefresh, TRUE, true, NIM_MODIFY},
      {kRefresh, FALSE, false, NIM_MODIFY}, {kHide, FALSE, false, NIM_DELETE},
      {kHide, TRUE, true, NIM_DELETE},      {kHide, TRUE, false, kNoRequest},
      {kRefresh, TRUE, false, kNoRequest},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    const std::size_t before = icon.requests.size();
    icon.answer = steps[i].answer;
    const bool result = steps[i].op == kShow   ? icon.Show()
                        : steps[i].op == kHide ? icon.Hide()
                                               : icon.Refresh();
    EXPECT_EQ(result, steps[i].result);
    if (steps[i].request == kNoRequest) {
      EXPECT_EQ(icon.requests.size(), before);
    } else {
      ASSERT_EQ(icon.requests.size(), before + 1);
      EXPECT_EQ(icon.LastRequest(), steps[i].request);
    }
  }
}

TEST_F(TaskbarIconTest, ChangesWhileHiddenAreUsedByTheNextShow) {
  const HICON picture = ::LoadIconA(nullptr, IDI_APPLICATION);
  const std::string tip(80, 'x');
  EXPECT_EQ(icon.SetIcon(picture, true), nullptr);
  EXPECT_TRUE(icon.SetTooltipText(tip, true));
  EXPECT_TRUE(icon.requests.empty());

  ASSERT_TRUE(icon.Show());
  // The shell shows the stored picture and as much of the tip as the record holds, and reports
  // clicks on them to this window.
  const NOTIFYICONDATAA& add = icon.records.back();
  EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(add.hWnd, icon.m_hWnd);
  EXPECT_EQ(add.uCallbackMessage, 0x80E6u);
  EXPECT_EQ(add.hIcon, picture);
  EXPECT_EQ(std::string(add.szTip), tip.substr(0, 63));
  EXPECT_EQ(icon.GetTooltipText(), tip);

  // While shown, only a refreshing change reaches the shell.
  icon.SetTooltipText("Quiet", false);
  EXPECT_EQ(icon.requests.size(), 1u);
  icon.SetTooltipText("Loud", true);
  EXPECT_EQ(icon.LastRequest(), static_cast<DWORD>(NIM_MODIFY));
  EXPECT_STREQ(icon.records.back().szTip, "Loud");
  const HICON other = ::LoadIconA(nullptr, IDI_WARNING);
  EXPECT_EQ(icon.SetIcon(other, true), picture);
  EXPECT_EQ(icon.records.back().hIcon, other);
}

// The program gives its icon no owner: the shell's reports come back as mouse messages.
TEST_F(TaskbarIconTest, ClicksComeBackAsMouseMessages) {
  for (const UINT click : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    icon.mouse.clear();
    EXPECT_EQ(::SendMessageA(icon.m_hWnd, 0x80E6, 7, click), -1);
    test::Settle(0);
    EXPECT_EQ(icon.mouse, std::vector<Received>{Received(click, 0, 0)}) << click;
  }
  // Anything else is not turned into a message of its own.
  ::SendMessageA(icon.m_hWnd, 0x80E6, 7, WM_CLOSE);
  test::Settle(0);
  EXPECT_TRUE(::IsWindow(icon.m_hWnd));
}

TEST_F(TaskbarIconTest, RestartedShellGetsAShownIconBack) {
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

}  // namespace
}  // namespace pelmo
