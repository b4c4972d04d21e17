#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/ChainWatch.h"
#include "app/ClipboardCapture.h"
#include "app/RetrySchedule.h"

namespace pelmo {
namespace {

// The clipboard and the window effects; nullopt is a clipboard that another program holds open.
// With `echo`, a replacement's write is itself a clipboard change: it reaches the capture while
// the write runs (as our own writes do) or, with `echoLater`, when Change delivers it.
class FakeHost : public CaptureHost {
 public:
  // A runaway replacement loop is cut off here, so that it shows as a failure, not a hang.
  static constexpr size_t kMaxWrites = 20;

  void RememberTarget() override { ++remembered; }
  std::optional<ClipboardRead> ReadClipboard(bool, size_t maxBytes) override {
    ++reads;
    lastLimit = maxBytes;
    if (!clipboard) return std::nullopt;
    if (markedPrivate) return ClipboardRead::Private();
    return ClipboardRead{clipboard->substr(0, maxBytes), false, wide};
  }
  void SelectNewEntry() override { ++selected; }
  uint32_t ClipboardSequence() override { return sequence; }
  bool PutReplacement(const std::string& text, bool paste) override {
    if (locked) return false;
    clipboard = text;
    ++sequence;
    writes.push_back({text, paste});
    if (!echo || writes.size() >= kMaxWrites) return true;
    if (echoLater)
      ++undelivered;
    else
      capture->OnChange();
    return true;
  }

  ClipboardCapture* capture = nullptr;
  std::optional<std::string> clipboard;
  std::u16string wide;  // what the clipboard offers beyond its ANSI text
  uint32_t sequence = 0;
  bool markedPrivate = false;
  bool locked = false;  // writes fail
  bool echo = false;
  bool echoLater = false;
  int undelivered = 0;
  struct Write {
    std::string text;
    bool paste;
  };
  std::vector<Write> writes;
  int remembered = 0;
  int reads = 0;
  int selected = 0;
  size_t lastLimit = 0;
};

class ClipboardCaptureTest : public ::testing::Test {
 protected:
  ClipboardCaptureTest() { host.capture = &capture; }
  // The clipboard changes to `text`; every change that follows from it is delivered.
  CaptureResult Change(std::optional<std::string> text) {
    host.clipboard = std::move(text);
    ++host.sequence;
    const CaptureResult result = capture.OnChange();
    for (; host.undelivered > 0; --host.undelivered) capture.OnChange();
    return result;
  }
  CaptureResult Retry(std::optional<std::string> text) {
    host.clipboard = std::move(text);
    return capture.Retry();
  }
  std::vector<std::string> Texts() const { return workspace.history.Texts(); }

  Workspace workspace{"C:\\pelmo\\Pelmo.exe"};
  FakeHost host;
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
  EXPECT_EQ(Texts(), (std::vector<std::string>{"12345", "one", "one"}));
  EXPECT_EQ(host.selected, 3);

  // A smaller maximum takes effect one entry per change, never all at once.
  workspace.options.deleteAfter = 1;
  Change("two");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"two", "12345", "one"}));
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
  EXPECT_EQ(Change("next"), CaptureResult::kInserted);

  capture.SkipNextChange();
  capture.CancelSkip();
  EXPECT_EQ(Change("written by nobody"), CaptureResult::kInserted);
}

