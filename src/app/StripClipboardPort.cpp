#include "app/StripClipboardPort.h"

#include <cstdint>
#include <utility>

#include "framework/Clipboard.h"
#include "framework/SystemCodePage.h"

namespace pelmo {

namespace {

// The text of the clipboard `clipboard` holds open.
ClipboardRead ReadOpenClipboard(const ClipboardSession& clipboard, bool oem, size_t maxBytes) {
  if (clipboard.AsksNotToBeRecorded()) return ClipboardRead::Private();
  ClipboardRead read;
  using UnicodeText = ClipboardSession::UnicodeText;
  const UnicodeText unicode = clipboard.UnicodeTextSource();
  if (!oem && unicode == UnicodeText::kOwnersFirst) {
    // Read alone and converted here as the system converts it: under Wine, every read of a format
    // that the system makes from another, or of one read already, leaks a block of memory. A
    // character takes at most two units, so this many make at least `maxBytes` ANSI bytes.
    const size_t maxUnits = maxBytes <= SIZE_MAX / 2 ? 2 * maxBytes : SIZE_MAX;
    std::u16string wide = clipboard.ReadWideText(maxUnits);
    read.text = ToSystemAnsi(wide).substr(0, maxBytes);
    if (read.text.size() < maxBytes) read.wide = WideIfLostInAnsi(std::move(wide), read.text);
    return read;
  }
  read.text = clipboard.ReadText(oem ? CF_OEMTEXT : CF_TEXT, maxBytes);
  // A cut text is refused anyway, and a Unicode text the system makes from the ANSI one holds no
  // more than that (and reading it after that one leaks, as above): the wide form is read only
  // when the owner put one.
  const bool ownersUnicode =
      unicode == UnicodeText::kOwnersFirst || unicode == UnicodeText::kOwnersAfterAnsi;
  if (read.text.size() < maxBytes && ownersUnicode)
    read.wide = clipboard.ReadWideTextLostIn(read.text);
  return read;
}

}  // namespace

StripClipboardPort::StripClipboardPort(Workspace& workspace, Strip strip)
    : m_workspace(workspace), m_strip(std::move(strip)) {}

void StripClipboardPort::WriteText(const std::string& text) {
  WriteClipboardText(m_window, text);
}

void StripClipboardPort::PutBack(const HistoryItem& item, bool forced) {
  // Our own write must not come back as a new entry, unless the user wants chosen entries on top.
  const bool own = !m_workspace.options.keepTop || forced;
  if (own) m_capture.SkipNextChange();
  const bool written = WriteClipboardText(m_window, item.text, item.wide);
  if (own) m_capture.OwnWriteDone(written);
}

void StripClipboardPort::CopyAs(const HistoryItem& text, int kind) {
  ClipboardSession clipboard(m_window);
  if (!clipboard.IsOpen()) return;
  m_capture.SetPendingKind(kind);
  // Without the write no change comes to take the kind: the next copy must not get it.
  if (!clipboard.WriteText(text.text, text.wide)) m_capture.SetPendingKind(kPlain);
}

void StripClipboardPort::CopyFromOwnWindow(const HistoryItem& text) {
  // One of our windows is in the foreground now: the copy's capture keeps the window the user
  // came from.
  m_capture.KeepTarget();
  WriteClipboardText(m_window, text.text, text.wide);
}

bool StripClipboardPort::TakeForeground() {
  if (!m_workspace.options.autoFocus) return false;
  HWND foreground = ::GetForegroundWindow();
  if (foreground == m_window) return false;
  // Pasting and Escape go back to the window the user came from.
  m_target = foreground;
  ::SetForegroundWindow(m_window);
  return true;
}

bool StripClipboardPort::ReturnFocus() {
  if (!m_workspace.options.autoFocus || m_strip.listOpen()) return false;
  return GoToTarget(false);
}

void StripClipboardPort::RememberTarget() {
  HWND foreground = ::GetForegroundWindow();
  if (foreground != m_window) m_target = foreground;
}

std::optional<ClipboardRead> StripClipboardPort::ReadClipboard(bool oem, size_t maxBytes,
                                                               unsigned waitMs) {
  ClipboardSession clipboard(m_window, waitMs);
  if (!clipboard.IsOpen()) return std::nullopt;
  // Nobody else changes the clipboard while we hold it open: this is the change that is read.
  const uint32_t sequence = ::GetClipboardSequenceNumber();
  ClipboardRead read = ReadOpenClipboard(clipboard, oem, maxBytes);
  read.sequence = sequence;
  if (const uint32_t after = ::GetClipboardSequenceNumber(); after != sequence)
    read.renderedTo = after;
  return read;
}

bool StripClipboardPort::GoToTarget(bool paste) {
  if (!m_target || !::IsWindow(m_target)) return false;
  ::SetForegroundWindow(m_target);
  if (paste) {
    // Pasted over the selection the text was copied from; no key-up follows.
    ::PostMessageA(m_target, WM_KEYDOWN, VK_CONTROL, 0);
    ::PostMessageA(m_target, WM_KEYDOWN, 'V', 0);
  }
  return true;
}

bool StripClipboardPort::PutReplacement(const std::string& text, bool paste) {
  if (!WriteClipboardText(m_window, text)) return false;
  if (paste) GoToTarget(true);
  return true;
}

}  // namespace pelmo
