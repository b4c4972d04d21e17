// The notification-area icon with a recording stand-in for the shell after a shell restart, and
// once against Wine's own shell.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
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

class TaskbarIconTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(icon.Create(7)); }
  RecordingIcon icon;
};

// The shell is asked only when the state changes; a refused request leaves the state as it was.
TEST_F(TaskbarIconTest, ShowHideAndRefreshAskTheShellOnlyWhenTheStateChanges) {
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
