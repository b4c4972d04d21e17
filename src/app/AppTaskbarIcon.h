// CAppTaskbarIcon: the program's notification-area icon. A left click or double click brings the
// main window back; a right click opens the tray menu.
#pragma once

#include "app/StripInline.h"
#include "controls/TaskbarIcon.h"
#include "framework/Wnd.h"

namespace pelmo {

class CAppTaskbarIcon : public COXTaskbarIcon {
 public:
  // The icon's window; its commands go to `owner`, and the menu shows whether `inlineMode` is on.
  CAppTaskbarIcon(CWnd& owner, const StripInline& inlineMode);
  // The icon and its tip in the notification area.
  void Start();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CWnd& m_owner;
  const StripInline& m_inline;
};

}  // namespace pelmo
