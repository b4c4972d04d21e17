#include "app/MainFrame.h"

namespace pelmo {

bool CMainFrame::Create(const char* title) {
  const char* className = RegisterOwnClass("PelmoFrame", CS_DBLCLKS);
  return CreateEx(0, className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (m_closeTarget && ::IsWindow(m_closeTarget)) {
        ::PostMessageA(m_closeTarget, WM_CLOSE, 0, 0);
        return 0;
      }
      DestroyWindow();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);  // the main window of the application is gone
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace pelmo
