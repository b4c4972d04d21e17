#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/ClipboardCapture.h"

namespace pelmo {
namespace {

// The clipboard as the capture sees it: each read takes the next scripted answer, cut where the
// capture asks; nullopt is a clipboard that another program holds open.
class ScriptedHost : public CaptureHost {
 public:
  void RememberTarget() override { ++remembered; }
  std::optional<ClipboardRead> ReadClipboard(bool oem, size_t maxBytes) override {
    oemReads += oem ? 1 : 0;
    ++reads;
    lastLimit = maxBytes;
    if (answers.empty()) return ClipboardRead{};
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    if (!answer) return std::nullopt;
    if (markedPrivate) return ClipboardRead::Private();
    return ClipboardRead{answer->substr(0, maxBytes), false, wide};
  }
  void SelectNewEntry() override { ++selected; }
  bool PutReplacement(const std::string&, bool) override {
    ++replacements;
    return true;
  }

  std::deque<std::optional<std::string>> answers;
  std::u16string wide;  // what the clipboard offers beyond its ANSI text
  int remembered = 0;
  int reads = 0;
  int oemReads = 0;
  int selected = 0;
  int replacements = 0;
  size_t lastLimit = 0;
  bool markedPrivate = false;
};

class ClipboardCaptureTest : public ::testing::Test {
 protected:
  CaptureResult Change(std::optional<std::string> text) {
    host.answers.push_back(std::move(text));
    return capture.OnChange();
  }

