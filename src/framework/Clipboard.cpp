#include "framework/Clipboard.h"

#include <algorithm>
#include <cstring>

namespace pelmo {

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
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!block) return false;
  void* memory = ::GlobalLock(block);
  if (!memory) {
    ::GlobalFree(block);
    return false;
  }
  std::memcpy(memory, text.c_str(), text.size() + 1);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(CF_TEXT, block)) {
    ::GlobalFree(block);  // still ours when the clipboard did not take it
    return false;
  }
  return true;
}

bool WriteClipboardText(HWND owner, const std::string& text) {
  ClipboardSession clipboard(owner);
  return clipboard.IsOpen() && clipboard.WriteText(text);
}

}  // namespace pelmo
