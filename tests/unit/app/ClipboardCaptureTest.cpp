#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

#include "../TestSupport.h"
#include "app/ChainWatch.h"
#include "app/ClipboardCapture.h"
#include "app/RetrySchedule.h"

namespace pelmo {
namespace {

using Rows = std::vector<std::string>;
using Clip = std::optional<std::string>;

// The clipboard and the window effects; nullopt is a clipboard that another program holds open.
// With `echo`, a replacement's write is itself a clipboard change: it reaches the capture while
// the write runs (as our own writes do) or, with `echoLater`, when Change delivers it.
class FakeHost : public CaptureHost {
 public:
  // A runaway replacement loop is cut off here, so that it shows as a failure, not a hang.
  static constexpr size_t kMaxWrites = 20;

  void RememberTarget() override { ++remembered; }
  std::optional<ClipboardRead> ReadClipboard(bool, size_t maxBytes, unsigned) override {
    lastLimit = maxBytes;
    if (!clipboard) return std::nullopt;
    ClipboardRead read = markedPrivate
                             ? ClipboardRead::Private()
                             : ClipboardRead{clipboard->substr(0, maxBytes), false, wide, 0, {}};
    read.sequence = sequence;
    if (rendering) read.renderedTo = ++sequence;
    // What happens while the read runs messages or closes the clipboard, once.
    if (const auto during = std::exchange(duringRead, nullptr)) during();
    return read;
  }
  void SelectNewEntry() override { ++selected; }
  uint32_t ClipboardSequence() override { return sequence; }
  uint32_t TickCount() override { return now += ClipboardCapture::kRepeatMs; }
  bool PutReplacement(const std::string& text, bool paste) override {
    if (locked) return false;
    clipboard = text;
    ++sequence;
    writes.push_back(paste ? text + " (pasted)" : text);
    const bool echoes = echo && writes.size() < kMaxWrites;
    if (echoes && echoLater) ++undelivered;
    if (echoes && !echoLater) capture->OnChange();
    return true;
  }

  ClipboardCapture* capture = nullptr;
  std::function<void()> duringRead;
  Clip clipboard;
  std::u16string wide;  // what the clipboard offers beyond its ANSI text
  uint32_t sequence = 0;
  uint32_t now = 0;  // each look at the clock is a while after the last, unless set back
  bool markedPrivate = false, echo = false, echoLater = false, rendering = false,
       locked = false;  // locked: writes fail
  int undelivered = 0, remembered = 0, selected = 0;
  Rows writes;           // the replacements written, each marked when it is to be pasted
  size_t lastLimit = 0;  // the last read's; 0 before the first
};

// The retry timer's state: the wait it was started with, 0 when stopped.
struct FakeTimer : RetryTimer {
  void Start(unsigned ms) override { wait = ms; }
  void Stop() override { wait = 0; }
  unsigned wait = 0;
};

class ClipboardCaptureTest : public ::testing::Test {
 protected:
  ClipboardCaptureTest() {
    host.capture = &capture;
    capture.UseRetryTimer(&timer);
  }
  // Another program changes the clipboard; its notification has not come yet.
  void Copied(Clip text) {
    host.clipboard = std::move(text);
    ++host.sequence;
  }
  // The clipboard changes to `text`; every change that follows from it is delivered.
  CaptureResult Change(Clip text) {
    Copied(std::move(text));
    const CaptureResult result = capture.OnChange();
    for (; host.undelivered > 0; --host.undelivered) capture.OnChange();
    return result;
  }
  // Our own write of `text`, announced later (or, after Announced, during the write).
  void OwnWrite(const char* text, bool announced = false) {
    capture.SkipNextChange();
    announced ? (void)Change(text) : Copied(text);
    capture.OwnWriteDone(true);
  }
  // A read from an owner that renders on demand, which moves the number during the read.
  void Rendered(const char* text) {
    host.rendering = true;
    Change(text);
    host.rendering = false;
  }
  CaptureResult Retry(Clip text) {
    host.clipboard = std::move(text);
    return capture.OnRetryTimer();
  }
  Rows Texts() const { return workspace.history.Texts(); }
  void Restart() {
    workspace.history.DeleteAll();
    host.writes.clear();
  }

