// The Quick Replace step inside the capture, with a stand-in for the clipboard and the windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ClipboardCapture.h"

namespace pelmo {
namespace {

// The clipboard and the window effects. A replacement's write is itself a clipboard change: it
// reaches the capture while the write runs (as our own writes do) or once it is over.
class FakeSystem : public CaptureHost {
 public:
  // A runaway replacement loop is cut off here, so that it shows as a failure, not a hang.
  static constexpr size_t kMaxWrites = 20;

  ClipboardCapture* capture = nullptr;
  bool changeArrivesDuringWrite = true;
  bool locked = false;  // another program holds the clipboard: writes fail
  std::string clipboard;
  struct Write {
    std::string text;
    bool paste;
  };
  std::vector<Write> writes;

  // The user copies a text; every change that follows from it is delivered.
  void UserCopies(const std::string& text) {
    clipboard = text;
    capture->OnChange();
    while (m_undelivered > 0) {
      --m_undelivered;
      capture->OnChange();
    }
  }

  void RememberTarget() override {}
  std::optional<ClipboardRead> ReadClipboard(bool, size_t) override {
    return ClipboardRead{clipboard, false, {}};
  }
  void SelectNewEntry() override {}
  bool PutReplacement(const std::string& text, bool paste) override {
    if (locked) return false;
    clipboard = text;
    writes.push_back({text, paste});
    if (writes.size() >= kMaxWrites) return true;
    if (changeArrivesDuringWrite)
      capture->OnChange();
    else
      ++m_undelivered;
    return true;
  }

 private:
  int m_undelivered = 0;
};

class QuickReplaceCapture : public ::testing::Test {
 protected:
  QuickReplaceCapture() {
    workspace.options.quickRep = 1;
    system.capture = &capture;
  }
  std::vector<std::string> Texts() const { return workspace.history.Texts(); }

  Workspace workspace{"C:\\pelmo\\Pelmo.exe"};
  FakeSystem system;
  ClipboardCapture capture{workspace, system};
};

TEST_F(QuickReplaceCapture, TheReplacementIsWrittenPastedOnRequestAndRecorded) {
  workspace.quickRep = {{"sig", "Best regards"}};
  const struct {
    int quickRep, autoFocus, autoPaste;
    bool replaced, paste;
  } cases[] = {
      {0, 1, 1, false, false},
      {1, 0, 1, true, false},
      {1, 1, 0, true, false},
      {1, 1, 1, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.quickRep << c.autoFocus << c.autoPaste);
    workspace.history.DeleteAll();
    system.writes.clear();
    workspace.options.quickRep = c.quickRep;
    workspace.options.autoFocus = c.autoFocus;
    workspace.options.autoPaste = c.autoPaste;
    system.UserCopies("sig");
    if (!c.replaced) {
      EXPECT_EQ(Texts(), std::vector<std::string>{"sig"});
      EXPECT_TRUE(system.writes.empty());
      continue;
    }
    ASSERT_EQ(system.writes.size(), 1u);
    EXPECT_EQ(system.writes[0].text, "Best regards");
    EXPECT_EQ(system.writes[0].paste, c.paste);
    // The write's own change is captured as well as the replaced copy.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Best regards", "Best regards"}));
  }
}

TEST_F(QuickReplaceCapture, TheLengthLimitTestsTheTextAsRead) {
  workspace.options.ignoreMore = 5;
  workspace.quickRep = {{"long", "far longer than five"}, {"toolong", "ok"}, {"", "no text"}};
  system.changeArrivesDuringWrite = false;
  system.locked = true;  // only the copied texts reach the capture
  system.UserCopies("long");
  system.UserCopies("toolong");
  system.UserCopies("");  // a change without text
  EXPECT_EQ(Texts(), (std::vector<std::string>{"no text", "far longer than five"}));
}

TEST_F(QuickReplaceCapture, LoopingPairsReplaceOncePerCopy) {
  const std::vector<std::vector<QuickRepItem>> loops = {{{"a", "a"}}, {{"a", "b"}, {"b", "a"}}};
  for (const bool duringWrite : {true, false}) {
    for (const auto& pairs : loops) {
      SCOPED_TRACE(testing::Message() << pairs.size() << " pair(s), during write " << duringWrite);
      workspace.history.DeleteAll();
      workspace.quickRep = pairs;
      system.writes.clear();
      system.changeArrivesDuringWrite = duringWrite;
      const std::string replacement = pairs.front().text;
      system.UserCopies("a");
      EXPECT_EQ(system.writes.size(), 1u);
      EXPECT_EQ(system.clipboard, replacement);
      EXPECT_EQ(Texts(), (std::vector<std::string>{replacement, replacement}));
      // The next copy of the user is replaced again.
      system.UserCopies("a");
      EXPECT_EQ(system.writes.size(), 2u);
    }
  }
}

TEST_F(QuickReplaceCapture, AFailedWriteLeavesTheNextChangeReplaceable) {
  workspace.quickRep = {{"a", "b"}};
  system.locked = true;
  system.UserCopies("a");
  EXPECT_EQ(Texts(), std::vector<std::string>{"b"}) << "the replacement is recorded anyway";
  system.locked = false;
  system.UserCopies("a");
  EXPECT_EQ(system.writes.size(), 1u);
}

}  // namespace
}  // namespace pelmo
