// The driver's wait, and a stand-in for the window a user types in: an edit field with the caret,
// in the foreground.
#pragma once

#include <windows.h>

// Runs this thread's messages, polling `done` every 20 ms, until it holds (true) or `ms`
// milliseconds have passed (false).
template <typename Done>
bool PumpUntil(Done done, unsigned long ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= ms) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(20);
  }
  return true;
}

// Prints "caret X Y" (the caret's bottom left on the screen) once it has the focus, then
// "opened X Y" (the top left of the window that takes the foreground from it), then "back" when
// the foreground has come back to it. 0 when all three happened within `ms`.
int RunStandIn(unsigned long ms);
