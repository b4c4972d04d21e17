#include "tools/DesktopToggle.h"

#include <windows.h>

namespace pelmo {

void ToggleDesktop() {
  HWND desktop = ::FindWindowA("Progman", nullptr);
  if (!desktop) return;
  ::ShowWindow(desktop, ::IsWindowVisible(desktop) ? SW_HIDE : SW_SHOWNORMAL);
}

}  // namespace pelmo
