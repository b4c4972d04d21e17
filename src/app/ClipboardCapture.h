// The capture: what becomes of one clipboard change. It reads the clipboard's text, lets Quick
// Replace and link recognition see it, and puts it at the top of the history. The window that
// receives the change feeds it in and passes the notification on; everything the capture needs
// of the system goes through CaptureHost, so its rules run without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "app/RetrySchedule.h"
#include "model/Workspace.h"

namespace pelmo {

// What one read of the clipboard found.
struct ClipboardRead {
  static ClipboardRead Private() {
    return {std::string(), true, std::u16string(), 0, std::nullopt};
  }

  std::string text;
  // The content carries a mark asking clipboard tools not to record it (a password manager's
  // secret); the text is then not read at all.
  bool isPrivate = false;
  // The same text in UTF-16 when the ANSI `text` lost characters of it, otherwise empty; read in
  // the same session, only for a text that was not cut.
  std::u16string wide;
  // The clipboard's sequence number while it was open for this read: the change that was read.
  uint32_t sequence = 0;
  // The number moved while the clipboard was open: its owner rendered a format on demand, and the
  // system announces that as a change when the clipboard closes. Only the sequence number as the
  // read left it counts then.
  std::optional<uint32_t> renderedTo;
};

class CaptureHost {
 public:
  virtual ~CaptureHost() = default;
  // Remembers the foreground window (unless it is the program's own) as the paste target.
  virtual void RememberTarget() = 0;
  // The clipboard's text in the chosen format, empty when it holds none, cut after `maxBytes`
  // (a huge text is never copied whole); nullopt when another program holds the clipboard open
  // for longer than `waitMs`.
  virtual std::optional<ClipboardRead> ReadClipboard(bool oem, size_t maxBytes,
                                                     unsigned waitMs) = 0;
  // A new entry was inserted as row 0.
  virtual void SelectNewEntry() = 0;
  // The clipboard's sequence number, which moves with every change.
  virtual uint32_t ClipboardSequence() = 0;
  // Milliseconds since some fixed moment; only differences count.
  virtual uint32_t TickCount() = 0;
  // Quick Replace: puts the replacement on the clipboard and then, with `paste` and a remembered
  // target that still exists, brings the target to the foreground and posts it Ctrl+V. False,
  // pasting nothing, when the clipboard could not be written.
  virtual bool PutReplacement(const std::string& text, bool paste) = 0;
};

// The timer that reads a held clipboard again: OnRetryTimer is to be called `ms` after Start.
class RetryTimer {
 public:
  virtual ~RetryTimer() = default;
  virtual void Start(unsigned ms) = 0;
  virtual void Stop() = 0;
};

// Told of every entry made from another program's copy, never of the program's own writes.
class CaptureListener {
 public:
  virtual ~CaptureListener() = default;
  virtual void Captured(const HistoryItem& entry) = 0;
};

enum class CaptureResult {
  kUnchanged,  // nothing new since the last change taken in: a change announced twice, or late
  kDeferred,   // announced while a read runs, which may run messages: taken in after that read
  kSkipped,    // the change was the program's own write
  kBusy,       // the clipboard could not be opened: it is read again on the retry timer
  kIgnored,    // empty, or longer than the length limit
  kPrivate,    // marked not to be recorded: nothing is done with it
  kInserted,   // a new entry at the top of the history
};

class ClipboardCapture {
 public:
  // Faster than anyone copies one text twice on purpose, slower than the platform's repeats.
  static constexpr uint32_t kRepeatMs = 200;
  // How long a change's first read waits for a program that holds the clipboard: one that reads
  // or writes a change holds it for moments, and the change may be gone after the timer's wait.
  // Later reads, on the timer, do not wait: the strip goes on working meanwhile.
  static constexpr unsigned kFirstReadWaitMs = 20;

  ClipboardCapture(Workspace& workspace, CaptureHost& host)
      : m_workspace(workspace), m_host(host) {}

