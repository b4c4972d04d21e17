#include "framework/Clipboard.h"

#include <cstring>

namespace pelmo {

std::string ClipboardSession::ReadText(UINT format) const {
  if (!m_open) return std::string();
  HANDLE data = ::GetClipboardData(format);
  if (!data) return std::string();
  const auto* text = static_cast<const char*>(::GlobalLock(data));
  if (!text) return std::string();
  // The block may be larger than the text, and a broken writer may leave out the zero.
  const size_t size = ::GlobalSize(data);
  std::string result(text, strnlen(text, size));
  ::GlobalUnlock(data);
  return result;
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