  Workspace workspace{"C:\\pelmo\\Pelmo.exe"};
  Settings& options = workspace.options;
  FakeHost host;
  FakeTimer timer;
  ClipboardCapture capture{workspace, host};
};

TEST_F(ClipboardCaptureTest, InsertsNewestFirstWithinTheLimitAndEvictsOnePerChange) {
  options.ignoreMore = 5;
  options.deleteAfter = 3;
  capture.SetPendingKind(kConcatenated);  // for the next entry created, and that one only
  EXPECT_EQ(Change(""), CaptureResult::kIgnored);
  EXPECT_EQ(Change("123456"), CaptureResult::kIgnored) << "one byte over the limit";
  EXPECT_EQ(Change("one"), CaptureResult::kInserted);
  EXPECT_EQ(Change("one"), CaptureResult::kInserted) << "equal texts are added again";
  EXPECT_EQ(Change("12345"), CaptureResult::kInserted) << "exactly at the limit";
  EXPECT_EQ(Texts(), (Rows{"12345", "one", "one"}));
  EXPECT_EQ(workspace.history.At(1).kind, kPlain);
  EXPECT_EQ(host.selected, 3);

  // A smaller maximum takes effect one entry per change, never all at once.
  options.deleteAfter = 1;
  Change("two");
  EXPECT_EQ(Texts(), (Rows{"two", "12345", "one"}));
}

// Our own write is skipped unread, whether its notification comes during the write or after it;
// a copy that another program made before that notification came is that program's.
TEST_F(ClipboardCaptureTest, OnlyOurOwnWriteIsSkipped) {
  OwnWrite("own write", true);
  EXPECT_EQ(capture.OnChange(), CaptureResult::kUnchanged);
  EXPECT_EQ(host.lastLimit, 0u) << "skipped unread";
  EXPECT_EQ(Change("next"), CaptureResult::kInserted);

  OwnWrite("own write, announced later");
  EXPECT_EQ(capture.OnChange(), CaptureResult::kSkipped);

  OwnWrite("own write, overtaken");
  Copied("another program's copy");
  EXPECT_EQ(capture.OnChange(), CaptureResult::kInserted);
  EXPECT_EQ(capture.OnChange(), CaptureResult::kUnchanged) << "that copy's own notification";

  capture.SkipNextChange();
  capture.OwnWriteDone(false);
  EXPECT_EQ(Change("written by nobody"), CaptureResult::kInserted);
}

// However its notification comes: twice, while another change is read, or after a read found it.
TEST_F(ClipboardCaptureTest, EachChangeIsTakenInOnce) {
  Change("a");
  host.duringRead = [&] { Copied("b"); };
  Change("a2");
  EXPECT_EQ(capture.OnChange(), CaptureResult::kInserted) << "b, copied while a2 was read";

  // A read may run messages: a notification that comes meanwhile is taken in after it, and one
  // copy announced twice in a row (the second time during the read) makes one entry.
  host.duringRead = [&] {
    Copied("c");
    EXPECT_EQ(capture.OnChange(), CaptureResult::kDeferred);
  };
  Change("b2");
  host.duringRead = [&] {
    ++host.sequence;
    capture.OnChange();
  };
  EXPECT_EQ(Change("d"), CaptureResult::kInserted);

  // X's copy may be read for the change before its own: that change brings it once more at once.
  // Delete Rest takes in what the clipboard holds, however soon.
  Change("t");
  host.now -= 1;  // the next look at the clock is just within kRepeatMs of this read
  EXPECT_EQ(Change("t"), CaptureResult::kUnchanged);
  EXPECT_EQ(Change("t"), CaptureResult::kInserted) << "copied again a while later";
  host.now -= 1;
  EXPECT_EQ(capture.CaptureNow(), CaptureResult::kInserted) << "Delete Rest";

  // An owner that renders on demand moves the number during the read, and the system announces a
  // change as the read closes the clipboard, sometimes moving the number once more.
  Rendered("r");
  EXPECT_EQ(capture.OnChange(), CaptureResult::kUnchanged);
  EXPECT_EQ(Change("r"), CaptureResult::kInserted) << "copied again";
  Rendered("s");
  ++host.sequence;
  EXPECT_EQ(capture.OnChange(), CaptureResult::kUnchanged);

  // A held clipboard is read again on the timer; a newer change ends that, and a change that a
  // read again took in is not taken again when it is announced.
  EXPECT_EQ(Change(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(timer.wait, 10u);
  EXPECT_EQ(Change("e"), CaptureResult::kInserted);
  EXPECT_EQ(timer.wait, 0u);
  EXPECT_EQ(Change(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(capture.OnRetryTimer(), CaptureResult::kBusy);
  EXPECT_EQ(timer.wait, 20u);
  Copied("f");
  EXPECT_EQ(capture.OnRetryTimer(), CaptureResult::kInserted);
  EXPECT_EQ(timer.wait, 0u);
  EXPECT_EQ(capture.OnChange(), CaptureResult::kUnchanged) << "f's own notification";
  EXPECT_EQ(Texts(),
            (Rows{"f", "e", "s", "r", "r", "t", "t", "t", "d", "c", "b2", "b", "a2", "a"}));
}

TEST(RetryScheduleTest, WaitsLongerEachTimeUntilTenSecondsAfterTheChange) {
  RetrySchedule schedule;
  std::vector<unsigned> waits{schedule.Start()};
  while (const std::optional<unsigned> wait = schedule.Next()) waits.push_back(*wait);
  EXPECT_EQ(waits,
            (std::vector<unsigned>{10, 20, 40, 80, 160, 320, 640, 1280, 2000, 2000, 2000, 1450}));
  EXPECT_EQ(schedule.Start(), 10u) << "the next change starts again";
}

// A heal joins the chain again when the sequence number moved without a notification, which an
// owner rendering on demand also causes: what the last change left is not taken in twice, but a
// copy whose notification the chain swallowed is, also of a text read before our own write.
TEST_F(ClipboardCaptureTest, AHealTakesInOnlyAChangeThatWasMissed) {
  options.autoFocus = options.captureHTML = options.quickRep = 1;
  workspace.quickRep = {{"sig", "Best regards"}};
  host.wide = u"www.a.com λ";
  Change("www.a.com ?");
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kUnchanged) << "nothing moved";
  ++host.sequence;
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kUnchanged) << "the last read is still there";
  host.wide.clear();
  Change("sig");
  ++host.sequence;
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kUnchanged) << "the replacement is still there";
  EXPECT_EQ(Texts(), (Rows{"Best regards", "www.a.com ?"}));
  EXPECT_EQ(workspace.links.size(), 1u);
  EXPECT_EQ(host.writes.size(), 1u);
  EXPECT_EQ(host.remembered, 2) << "only the copies took the target, not the heals";

  Copied("sig");
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kInserted);
  EXPECT_EQ(host.writes.size(), 2u);
  EXPECT_EQ(host.remembered, 3);

  // Greek and Russian text both read as question marks in ANSI: the wide text tells them apart.
  host.wide = u"λ";
  Change("?");
  host.wide = u"л";
  ++host.sequence;
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kInserted);
  host.wide.clear();

