#include "app/PopupMenus.h"

#include "resource.h"

namespace pelmo {

namespace {

// A menu opened from the keyboard appears this far into the window's client area.
constexpr int kKeyboardMenuOffset = 5;

HWND CommandWindow(HWND window) {
  while (window && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    HWND parent = ::GetParent(window);
    if (!parent) break;
    window = parent;
  }
  return window;
}

void Track(UINT menuId, HWND commandWindow, POINT screenPoint, bool inlineChecked) {
  const PopupMenuResource menu(menuId);
  HMENU popup = menu.Popup();
  if (!popup) return;
  // By command, so that the "Inline" of the main menu's "Toggle" sub-menu is found as well.
  ::CheckMenuItem(popup, ID_TOGGLE_INLINE,
                  MF_BYCOMMAND | (inlineChecked ? MF_CHECKED : MF_UNCHECKED));
  ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, commandWindow, nullptr);
}

}  // namespace

PopupMenuResource::PopupMenuResource(UINT menuId)
    : m_menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId))) {}

POINT CursorPosition() {
  POINT point{};
  ::GetCursorPos(&point);
  return point;
}

POINT KeyboardMenuPosition(HWND window) {
  POINT point{kKeyboardMenuOffset, kKeyboardMenuOffset};
  ::ClientToScreen(window, &point);
  return point;
}

void ShowWindowMenu(UINT menuId, HWND window, POINT screenPoint, bool inlineChecked) {
  Track(menuId, CommandWindow(window), screenPoint, inlineChecked);
}

void ShowTrayMenu(HWND owner, POINT screenPoint, bool inlineChecked) {
  ::SetForegroundWindow(owner);
  Track(IDR_TRAY_MENU, owner, screenPoint, inlineChecked);
  // Without a message after the menu, the next tray menu may fail to close when the user
  // clicks elsewhere.
  ::PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace pelmo