  Workspace workspace{"C:\\pelmo\\Pelmo.exe"};
  ScriptedHost host;
  ClipboardCapture capture{workspace, host};
};

TEST_F(ClipboardCaptureTest, InsertsNewestFirstWithinTheLimitAndEvictsOnePerChange) {
  workspace.options.ignoreMore = 5;
  workspace.options.deleteAfter = 3;
  EXPECT_EQ(Change("one"), CaptureResult::kInserted);
  EXPECT_EQ(Change("one"), CaptureResult::kInserted) << "equal texts are added again";
  EXPECT_EQ(Change(""), CaptureResult::kIgnored);
  EXPECT_EQ(Change("12345"), CaptureResult::kInserted) << "exactly at the limit";
  EXPECT_EQ(Change("123456"), CaptureResult::kIgnored) << "one byte over the limit";
  EXPECT_EQ(workspace.history.Texts(), (std::vector<std::string>{"12345", "one", "one"}));
  EXPECT_EQ(host.selected, 3);

  // A smaller maximum takes effect one entry per change, never all at once.
  workspace.options.deleteAfter = 1;
  Change("two");
  EXPECT_EQ(workspace.history.Texts(), (std::vector<std::string>{"two", "12345", "one"}));
}

// The rules see the ANSI text (one '?' per lost character); the entry keeps the wide one too,
// unless Quick Replace put its own text in place of what was copied.
TEST_F(ClipboardCaptureTest, AWideTextRidesAlongWithItsAnsiText) {
  workspace.options.ignoreMore = 4;
  host.wide = u"λόγος";
  EXPECT_EQ(Change("?????"), CaptureResult::kIgnored) << "5 ANSI bytes are over the limit";
  host.wide = u"λόγ";
  EXPECT_EQ(Change("???"), CaptureResult::kInserted);
  EXPECT_EQ(workspace.history.At(0).text, "???");
  EXPECT_EQ(workspace.history.At(0).wide, u"λόγ");

  workspace.options.quickRep = 1;
  workspace.quickRep = {{"???", "abc"}};
  Change("???");
  EXPECT_EQ(workspace.history.At(0).text, "abc");
  EXPECT_TRUE(workspace.history.At(0).wide.empty()) << "the replacement has no wide text";
}

TEST_F(ClipboardCaptureTest, PendingKindGoesToTheNextCreatedEntryOnly) {
  capture.SetPendingKind(kConcatenated);
  Change("");  // creates nothing: the kind waits
  Change("joined");
  Change("plain");
  EXPECT_EQ(workspace.history.At(1).kind, kConcatenated);
  EXPECT_EQ(workspace.history.At(0).kind, kPlain);
}

TEST_F(ClipboardCaptureTest, AnOwnWriteIsSkippedOnceWithoutReading) {
  capture.SkipNextChange();
  EXPECT_EQ(Change("own write"), CaptureResult::kSkipped);
  EXPECT_EQ(host.reads, 0);
  host.answers.clear();
  EXPECT_EQ(Change("next"), CaptureResult::kInserted);

  capture.SkipNextChange();
  capture.CancelSkip();
  EXPECT_EQ(Change("written by nobody"), CaptureResult::kInserted);
}

TEST_F(ClipboardCaptureTest, RemembersTheTargetWithAutoFocusUnlessAskedToKeepIt) {
  Change("a");
  EXPECT_EQ(host.remembered, 0) << "AutoFocus off";
  workspace.options.autoFocus = 1;
  Change("b");
  capture.KeepTarget();
  Change("c");
  Change("d");
  EXPECT_EQ(host.remembered, 2) << "kept for exactly one change";
}

TEST_F(ClipboardCaptureTest, ReadsTheOemFormatWithTheOemOption) {
  Change("a");
  workspace.options.oem = 1;
  Change("b");
  EXPECT_EQ(host.oemReads, 1);
}

TEST_F(ClipboardCaptureTest, ABusyClipboardIsReadAgainOnRetryOnly) {
  workspace.options.autoFocus = 1;
  capture.SetPendingKind(kDroppedFiles);
  EXPECT_EQ(Change(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(workspace.history.Count(), 0);
  host.answers.push_back(std::nullopt);
  EXPECT_EQ(capture.Retry(), CaptureResult::kBusy);
  host.answers.push_back("held a moment");
  EXPECT_EQ(capture.Retry(), CaptureResult::kInserted);
  EXPECT_EQ(workspace.history.At(0).text, "held a moment");
  EXPECT_EQ(workspace.history.At(0).kind, kDroppedFiles) << "the kind waited for the retry";
  EXPECT_EQ(host.remembered, 1) << "the target is taken when the change arrives, not on retries";
}

TEST_F(ClipboardCaptureTest, PutsEveryRecognisedLinkAtTheHeadWithinItsOwnConditions) {
  workspace.options.captureHTML = 1;
  Change("see http://example.com/a.html now");
  Change("no address here");
  Change("again http://example.com/a.html");
  EXPECT_EQ(workspace.links,
            (std::deque<std::string>{"http://example.com/a.html", "http://example.com/a.html"}));

  workspace.options.ignoreMore = 20;
  Change("www.example.com/12345");  // 21 bytes
  EXPECT_EQ(workspace.links.size(), 2u);
  Change("www.example.com/1234");  // 20 bytes
  EXPECT_EQ(workspace.links.size(), 3u);
  workspace.options.captureHTML = 0;
  Change("www.example.com/1234");
  EXPECT_EQ(workspace.links.size(), 3u);
}

TEST_F(ClipboardCaptureTest, AChangeMarkedPrivateLeavesNoTrace) {
  workspace.options.captureHTML = 1;
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"http://example.com/pw", "replaced"}};
  capture.SetPendingKind(kConcatenated);
  host.markedPrivate = true;
  EXPECT_EQ(Change("http://example.com/pw"), CaptureResult::kPrivate);
  EXPECT_EQ(host.answers.size(), 0u);
  host.answers.push_back(std::nullopt);
  EXPECT_EQ(capture.Retry(), CaptureResult::kBusy);
  host.answers.push_back("http://example.com/pw");
  EXPECT_EQ(capture.Retry(), CaptureResult::kPrivate) << "retries look at the mark too";
  EXPECT_EQ(workspace.history.Count(), 0);
  EXPECT_TRUE(workspace.links.empty());
  EXPECT_EQ(host.replacements, 0);

  host.markedPrivate = false;
  Change("next");
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated) << "the kind waits for a real entry";
}

TEST_F(ClipboardCaptureTest, ReadsOnlyWhatDecidesAboutTheText) {
  workspace.options.ignoreMore = 5;
  Change(std::string(100000, 'x'));
  EXPECT_EQ(host.lastLimit, 6u) << "one byte past the limit";
  EXPECT_EQ(workspace.history.Count(), 0);

  // A Quick Replace shortcut longer than the limit is still recognised, and a longer text that
  // begins with it is not taken for it.
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"0123456789", "sig"}};
  EXPECT_EQ(Change("0123456789 and more"), CaptureResult::kIgnored);
  EXPECT_EQ(host.replacements, 0);
  Change("0123456789");
  EXPECT_EQ(host.replacements, 1);
}

}  // namespace
}  // namespace pelmo
