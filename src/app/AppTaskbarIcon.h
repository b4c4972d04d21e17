// CAppTaskbarIcon: the program's notification-area icon. A left click or double click brings the
// main window back; a right click opens the tray menu.
#pragma once

#include "controls/TaskbarIcon.h"

namespace pelmo {

class CMainDialog;

class CAppTaskbarIcon : public COXTaskbarIcon {
 public:
  explicit CAppTaskbarIcon(CMainDialog& owner) : m_owner(owner) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CMainDialog& m_owner;
};

}  // namespace pelmo
