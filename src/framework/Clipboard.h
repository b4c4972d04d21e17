// The program's clipboard access: one session at a time, closed whatever happens.
#pragma once

#include <windows.h>

#include <string>

namespace pelmo {

class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
  // Waits up to `waitMs` for another program to let go of the clipboard: one that reads or writes
  // a change holds it only for moments, and the change may be gone after a longer wait.
  ClipboardSession(HWND owner, unsigned waitMs);
  ~ClipboardSession() {
    if (m_open) ::CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  bool IsOpen() const { return m_open; }
  // The text of a format, empty when the clipboard holds none; at most `maxBytes` of it, and only
  // those are read.
  std::string ReadText(UINT format, size_t maxBytes = std::string::npos) const;
  // Whether the content carries a mark with which password managers ask clipboard tools not to
  // record it: the formats "ExcludeClipboardContentFromMonitorProcessing" and
  // "Clipboard Viewer Ignore", or "CanIncludeInClipboardHistory" holding a DWORD 0.
  bool AsksNotToBeRecorded() const;
  // Empties the clipboard and hands it a shareable block of the text plus its zero as CF_TEXT.
  // False when the block could not be made (the clipboard is then left empty).
  bool WriteText(const std::string& text) const;

  // Where the clipboard's CF_UNICODETEXT comes from: its owner put it there before any ANSI form of
  // the text (the system then makes that from it on request), or after one, or the system makes
  // it from the ANSI text.
  enum class UnicodeText { kNone, kOwnersFirst, kOwnersAfterAnsi, kMadeFromAnsi };
  UnicodeText UnicodeTextSource() const;
  // The clipboard's CF_UNICODETEXT, empty when it holds none; at most `maxUnits` of it.
  std::u16string ReadWideText(size_t maxUnits = std::u16string::npos) const;
  // The clipboard's CF_UNICODETEXT when `ansi`, its text just read, is that text in the ANSI code
  // page and lost characters of it; empty otherwise (no Unicode text, nothing lost, or a text
  // that has changed since `ansi` was read).
  std::u16string ReadWideTextLostIn(const std::string& ansi) const;
  // WriteText of `ansi`, the text's ANSI form, and then, for a text that the ANSI code page could
  // not hold (`wide` not empty), the text itself as CF_UNICODETEXT, so that every program pastes
  // the best form it reads.
  bool WriteText(const std::string& ansi, const std::u16string& wide) const;

 private:
  bool m_open;
};

// Opens, writes CF_TEXT (and CF_UNICODETEXT for a text with a `wide` form) and closes; false when
// the clipboard could not be opened.
bool WriteClipboardText(HWND owner, const std::string& text, const std::u16string& wide = {});

}  // namespace pelmo
