#include "app/ClipboardCapture.h"

#include <algorithm>

#include "tools/QuickReplace.h"
#include "web/LinkRecognition.h"

namespace pelmo {

CaptureResult ClipboardCapture::OnChange() {
  if (m_workspace.options.autoFocus && m_rememberFlag) m_host.RememberTarget();
  m_rememberFlag = 1;
  if (m_skipFlag) {
    m_skipFlag = 0;
    return CaptureResult::kSkipped;
  }
  return ReadAndInsert();
}

CaptureResult ClipboardCapture::Retry() {
  return ReadAndInsert();
}

CaptureResult ClipboardCapture::ReadAndInsert() {
  const Settings& options = m_workspace.options;
  std::optional<ClipboardRead> read = m_host.ReadClipboard(options.oem != 0, ReadLimit());
  if (!read) return CaptureResult::kBusy;
  if (read->isPrivate) return CaptureResult::kPrivate;
  std::string text = std::move(read->text);
  // The length limit applies to the text as read, also when Quick Replace swaps it.
  const long long length = static_cast<long long>(text.size());
  // Every rule works on the ANSI text; the wide one only rides along with it into the entry.
  std::u16string wide = std::move(read->wide);
  if (QuickReplace(text)) wide.clear();
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

bool ClipboardCapture::QuickReplace(std::string& text) {
  // The change made by a replacement is captured but not replaced again: a pair whose text is a
  // shortcut would otherwise replace without end, one clipboard change calling up the next.
  if (m_replacedFlag) {
    m_replacedFlag = 0;
    return false;
  }
  const Settings& options = m_workspace.options;
  if (!options.quickRep) return false;
  const QuickRepItem* pair = FindQuickRep(m_workspace.quickRep, text);
  if (!pair) return false;
  text = pair->text;
  // Set before the write, whose change may arrive (and be captured) while the write runs.
  m_replacedFlag = 1;
  if (!m_host.PutReplacement(text, options.autoFocus && options.autoPaste)) m_replacedFlag = 0;
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
