#include "framework/Clipboard.h"

#include <algorithm>
#include <cstring>

#include "framework/SystemCodePage.h"

namespace pelmo {

namespace {

// Hands the clipboard a shareable block holding `bytes` bytes of `data` in `format`.
bool HandOver(UINT format, const void* data, size_t bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (!block) return false;
  void* memory = ::GlobalLock(block);
  if (!memory) {
    ::GlobalFree(block);
    return false;
  }
  std::memcpy(memory, data, bytes);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(format, block)) {
    ::GlobalFree(block);  // still ours when the clipboard did not take it
    return false;
  }
  return true;
}

}  // namespace

ClipboardSession::ClipboardSession(HWND owner, unsigned waitMs) : ClipboardSession(owner) {
  for (const DWORD start = ::GetTickCount(); !m_open && ::GetTickCount() - start < waitMs;) {
    ::Sleep(1);
    m_open = ::OpenClipboard(owner) != FALSE;
  }
}

std::string ClipboardSession::ReadText(UINT format, size_t maxBytes) const {
  if (!m_open) return std::string();
  HANDLE data = ::GetClipboardData(format);
  if (!data) return std::string();
  const auto* text = static_cast<const char*>(::GlobalLock(data));
  if (!text) return std::string();
  // The block may be larger than the text, and a broken writer may leave out the zero.
  const size_t size = ::GlobalSize(data);
  std::string result(text, strnlen(text, std::min(size, maxBytes)));
  ::GlobalUnlock(data);
  return result;
}

bool ClipboardSession::AsksNotToBeRecorded() const {
  static const UINT exclude =
      ::RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
  static const UINT viewerIgnore = ::RegisterClipboardFormatA("Clipboard Viewer Ignore");
  static const UINT canInclude = ::RegisterClipboardFormatA("CanIncludeInClipboardHistory");
  if (::IsClipboardFormatAvailable(exclude) || ::IsClipboardFormatAvailable(viewerIgnore))
    return true;
  if (!::IsClipboardFormatAvailable(canInclude)) return false;
  // A mark that cannot be read counts as a refusal: recording a secret cannot be undone.
  HANDLE data = ::GetClipboardData(canInclude);
  if (!data || ::GlobalSize(data) < sizeof(DWORD)) return true;
  const auto* allowed = static_cast<const DWORD*>(::GlobalLock(data));
  if (!allowed) return true;
  const bool refused = *allowed == 0;
  ::GlobalUnlock(data);
  return refused;
}

bool ClipboardSession::WriteText(const std::string& text) const {
  if (!m_open) return false;
  ::EmptyClipboard();
  return HandOver(CF_TEXT, text.c_str(), text.size() + 1);
}

ClipboardSession::UnicodeText ClipboardSession::UnicodeTextSource() const {
  // The formats come in the order the owner put them there; those the system makes from the text
  // come after them, the locale and the OEM text before the Unicode text. An owner that put its
  // Unicode text after both of those is taken as one that did not put it.
  bool ansi = false, locale = false, oem = false;
  for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format)) {
    if (format == CF_UNICODETEXT) {
      if (!ansi) return UnicodeText::kOwnersFirst;
      return locale && oem ? UnicodeText::kMadeFromAnsi : UnicodeText::kOwnersAfterAnsi;
    }
    ansi = ansi || format == CF_TEXT;
    oem = oem || format == CF_OEMTEXT;
    locale = locale || format == CF_LOCALE;
  }
  return UnicodeText::kNone;
}

std::u16string ClipboardSession::ReadWideText(size_t maxUnits) const {
  if (!m_open) return std::u16string();
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::u16string();
  const auto* units = static_cast<const char16_t*>(::GlobalLock(data));
  if (!units) return std::u16string();
  const size_t capacity = std::min<size_t>(::GlobalSize(data) / sizeof(char16_t), maxUnits);
  size_t length = 0;
  while (length < capacity && units[length] != u'\0') ++length;
  std::u16string wide(units, length);
  ::GlobalUnlock(data);
  return wide;
}

std::u16string ClipboardSession::ReadWideTextLostIn(const std::string& ansi) const {
  std::u16string wide = ReadWideText();
  if (ToSystemAnsi(wide) != ansi) return std::u16string();
  return WideIfLostInAnsi(std::move(wide), ansi);
}

bool ClipboardSession::WriteText(const std::string& ansi, const std::u16string& wide) const {
  return WriteText(ansi) && (wide.empty() || HandOver(CF_UNICODETEXT, wide.c_str(),
                                                      (wide.size() + 1) * sizeof(char16_t)));
}

bool WriteClipboardText(HWND owner, const std::string& text, const std::u16string& wide) {
  ClipboardSession clipboard(owner);
  return clipboard.IsOpen() && clipboard.WriteText(text, wide);
}

}  // namespace pelmo
