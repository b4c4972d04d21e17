// Helpers for the in-process window tests: pumping, stand-in windows, message boxes, clipboard.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../unit/TestSupport.h"
#include "framework/Clipboard.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace pelmo::test {

// Runs this thread's messages until `done` holds or the time is up; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (done()) break;
    if (::GetTickCount() - start > timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Runs the messages that are due now, and those that arrive within a short settling time.
inline void Settle(DWORD ms = 150) {
  PumpUntil([] { return false; }, ms);
}

// Puts `size` bytes in `format` on the clipboard this thread has open.
inline bool PutClipboardBytes(UINT format, const void* bytes, size_t size) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(::GlobalLock(block), bytes, size);
  ::GlobalUnlock(block);
  return ::SetClipboardData(format, block) != nullptr;
}

// What the clipboard holds as UTF-16 and as ANSI text, read as the program reads it; empty when
// it holds none.
inline std::u16string ClipboardUnicode() {
  return ClipboardSession(nullptr).ReadWideText();
}
inline std::string ClipboardText() {
  return ClipboardSession(nullptr).ReadText(CF_TEXT);
}

// The application, recording the help contexts asked of it, as the framework's help key asks.
class RecordingApp : public CWinApp {
 public:
  void WinHelp(DWORD_PTR data, UINT) override { contexts.push_back(data); }
  std::vector<DWORD_PTR> contexts;
};

// Registers a window class of this module under `name` (again is harmless) and returns the name.
inline const char* TestClass(const char* name, WNDPROC proc = ::DefWindowProcA) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  ::RegisterClassA(&wc);
  return name;
}

// Closes the active message box or file dialog (unless it is `unless`) with `button`; its text.
inline std::string AnswerActiveWindow(int button = IDOK, HWND unless = nullptr) {
  HWND box = ::GetActiveWindow();
  if (!box || box == unless) return std::string();
  char text[512] = {};
  ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  ::PostMessageA(box, WM_COMMAND, button, 0);
  return text;
}

// The rows of a list box, or of a combo box's list when `combo`.
inline Strings ListBoxRows(HWND list, bool combo = false) {
  Strings rows;
  const LRESULT count = ::SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    std::string text(::SendMessageA(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, row, 0), '\0');
    ::SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, row,
                   reinterpret_cast<LPARAM>(text.data()));
    rows.push_back(text);
  }
  return rows;
}

// Runs a key press on `target` through the pre-translation of `top` and its children, as a modal
// loop does, with the key (and Shift, when asked) held down; true when a window took it.
inline bool PressKey(HWND target, HWND top, int key, bool shift = false) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[key] = 0x80;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  ::SetKeyboardState(keys);
  MSG msg{target, WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
  const bool consumed = CWnd::WalkPreTranslateTree(top, &msg);
  keys[key] = keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
  return consumed;
}

// Opens `path` without sharing, as another program may: it cannot be replaced until closed.
inline HANDLE LockFile(const std::string& path) {
  return ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace pelmo::test
