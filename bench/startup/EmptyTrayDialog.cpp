// The yardstick of bench/startup: an empty Win32 dialog that adds a tray icon, the least a
// program of Pelmo's kind does before its window shows. Built a second time with
// PELMO_STYLED: the same dialog with visual styles (the common controls 6 manifest and
// InitCommonControlsEx), which every program with a modern look pays for as Pelmo does.
#include <windows.h>
#ifdef PELMO_STYLED
#include <commctrl.h>
#endif

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      NOTIFYICONDATAA icon{};
      icon.cbSize = sizeof icon;
      icon.hWnd = dialog;
      icon.uID = 1;
      icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
      icon.uCallbackMessage = kTrayMessage;
      icon.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
      lstrcpyA(icon.szTip, "Empty");
      ::Shell_NotifyIconA(NIM_ADD, &icon);
      return TRUE;
    }
    case WM_CLOSE:
      ::EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY: {
      NOTIFYICONDATAA icon{};
      icon.cbSize = sizeof icon;
      icon.hWnd = dialog;
      icon.uID = 1;
      ::Shell_NotifyIconA(NIM_DELETE, &icon);
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef PELMO_STYLED
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
#endif
  return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, DialogProc, 0));
}