  // Set once by the window that runs the timer; without one, a held clipboard is not read again.
  void UseRetryTimer(RetryTimer* timer) { m_retryTimer = timer; }
  void UseListener(CaptureListener* listener) { m_listener = listener; }

  // A clipboard change was announced. Each change is taken in once: a notification that comes
  // after a read already found its change, or that repeats one, brings nothing. One copy may
  // also come as two changes in a row (Wine imports an X copy twice when it held the selection
  // itself, and reads an X copy for the change before it when the copies come fast): a change
  // that brings the text of the one before it, announced while that one was read or within
  // kRepeatMs of it, is that copy again.
  CaptureResult OnChange();
  // Takes in the clipboard as it is now, as if it had just changed.
  CaptureResult CaptureNow();
  // The viewer chain was joined again because the clipboard moved without a notification. That
  // is not proof of a lost change (an owner rendering a format on demand moves the number too):
  // a clipboard that still holds what the last change left there is not taken in again.
  CaptureResult OnHeal();
  // The retry timer fired: reads a clipboard that was held again; the target and the flags were
  // dealt with when the change arrived.
  CaptureResult OnRetryTimer();

  // The program writes the clipboard now; that change is not captured. OwnWriteDone follows the
  // write, whose change may have been announced during it or may come later.
  void SkipNextChange() {
    m_skipFlag = 1;
    m_ownWrite.reset();
  }
  void OwnWriteDone(bool written);
  // The next entry created gets this kind (concatenated, dropped files).
  void SetPendingKind(int kind) { m_pendingKind = kind; }
  // The next change keeps the remembered target (a copy made from one of our own windows).
  void KeepTarget() { m_rememberFlag = 0; }

 private:
  // Whether a change that brings the text the last one did is that change again.
  enum class Repeat {
    kMayBe,   // it may be: a heal, or an announcement during a read or after a render
    kIfSoon,  // when it comes within kRepeatMs: any other announcement
    kNever,   // taken in whatever it holds: the clipboard as it is now
  };
  // An announced change: deferred during a read, nothing when already taken in, else Take.
  CaptureResult Announced(Repeat ifNew);
  // Takes in the change that arrived, then those announced while it was read.
  CaptureResult Take(Repeat repeat);
  // Reads the change that arrived, or schedules its reads again while the clipboard is held.
  CaptureResult TakeOnce(Repeat repeat);
  CaptureResult TakeAnnouncedDuringRead(CaptureResult result);
  // The flags a change uses up: remembers the target and says whether the change is our own write.
  bool TakeSkip(uint32_t sequence);
  CaptureResult ReadAndInsert(unsigned waitMs);
  size_t ReadLimit() const;
  // True when the text was replaced.
  bool QuickReplace(std::string& text);
  // Puts the address the text holds at the head of the captured links.
  void RecordLink(const std::string& text, long long lengthAsRead);
  void StopRetry();

  Workspace& m_workspace;
  CaptureHost& m_host;
  RetryTimer* m_retryTimer = nullptr;
  CaptureListener* m_listener = nullptr;
  RetrySchedule m_retrySchedule;
  int m_pendingKind = kPlain;
  int m_rememberFlag = 1;
  int m_skipFlag = 0;
  // The sequence number our own write left, once the write is done and its change has not come.
  std::optional<uint32_t> m_ownWrite;
  Repeat m_repeat = Repeat::kIfSoon;  // for the change being read
  bool m_reading = false;  // the host reads the clipboard, and may run messages meanwhile
  bool m_announcedDuringRead = false;
  // A read moved the sequence number: the change the system announces for it is what was read.
  bool m_readAnnounced = false;
  // The sequence number of the last change taken in (read, or skipped as our own write).
  std::optional<uint32_t> m_taken;
  // What the last capture left on the clipboard: the text as read, or the replacement written.
  std::optional<std::pair<std::string, std::u16string>> m_lastContent;
  uint32_t m_lastReadAt = 0;  // when the last change from another program was read
  bool m_replacing = false;   // a Quick Replace write of ours runs
  std::optional<uint32_t> m_replacementSequence;  // the clipboard as that write left it
};

}  // namespace pelmo
