#include "app/ClipboardCapture.h"

#include <algorithm>

#include "model/QuickReplace.h"
#include "web/LinkRecognition.h"

namespace pelmo {

CaptureResult ClipboardCapture::OnChange() {
  m_healing = false;
  if (TakeSkip()) return CaptureResult::kSkipped;
  return ReadAndInsert();
}

CaptureResult ClipboardCapture::OnHeal() {
  // The flags are taken once the read shows that there is a change at all.
  m_healing = true;
  return ReadAndInsert();
}

bool ClipboardCapture::TakeSkip() {
  if (m_workspace.options.autoFocus && m_rememberFlag) m_host.RememberTarget();
  m_rememberFlag = 1;
  const bool skip = m_skipFlag != 0;
  m_skipFlag = 0;
  return skip;
}

CaptureResult ClipboardCapture::Retry() {
  return ReadAndInsert();
}

CaptureResult ClipboardCapture::ReadAndInsert() {
  const Settings& options = m_workspace.options;
  // Taken before the read: reading may have the owner render the text, which moves it too.
  const uint32_t sequence = m_host.ClipboardSequence();
  std::optional<ClipboardRead> read = m_host.ReadClipboard(options.oem != 0, ReadLimit());
  if (!read) return CaptureResult::kBusy;
  if (m_healing) {
    m_healing = false;
    if (m_lastContent && !read->isPrivate && m_lastContent->first == read->text &&
        m_lastContent->second == read->wide)
      return CaptureResult::kSkipped;
    if (TakeSkip()) return CaptureResult::kSkipped;
  }
  if (read->isPrivate) return CaptureResult::kPrivate;
  m_lastContent.emplace(read->text, read->wide);
  std::string text = std::move(read->text);
  // The length limit applies to the text as read, also when Quick Replace swaps it.
  const long long length = static_cast<long long>(text.size());
  // Every rule works on the ANSI text; the wide one only rides along with it into the entry.
  std::u16string wide = std::move(read->wide);
  if (QuickReplace(text, sequence)) wide.clear();
  RecordLink(text, length);
  if (text.empty() || length > options.ignoreMore) return CaptureResult::kIgnored;
  m_workspace.history.InsertTop(std::move(text), m_pendingKind, std::move(wide));
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

bool ClipboardCapture::QuickReplace(std::string& text, uint32_t sequence) {
  // The change made by a replacement is captured but not replaced again: a pair whose text is a
  // shortcut would otherwise replace without end, one clipboard change calling up the next. That
  // change is known by the write running (it may arrive during the write) or by the sequence
  // number the write left, never by "the next change": its notification may never come.
  if (m_replacing || sequence == m_replacementSequence) return false;
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
