// A Windows program that copies for bench/app/capture-memory: COPIES texts one after another, each
// "copy NNNNNN " and words, put on the clipboard as a Unicode program puts text there
// (CF_UNICODETEXT alone; the system makes the ANSI form on request) or as an ANSI one does
// (CF_TEXT alone). After each copy it waits until the capturing program has handled the change
// (it sets the event named below), at most 5 s, and then PAUSE_MS more; a copy not handled by then
// is counted as lost, and the stream goes on.
//
//   clipboard_feeder.exe COPIES BYTES|mixed unicode|ansi [PAUSE_MS]
// "mixed": copy n has 16 << e bytes and up to as many again, e = 7n mod 12: from 16 bytes to
// 64 KB, the same sizes capture-memory copies from X.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "HandledEvent.h"

namespace {

constexpr DWORD kHandledWaitMs = 5000;

size_t MixedSize(long copy) {
  const size_t base = size_t{16} << (copy * 7 % 12);
  return base + static_cast<size_t>(copy) * 40503 % base;
}

// A text of the length and look of real writing, different from copy to copy.
std::wstring Text(long copy, size_t bytes) {
  static const wchar_t kWords[] =
      L"the quick brown fox jumps over a lazy dog while seven zebras quietly graze ";
  wchar_t start[16];
  std::swprintf(start, 16, L"copy %06ld ", copy);
  std::wstring text = start;
  while (text.size() < bytes) text += kWords;
  text.resize(bytes);
  return text;
}

bool Put(UINT format, const void* data, size_t bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return false;
  std::memcpy(::GlobalLock(block), data, bytes);
  ::GlobalUnlock(block);
  if (::SetClipboardData(format, block)) return true;
  ::GlobalFree(block);
  return false;
}

// Puts the text on the clipboard as a Unicode program does, or as an ANSI one (CF_TEXT alone).
bool Copy(const std::wstring& text, bool ansi) {
  if (!::OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  const std::string narrow(text.begin(), text.end());
  const bool done = ansi ? Put(CF_TEXT, narrow.c_str(), narrow.size() + 1)
                         : Put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  ::CloseClipboard();
  return done;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: clipboard_feeder COPIES BYTES|mixed unicode|ansi [PAUSE_MS]\n", stderr);
    return 2;
  }
  const long copies = std::strtol(argv[1], nullptr, 10);
  const bool mixed = std::strcmp(argv[2], "mixed") == 0;
  const size_t fixed = mixed ? 0 : std::strtoul(argv[2], nullptr, 10);
  const bool ansi = std::strcmp(argv[3], "ansi") == 0;
  const DWORD pauseMs = argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 0;
  HANDLE handled = ::CreateEventA(nullptr, FALSE, FALSE, kHandledEvent);
  long lost = 0;
  for (long copy = 1; copy <= copies; ++copy) {
    ::ResetEvent(handled);
    if (!Copy(Text(copy, mixed ? MixedSize(copy) : fixed), ansi) ||
        ::WaitForSingleObject(handled, kHandledWaitMs) != WAIT_OBJECT_0)
      ++lost;
    if (pauseMs) ::Sleep(pauseMs);
  }
  std::printf("%ld copies, %ld not handled within %lu s\n", copies, lost, kHandledWaitMs / 1000);
  ::CloseHandle(handled);
  return 0;
}
