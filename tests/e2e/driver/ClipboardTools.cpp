#include "ClipboardTools.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "StandIn.h"
#include "framework/AnsiCodePage.h"
#include "framework/Clipboard.h"

namespace {

// Another viewer may be reading: a copy or a read waits for it as a program would, briefly.
const unsigned kWaitMs = 1000;

std::string ReadUtf8Text(HWND owner) {
  const pelmo::ClipboardSession clipboard(owner, kWaitMs);
  if (!clipboard.IsOpen()) return "(the clipboard stayed open)";
  return pelmo::Utf16ToUtf8(clipboard.ReadWideText());
}

// Copies the ASCII `text` as CF_UNICODETEXT. False when it could not.
bool CopyText(const std::string& text) {
  const pelmo::ClipboardSession clipboard(nullptr, kWaitMs);
  if (!clipboard.IsOpen()) {
    std::fprintf(stderr, "pelmo-driver: the clipboard stayed open for \"%s\"\n", text.c_str());
    return false;
  }
  const std::wstring wide(text.begin(), text.end());
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (!block) return false;
  std::memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, block)) return true;
  GlobalFree(block);
  return false;
}

struct Viewer {
  FILE* log = nullptr;
  HWND next = nullptr;
};

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* viewer = reinterpret_cast<Viewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // The join's own notification comes before the viewer is set up: nothing to log, nobody to tell.
  if (!viewer || (message != WM_DRAWCLIPBOARD && message != WM_CHANGECBCHAIN))
    return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_DRAWCLIPBOARD) {
    std::fprintf(viewer->log, "%s\n", ReadUtf8Text(window).c_str());
    std::fflush(viewer->log);
  } else if (reinterpret_cast<HWND>(wParam) == viewer->next) {
    viewer->next = reinterpret_cast<HWND>(lParam);
    return 0;
  }
  if (viewer->next) SendMessageW(viewer->next, message, wParam, lParam);
  return 0;
}

}  // namespace

int RunReferenceViewer(const char* log) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ViewerProc;
  windowClass.lpszClassName = L"PelmoReferenceViewer";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"reference viewer", WS_POPUP, 0, 0,
                                0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!window) return 1;
  Viewer viewer;
  viewer.next = SetClipboardViewer(window);
  // The log appears once the viewer is in the chain: a test waits for it before it copies.
  viewer.log = std::fopen(log, "ab");
  if (!viewer.log) return 1;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&viewer));
  const std::string stop = std::string(log) + ".stop";
  PumpUntil([&] { return GetFileAttributesA(stop.c_str()) != INVALID_FILE_ATTRIBUTES; },
            24 * 3600 * 1000UL);
  ChangeClipboardChain(window, viewer.next);
  DestroyWindow(window);
  std::fclose(viewer.log);
  return 0;
}

int CopyTexts(unsigned long count, unsigned long ms, const char* prefix) {
  for (unsigned long n = 1; n <= count; ++n) {
    if (!CopyText(std::string(prefix) + " " + std::to_string(n))) return 1;
    if (ms) Sleep(ms);
  }
  return 0;
}
