// The notification-area icon with a recording stand-in for the shell after a shell restart, and
// once against Wine's own shell.
#include <gtest/gtest.h>

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
