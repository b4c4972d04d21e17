// Showing the three pop-up menus (item 103, tray 141, main 142). The chosen command arrives as
// WM_COMMAND at the command window, which is always the main window.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

namespace pelmo {

// A menu resource loaded for one showing; destroyed with this object.
class PopupMenuResource {
 public:
  explicit PopupMenuResource(UINT menuId);

  // The first sub-menu, the part that is shown; null when the resource is missing.
  HMENU Popup() const { return m_menu ? ::GetSubMenu(m_menu.get(), 0) : nullptr; }

 private:
  ScopedMenu m_menu;
};

// Where a menu opens: at the mouse, or, opened from the keyboard, a little inside the window.
POINT CursorPosition();
POINT KeyboardMenuPosition(HWND window);

// The item menu (103) or the main menu (142) for `window` or one of its child controls: the
// commands go to the first window up the parent chain that is not a child window.
void ShowWindowMenu(UINT menuId, HWND window, POINT screenPoint, bool inlineChecked);

// The tray menu (141): the commands go to `owner`. The owner is brought to the foreground
// first, or the menu would stay open when the user clicks elsewhere.
void ShowTrayMenu(HWND owner, POINT screenPoint, bool inlineChecked);

}  // namespace pelmo
