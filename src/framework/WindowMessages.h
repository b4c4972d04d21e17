// The program's private window messages, in one place so that no two can collide.
#pragma once

#include <windows.h>

namespace pelmo {

// The tray icon's callback: wParam the icon id, lParam the mouse message.
constexpr UINT WM_TASKBAR_CALLBACK = 0x80E6;
// A bitmap button posts this to itself to check again whether the mouse is still over it.
constexpr UINT WM_BUTTON_RECHECK_HOVER = 0x80D5;
// The items file's read: its worker posts this to the strip when it is done; for a short file the
// strip posts it to itself, and reads the file when it comes.
constexpr UINT WM_ITEMS_READ = 0x80D7;
// The sync folder changed: its watch posts this to the strip, at most one at a time.
constexpr UINT WM_SYNC_FOLDER_CHANGED = 0x80D9;

}  // namespace pelmo
