// The program's entry point: the one application object, then its start-up and message loop.
#include <windows.h>

#include "app/MultiClipboardApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  pelmo::CMultiClipboardApp app;
  if (!app.InitInstance()) return 0;
  return app.Run();
}
