// CMainFrame: the hidden frame window that is the application's main window and the owner of
// the main dialog. It is never shown.
#pragma once

#include "framework/Wnd.h"

namespace pelmo {

class CMainFrame : public CWnd {
 public:
  bool Create(const char* title);
  // While set, a close request is handed to this window (the running main dialog), so that a
  // plain close of any of our windows ends the program through its one save-and-end path.
  void SetCloseTarget(HWND target) { m_closeTarget = target; }
  HWND CloseTarget() const { return m_closeTarget; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND m_closeTarget = nullptr;
};

}  // namespace pelmo
