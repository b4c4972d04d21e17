#include "app/ClipboardCapture.h"

#include <algorithm>
#include <utility>

#include "model/QuickReplace.h"
#include "web/LinkRecognition.h"

namespace pelmo {

CaptureResult ClipboardCapture::OnChange() {
  return Announced(std::exchange(m_readAnnounced, false) ? Repeat::kMayBe : Repeat::kIfSoon);
}

CaptureResult ClipboardCapture::CaptureNow() {
  return Take(Repeat::kNever);
}

CaptureResult ClipboardCapture::OnHeal() {
  m_readAnnounced = false;
  return Announced(Repeat::kMayBe);
}

CaptureResult ClipboardCapture::Announced(Repeat ifNew) {
  if (m_reading) {
    m_announcedDuringRead = true;
    return CaptureResult::kDeferred;
  }
  // The platform may announce one change twice, or announce it after a read already found it.
  if (m_taken == m_host.ClipboardSequence()) return CaptureResult::kUnchanged;
  return Take(ifNew);
}

CaptureResult ClipboardCapture::Take(Repeat repeat) {
  // A newer change makes a pending read again of an older one pointless: its text is gone.
  StopRetry();
  return TakeAnnouncedDuringRead(TakeOnce(repeat));
}

CaptureResult ClipboardCapture::TakeOnce(Repeat repeat) {
  m_repeat = repeat;
  // When the change may be the last one again, the flags are taken once the read shows that it
  // is not.
  if (repeat != Repeat::kMayBe && TakeSkip(m_host.ClipboardSequence()))
    return CaptureResult::kSkipped;
  const CaptureResult result = ReadAndInsert(kFirstReadWaitMs);
  if (result == CaptureResult::kBusy && m_retryTimer) m_retryTimer->Start(m_retrySchedule.Start());
  return result;
}

CaptureResult ClipboardCapture::TakeAnnouncedDuringRead(CaptureResult result) {
  while (std::exchange(m_announcedDuringRead, false) && m_taken != m_host.ClipboardSequence()) {
    StopRetry();
    TakeOnce(Repeat::kMayBe);
  }
  return result;
}

CaptureResult ClipboardCapture::OnRetryTimer() {
  const CaptureResult result = ReadAndInsert(0);
  if (result == CaptureResult::kBusy) {
    if (const std::optional<unsigned> wait = m_retrySchedule.Next()) {
      m_retryTimer->Start(*wait);
      return result;
    }
  }
  StopRetry();
  return TakeAnnouncedDuringRead(result);
}

void ClipboardCapture::StopRetry() {
  if (m_retryTimer) m_retryTimer->Stop();
}

void ClipboardCapture::OwnWriteDone(bool written) {
  if (!written) {
    m_skipFlag = 0;
    return;
  }
  // A change announced during the write has used the flag up; otherwise the change comes later
  // and is known by the number the write left.
  if (m_skipFlag) m_ownWrite = m_host.ClipboardSequence();
}

bool ClipboardCapture::TakeSkip(uint32_t sequence) {
  if (m_workspace.options.autoFocus && m_rememberFlag) m_host.RememberTarget();
  m_rememberFlag = 1;
  // Only our own write is skipped: a change that another program made after it, before its
  // notification came, is that program's copy.
  const bool own = m_skipFlag != 0 && (!m_ownWrite || *m_ownWrite == sequence);
  m_skipFlag = 0;
  m_ownWrite.reset();
  if (own) {
    m_taken = sequence;
    m_lastContent.reset();  // the clipboard holds our text now, not what the last capture read
  }
  return own;
}

CaptureResult ClipboardCapture::ReadAndInsert(unsigned waitMs) {
  const Settings& options = m_workspace.options;
  m_reading = true;
  std::optional<ClipboardRead> read = m_host.ReadClipboard(options.oem != 0, ReadLimit(), waitMs);
  m_reading = false;
  if (!read) return CaptureResult::kBusy;
  const uint32_t sequence = read->sequence;
  const uint32_t leftAt = read->renderedTo.value_or(sequence);  // what the read left
  m_readAnnounced = read->renderedTo.has_value();
  const uint32_t now = m_host.TickCount();
  const Repeat repeat = m_repeat;  // a retry reads with the repeat rule its change came with
  const bool mayRepeat = repeat == Repeat::kMayBe;
  // The change made by a Quick Replace write is captured but not replaced again: a pair whose
  // text is a shortcut would otherwise replace without end, one clipboard change calling up the
  // next. That change is known by the write running (it may arrive during the write) or by the
  // sequence number the write left, never by "the next change": its notification may never come.
  // It is an entry of its own, also when it brings the text just read.
  const bool ownReplacement = m_replacing || sequence == m_replacementSequence;
  const bool soon = repeat == Repeat::kIfSoon && now - m_lastReadAt < kRepeatMs && !ownReplacement;
  if ((mayRepeat || soon) && m_lastContent && !read->isPrivate &&
      m_lastContent->first == read->text && m_lastContent->second == read->wide) {
    m_taken = leftAt;
    return CaptureResult::kUnchanged;
  }
  if (mayRepeat && TakeSkip(sequence)) return CaptureResult::kSkipped;
  m_taken = leftAt;
  if (read->isPrivate) return CaptureResult::kPrivate;
  if (!ownReplacement) m_lastReadAt = now;
  m_lastContent.emplace(read->text, read->wide);
  std::string text = std::move(read->text);
  // The length limit applies to the text as read, also when Quick Replace swaps it.
  const long long length = static_cast<long long>(text.size());
  // Every rule works on the ANSI text; the wide one only rides along with it into the entry.
  std::u16string wide = std::move(read->wide);
  if (!ownReplacement && QuickReplace(text)) wide.clear();
  RecordLink(text, length);
  if (!TakesText(options, text, length)) return CaptureResult::kIgnored;
  const HistoryItem& entry =
      m_workspace.history.InsertTop(std::move(text), m_pendingKind, std::move(wide));
  if (m_listener && !ownReplacement) m_listener->Captured(entry);
  m_pendingKind = kPlain;
  m_host.SelectNewEntry();
  m_workspace.history.EvictOverflow(options.deleteAfter);
  return CaptureResult::kInserted;
}

// Enough of the text to decide on it: one byte past the length limit, or past the longest Quick
// Replace shortcut when that is longer. A text cut there is over the limit and equals no
// shortcut, so the rest of it does not matter.
size_t ClipboardCapture::ReadLimit() const {
  const Settings& options = m_workspace.options;
  size_t longest = static_cast<size_t>(std::max(options.ignoreMore, 0));
  if (options.quickRep)
    for (const QuickRepItem& pair : m_workspace.quickRep)
      longest = std::max(longest, pair.shortcut.size());
  return longest + 1;
}

bool ClipboardCapture::QuickReplace(std::string& text) {
  const Settings& options = m_workspace.options;
  if (!options.quickRep) return false;
  const QuickRepItem* pair = FindQuickRep(m_workspace.quickRep, text);
  if (!pair) return false;
  text = pair->text;
  m_replacing = true;
  const bool written = m_host.PutReplacement(text, options.autoFocus && options.autoPaste);
  m_replacing = false;
  if (written) {
    m_replacementSequence = m_host.ClipboardSequence();
    m_lastContent.emplace(text, std::u16string());
  }
  return true;
}

// Recognition runs whether or not the text goes into the history, under its own conditions.
void ClipboardCapture::RecordLink(const std::string& text, long long lengthAsRead) {
  const Settings& options = m_workspace.options;
  if (text.empty() || !options.captureHTML || lengthAsRead > options.ignoreMore) return;
  std::string link = ExtractLink(text);
  if (!link.empty()) m_workspace.links.push_front(std::move(link));
}

}  // namespace pelmo
