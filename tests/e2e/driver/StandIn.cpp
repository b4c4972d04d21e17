#include "StandIn.h"

#include <cstdio>

int RunStandIn(unsigned long ms) {
  HWND window =
      CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"stand-in", WS_POPUP | WS_VISIBLE | WS_BORDER, 300,
                      200, 400, 40, nullptr, nullptr, nullptr, nullptr);
  if (!window) return 1;
  SetForegroundWindow(window);
  SetFocus(window);
  const bool focused =
      PumpUntil([&] { return GetForegroundWindow() == window && GetFocus() == window; }, ms);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetCurrentThreadId(), &thread);
  POINT caret{thread.rcCaret.left, thread.rcCaret.bottom};
  ClientToScreen(window, &caret);
  if (focused) std::printf("caret %ld %ld\n", caret.x, caret.y);
  std::fflush(stdout);
  HWND opened = nullptr;
  const auto elsewhere = [&] {
    opened = GetForegroundWindow();
    return opened && opened != window;
  };
  const bool left = focused && PumpUntil(elsewhere, ms);
  RECT rect{};
  if (left && GetWindowRect(opened, &rect)) std::printf("opened %ld %ld\n", rect.left, rect.top);
  std::fflush(stdout);
  const bool back = left && PumpUntil([&] { return GetForegroundWindow() == window; }, ms);
  if (back) std::printf("back\n");
  DestroyWindow(window);
  return back ? 0 : 1;
}
