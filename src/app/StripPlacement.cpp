#include "app/StripPlacement.h"

#include <algorithm>

#include "framework/Gdi.h"

namespace pelmo {

namespace {

constexpr UINT_PTR kMinimizeTimer = 1;
constexpr UINT kMinimizeDelayMs = 300;

Size ScreenSize() {
  const Rect screen = ClientRect(::GetDesktopWindow());
  return {screen.Width(), screen.Height()};
}

void MoveTopmost(HWND window, Point to) {
  ::SetWindowPos(window, HWND_TOPMOST, to.x, to.y, 0, 0, SWP_NOSIZE);
}

}  // namespace

void StripPlacement::Save(HWND window, const Settings& settings) {
  SaveSettings(m_profile, settings, WindowRect(window));
}

void StripPlacement::Restore(HWND window) {
  if (const auto start = StartPosition(ReadPosition(m_profile), ScreenSize()))
    MoveTopmost(window, *start);
  else
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void StripPlacement::FitAround(HWND window, HWND rightmost, HWND lowest) {
  const Rect frame = WindowRect(window);
  const int width = WindowRect(rightmost).right - frame.left + 6;
  const int height =
      std::max(WindowRect(lowest).bottom, WindowRect(rightmost).bottom) - frame.top + 2;
  ::MoveWindow(window, frame.left, frame.top, width, height, TRUE);
}

void StripPlacement::Minimize(HWND window) {
  const Rect frame = WindowRect(window);
  WritePosition(m_profile, {frame.left, frame.top});
  MoveTopmost(window, MinimizedPosition(frame));
}

void StripPlacement::Open(HWND window) {
  MoveTopmost(window, OpenPosition(ReadPosition(m_profile), ScreenSize()));
  ::BringWindowToTop(window);
}

void StripPlacement::MinimizeSoon(HWND window) {
  ::SetTimer(window, kMinimizeTimer, kMinimizeDelayMs, nullptr);
}

bool StripPlacement::OnTimer(HWND window, WPARAM timer) {
  if (timer != kMinimizeTimer) return false;
  ::KillTimer(window, kMinimizeTimer);
  Minimize(window);
  return true;
}

}  // namespace pelmo
