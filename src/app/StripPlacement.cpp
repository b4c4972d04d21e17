#include "app/StripPlacement.h"

#include <algorithm>

#include "app/StripTimers.h"
#include "framework/Gdi.h"

namespace pelmo {

namespace {

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

void StripPlacement::FitAround(HWND window, HWND rightmost, HWND lowest, HWND leftmost) {
  const Rect frame = WindowRect(window);
  const int width = WindowRect(rightmost).right - frame.left + 6;
  // A pixel to spare below the drop-down and the buttons beside it; none below the picture
  // buttons on the left, which fill the strip's height at 96 DPI and reach lower above it.
  const int bottom = std::max({WindowRect(lowest).bottom + 1, WindowRect(rightmost).bottom + 1,
                               WindowRect(leftmost).bottom});
  const int height = bottom - frame.top + 1;  // and the border
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