  Change("g");
  OwnWrite("put back", true);
  Copied("g");
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kInserted) << "g again, after our own write";

  // A heal that found the clipboard held ends with the next change, which is a new one even when
  // it brings the text the last change did.
  Copied(std::nullopt);
  EXPECT_EQ(capture.OnHeal(), CaptureResult::kBusy);
  const int before = host.remembered;
  EXPECT_EQ(Change("g"), CaptureResult::kInserted);
  EXPECT_EQ(host.remembered, before + 1);
}

TEST_F(ClipboardCaptureTest, PutsEveryRecognisedLinkAtTheHeadWithinItsOwnConditions) {
  options.captureHTML = 1;
  Change("see http://example.com/a.html now");
  Change("no address here");
  Change("again http://example.com/b.html");
  options.ignoreMore = 20;
  Change("www.example.com/12345");  // one byte over the limit
  Change("www.example.com/1234");
  options.captureHTML = 0;
  Change("www.example.com/6789");
  EXPECT_EQ(workspace.links,
            (std::deque<std::string>{"www.example.com/1234", "http://example.com/b.html",
                                     "http://example.com/a.html"}));
}

// A change marked private leaves no trace, also on retries; a busy clipboard is read again on
// retry only. The pending kind waits through both for a real entry.
TEST_F(ClipboardCaptureTest, PrivateAndBusyChanges) {
  options.autoFocus = options.captureHTML = options.quickRep = 1;
  workspace.quickRep = {{"http://example.com/pw", "replaced"}};
  capture.SetPendingKind(kConcatenated);
  host.markedPrivate = true;
  EXPECT_EQ(Change("http://example.com/pw"), CaptureResult::kPrivate);
  EXPECT_EQ(Retry(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(Retry("http://example.com/pw"), CaptureResult::kPrivate) << "retries see the mark";
  EXPECT_TRUE(workspace.history.Count() == 0 && workspace.links.empty() && host.writes.empty());

  host.markedPrivate = false;
  EXPECT_EQ(Change(std::nullopt), CaptureResult::kBusy);
  EXPECT_EQ(Retry("held a moment"), CaptureResult::kInserted);
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated);
  EXPECT_EQ(host.remembered, 2) << "the target is taken when a change arrives, not on retries";
}

// The rules see the ANSI text (one '?' per lost character), read one byte past the limit; the
// entry keeps the wide text too, unless Quick Replace put its own text in place of what was copied.
TEST_F(ClipboardCaptureTest, TheRulesReadTheAnsiTextAsFarAsItDecidesAndTheEntryKeepsTheWideOne) {
  options.ignoreMore = 5;
  Change(std::string(100000, 'x'));
  EXPECT_EQ(host.lastLimit, 6u) << "one byte past the limit";
  host.wide = u"λόγ";  // 6 bytes in UTF-8, 3 in ANSI
  EXPECT_EQ(Change("???"), CaptureResult::kInserted);
  EXPECT_EQ(test::Shown(workspace.history.At(0)), "??? | λόγ");

  // A Quick Replace shortcut longer than the limit is still recognised, and a longer text that
  // begins with it is not taken for it.
  options.quickRep = 1;
  workspace.quickRep = {{"???", "abc"}, {"0123456789", "sig"}};
  Change("???");
  EXPECT_EQ(test::Shown(workspace.history.At(0)), "abc") << "the replacement has no wide text";
  EXPECT_EQ(Change("0123456789 and more"), CaptureResult::kIgnored);
  EXPECT_EQ(host.writes.size(), 1u);
  Change("0123456789");
  EXPECT_EQ(host.writes.size(), 2u);
}

// The Quick Replace step, whose writes come back as clipboard changes.
class QuickReplaceCaptureTest : public ClipboardCaptureTest {
 protected:
  QuickReplaceCaptureTest() {
    options.quickRep = 1;
    host.echo = true;
    capture.UseListener(&shared);
  }
  // What is shared with other computers: the copies of other programs, not our own writes.
  struct : CaptureListener {
    void Captured(const HistoryItem& entry) override { told.push_back(entry.text); }
    Rows told;
  } shared;
};

TEST_F(QuickReplaceCaptureTest, TheReplacementIsWrittenPastedOnRequestAndRecorded) {
  workspace.quickRep = {{"sig", "Best regards"}};
  // QuickRep, AutoFocus, AutoPaste, and the writes.
  const std::tuple<int, int, int, Rows> cases[] = {{0, 1, 1, {}},
                                                   {1, 0, 1, {"Best regards"}},
                                                   {1, 1, 0, {"Best regards"}},
                                                   {1, 1, 1, {"Best regards (pasted)"}}};
  for (const auto& [quickRep, autoFocus, autoPaste, writes] : cases) {
    SCOPED_TRACE(testing::Message() << quickRep << autoFocus << autoPaste);
    Restart();
    options.quickRep = quickRep;
    options.autoFocus = autoFocus;
    options.autoPaste = autoPaste;
    Change("sig");
    EXPECT_EQ(host.writes, writes);
    // The write's own change is captured as well as the replaced copy.
    EXPECT_EQ(Texts(), (quickRep ? Rows{"Best regards", "Best regards"} : Rows{"sig"}));
    EXPECT_EQ(shared.told, Rows{Texts().back()});
    shared.told.clear();
  }
}

TEST_F(QuickReplaceCaptureTest, TheLengthLimitTestsTheTextAsRead) {
  options.ignoreMore = 5;
  workspace.quickRep = {{"long", "far longer than five"}, {"toolong", "ok"}, {"", "no text"}};
  host.locked = true;  // only the copied texts reach the capture
  Change("long");
  Change("toolong");
  Change("");  // a change without text
  EXPECT_EQ(Texts(), (Rows{"no text", "far longer than five"}));
}

// Looping pairs too: the replacement's own change is captured, not replaced, however it comes.
TEST_F(QuickReplaceCaptureTest, EachCopyIsReplacedOnce) {
  const std::vector<QuickRepItem> same = {{"a", "a"}}, swap = {{"a", "b"}, {"b", "a"}};
  // The pairs; whether the write's change arrives, and later; whether the write fails.
  const std::tuple<const char*, std::vector<QuickRepItem>, bool, bool, bool> cases[] = {
      {"a to a, during the write", same, true, false, false},
      {"a to a, later", same, true, true, false},
      {"a to b to a, during the write", swap, true, false, false},
      {"a to b to a, later", swap, true, true, false},
      {"change never arrived", {{"a", "b"}}, false, false, false},
      {"write failed", {{"a", "b"}}, false, false, true}};
  for (const auto& [name, pairs, echo, echoLater, locked] : cases) {
    SCOPED_TRACE(name);
    Restart();
    workspace.quickRep = pairs;
    host.echo = echo;
    host.echoLater = echoLater;
    host.locked = locked;
    Change("a");
    const std::string replacement = pairs.front().text;
    EXPECT_EQ(Texts(), (echo ? Rows{replacement, replacement} : Rows{replacement}));
    EXPECT_EQ(host.writes.size(), locked ? 0u : 1u);
    // A write that failed left the user's copy there, a shortcut still.
    if (locked) {
      capture.CaptureNow();
      EXPECT_EQ(Texts().front(), replacement);
    }
    host.locked = false;
    Change("a");  // the next copy of the user is replaced again
    EXPECT_EQ(host.writes.size(), locked ? 1u : 2u);
  }
}

TEST(ChainWatch, RejoinsOnceAChangeWentUnnoticedForAWholeInterval) {
  ChainWatch watch;
  watch.Notified(7);
  EXPECT_FALSE(watch.Check(7) || watch.Check(7));

  // A notification that comes between two checks is in time.
  EXPECT_FALSE(watch.Check(8));
  watch.Notified(8);
  EXPECT_FALSE(watch.Check(8));

  // None came: the second check rejoins, and only once for that change.
  EXPECT_FALSE(watch.Check(9));
  EXPECT_TRUE(watch.Check(10));
  EXPECT_FALSE(watch.Check(10) || watch.Check(10));
}

}  // namespace
}  // namespace pelmo