TEST_F(ClipboardCaptureTest, ABusyClipboardIsReadAgainOnRetryOnly) {
  workspace.options.autoFocus = 1;
  capture.SetPendingKind(kDroppedFiles);
  EXPECT_EQ(Change(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(workspace.history.Count(), 0);
  EXPECT_EQ(Retry(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(Retry("held a moment"), CaptureResult::kInserted);
  EXPECT_EQ(workspace.history.At(0).text, "held a moment");
  EXPECT_EQ(workspace.history.At(0).kind, kDroppedFiles) << "the kind waited for the retry";
  EXPECT_EQ(host.remembered, 1) << "the target is taken when the change arrives, not on retries";
}

TEST(RetryScheduleTest, WaitsLongerEachTimeUntilTenSecondsAfterTheChange) {
  RetrySchedule schedule;
  std::vector<unsigned> waits{schedule.Start()};
  while (const std::optional<unsigned> wait = schedule.Next()) waits.push_back(*wait);
  EXPECT_EQ(waits, (std::vector<unsigned>{100, 200, 400, 800, 1600, 2000, 2000, 2000, 900}));
  EXPECT_EQ(schedule.Start(), 100u) << "the next change starts again";
}

// A heal joins the chain again when the sequence number moved without a notification, which an
// owner rendering on demand also causes: what the last capture left is not taken in twice.
TEST_F(ClipboardCaptureTest, AHealTakesInOnlyAChangeThatWasMissed) {
  workspace.options.autoFocus = 1;
  workspace.options.captureHTML = 1;
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"sig", "Best regards"}};
  host.wide = u"www.a.com λ";
  Change("www.a.com ?");
  const int remembered = host.remembered;
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kSkipped) << "the last read is still there";
  host.wide.clear();
  Change("sig");
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kSkipped) << "the replacement is still there";
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Best regards", "www.a.com ?"}));
  EXPECT_EQ(workspace.links.size(), 1u);
  EXPECT_EQ(host.writes.size(), 1u);
  EXPECT_EQ(host.remembered, remembered + 1) << "only the copy of sig took the target";

  // A copy whose notification the chain swallowed.
  host.clipboard = "sig";
  ++host.sequence;
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kInserted);
  EXPECT_EQ(host.writes.size(), 2u);
  EXPECT_EQ(host.remembered, remembered + 2);
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
  EXPECT_EQ(Retry(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(Retry("http://example.com/pw"), CaptureResult::kPrivate) << "retries see the mark";
  EXPECT_EQ(workspace.history.Count(), 0);
  EXPECT_TRUE(workspace.links.empty());
  EXPECT_EQ(host.writes.size(), 0u);

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
  EXPECT_EQ(host.writes.size(), 0u);
  Change("0123456789");
  EXPECT_EQ(host.writes.size(), 1u);
}

// The Quick Replace step, whose writes come back as clipboard changes.
class QuickReplaceCaptureTest : public ClipboardCaptureTest {
 protected:
  QuickReplaceCaptureTest() {
    workspace.options.quickRep = 1;
    host.echo = true;
  }
};

TEST_F(QuickReplaceCaptureTest, TheReplacementIsWrittenPastedOnRequestAndRecorded) {
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
    host.writes.clear();
    workspace.options.quickRep = c.quickRep;
    workspace.options.autoFocus = c.autoFocus;
    workspace.options.autoPaste = c.autoPaste;
    Change("sig");
    if (!c.replaced) {
      EXPECT_EQ(Texts(), std::vector<std::string>{"sig"});
      EXPECT_TRUE(host.writes.empty());
      continue;
    }
    ASSERT_EQ(host.writes.size(), 1u);
    EXPECT_EQ(host.writes[0].text, "Best regards");
    EXPECT_EQ(host.writes[0].paste, c.paste);
    // The write's own change is captured as well as the replaced copy.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Best regards", "Best regards"}));
  }
}

TEST_F(QuickReplaceCaptureTest, TheLengthLimitTestsTheTextAsRead) {
  workspace.options.ignoreMore = 5;
  workspace.quickRep = {{"long", "far longer than five"}, {"toolong", "ok"}, {"", "no text"}};
  host.echoLater = true;
  host.locked = true;  // only the copied texts reach the capture
  Change("long");
  Change("toolong");
  Change("");  // a change without text
  EXPECT_EQ(Texts(), (std::vector<std::string>{"no text", "far longer than five"}));
}

TEST_F(QuickReplaceCaptureTest, LoopingPairsReplaceOncePerCopy) {
  const std::vector<std::vector<QuickRepItem>> loops = {{{"a", "a"}}, {{"a", "b"}, {"b", "a"}}};
  for (const bool duringWrite : {true, false}) {
    for (const auto& pairs : loops) {
      SCOPED_TRACE(testing::Message() << pairs.size() << " pair(s), during write " << duringWrite);
      workspace.history.DeleteAll();
      workspace.quickRep = pairs;
      host.writes.clear();
      host.echoLater = !duringWrite;
      const std::string replacement = pairs.front().text;
      Change("a");
      EXPECT_EQ(host.writes.size(), 1u);
      EXPECT_EQ(host.clipboard, replacement);
      EXPECT_EQ(Texts(), (std::vector<std::string>{replacement, replacement}));
      // The next copy of the user is replaced again.
      Change("a");
      EXPECT_EQ(host.writes.size(), 2u);
    }
  }
}

// The next copy is replaced again whether the last replacement's own change never reached the
// capture (a viewer ahead posted it on late) or its write failed (it is recorded all the same).
TEST_F(QuickReplaceCaptureTest, TheNextCopyIsReplacedWhateverBecameOfTheLastReplacement) {
  workspace.quickRep = {{"a", "b"}};
  host.echo = false;
  for (const bool locked : {false, true}) {
    SCOPED_TRACE(locked ? "write failed" : "change never arrived");
    workspace.history.DeleteAll();
    host.writes.clear();
    host.locked = locked;
    Change("a");
    EXPECT_EQ(Texts(), std::vector<std::string>{"b"});
    host.locked = false;
    Change("a");
    EXPECT_EQ(host.writes.size(), locked ? 1u : 2u);
    EXPECT_EQ(host.clipboard, "b");
  }
}

TEST(ChainWatch, RejoinsOnceAChangeWentUnnoticedForAWholeInterval) {
  ChainWatch watch;
  watch.Notified(7);
  EXPECT_FALSE(watch.Check(7));
  EXPECT_FALSE(watch.Check(7));

  // A notification that comes between two checks is in time.
  EXPECT_FALSE(watch.Check(8));
  watch.Notified(8);
  EXPECT_FALSE(watch.Check(8));

  // None came: the second check rejoins, and only once for that change.
  EXPECT_FALSE(watch.Check(9));
  EXPECT_TRUE(watch.Check(10));
  EXPECT_FALSE(watch.Check(10));
  EXPECT_FALSE(watch.Check(10));
}

}  // namespace
}  // namespace pelmo
