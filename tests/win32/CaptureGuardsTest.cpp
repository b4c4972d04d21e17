// The capture on the real clipboard: changes marked private are passed on but not recorded, and
// a viewer ahead of the strip that swallows the notifications, or posts them on late, does not
// stop the capture or Quick Replace.
#include "MainWindowFixture.h"

namespace pelmo::test {
namespace {

// Writes a text with one more format beside it, holding a DWORD.
bool CopyMarked(HWND owner, const std::string& text, const char* mark, DWORD value) {
  ClipboardSession clipboard(owner);
  return clipboard.IsOpen() && clipboard.WriteText(text) &&
         PutClipboardBytes(::RegisterClipboardFormatA(mark), &value, sizeof value);
}

TEST(CaptureGuards, AChangeMarkedPrivateIsPassedOnButNotRecorded) {
  RemoveItemFiles();
  OtherProgram viewer;
  viewer.JoinChain();
  {
    Workspace workspace(ModuleFileName());
    CMainDialog dialog(workspace);
    ASSERT_TRUE(dialog.Create(nullptr));
    Settle();
    const int rows = workspace.history.Count();
    for (const char* mark : {"ExcludeClipboardContentFromMonitorProcessing",
                             "CanIncludeInClipboardHistory", "Clipboard Viewer Ignore"}) {
      const int before = viewer.drawClipboards;
      ASSERT_TRUE(CopyMarked(viewer.Hwnd(), "secret", mark, 0));
      EXPECT_TRUE(PumpUntil([&] { return viewer.drawClipboards > before; })) << mark;
      Settle();
      EXPECT_EQ(workspace.history.Count(), rows) << mark;
    }
    // Allowed into the history explicitly.
    ASSERT_TRUE(CopyMarked(viewer.Hwnd(), "open", "CanIncludeInClipboardHistory", 1));
    EXPECT_TRUE(PumpUntil([&] { return workspace.history.Count() == rows + 1; }));
  }
  RemoveItemFiles();
}

TEST_F(MainWindowTest, ASwallowingViewerAheadIsOvertakenAndTheMissedChangeCaptured) {
  other.JoinChain();  // now at the head, passing nothing on
  ASSERT_TRUE(other.Copy("missed"));
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "missed"; }, 3000));
  EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);

  // Still pointing at us, it now passes changes on: the chain is a loop, which must not bring
  // the change round again and again.
  other.passOn = true;
  CopyAndWait("once");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"once", "missed", "on the clipboard at start"}));
}

TEST_F(MainWindowTest, QuickReplaceGoesOnReplacingBehindAViewerThatPostsTheChangesOn) {
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"qq1", "Replaced text one"}};
  other.JoinChain();
  other.passOn = true;
  other.postOn = true;
  for (const char* copy : {"first", "second"}) {
    ASSERT_TRUE(other.Copy("qq1"));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == "Replaced text one"; })) << copy;
    Settle();
  }
}

}  // namespace
}  // namespace pelmo::test
