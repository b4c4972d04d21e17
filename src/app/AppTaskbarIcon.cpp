#include "app/AppTaskbarIcon.h"

#include "app/PopupMenus.h"
#include "resource.h"

namespace pelmo {

CAppTaskbarIcon::CAppTaskbarIcon(CWnd& owner, const StripInline& inlineMode)
    : m_owner(owner), m_inline(inlineMode) {
  Create(0);
}

void CAppTaskbarIcon::Start() {
  SetIcon(IDI_TRAY, true);
  SetTooltipText("Dadar Adedirude", true);
  Show();
}

LRESULT CAppTaskbarIcon::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      m_owner.PostMessage(WM_COMMAND, MAKEWPARAM(ID_OPEN, 0), reinterpret_cast<LPARAM>(m_hWnd));
      return 0;
    case WM_RBUTTONDOWN:
      ShowTrayMenu(m_owner.m_hWnd, CursorPosition(), m_inline.On());
      return 0;
    case WM_CLOSE:
      // A plain close of the process reaches every top-level window; this one hands it to the
      // main window, which saves and ends the program (and removes the icon on the way).
      m_owner.PostMessage(WM_CLOSE);
      return 0;
    default:
      return COXTaskbarIcon::WindowProc(message, wParam, lParam);
  }
}

}  // namespace pelmo
