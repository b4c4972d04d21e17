#include "app/StripControls.h"

#include "framework/PictureScale.h"
#include "framework/ScaledBitmap.h"
#include "resource.h"

namespace pelmo {

void StripControls::AutoLoad(HWND dialog) {
  const bool minimizeLoaded = minimize.AutoLoad(IDC_MINIMIZE, dialog);
  if (!menu.AutoLoad(IDC_MENUPOP, dialog) || !minimizeLoaded) return;
  // The two take their pictures' size, scaled for the DPI, while the dialog's units grow with
  // its font, which grows less. At 96 DPI the template lays the menu button over the bottom row
  // (the dark edge) of the minimize button; at every DPI the minimize button loses that row and
  // the menu button goes right below it, so that neither has to paint over the other.
  const int edge = ScaleToDpi(1, SystemDpi());
  const Rect upper = RectInParent(dialog, minimize);
  const Rect lower = RectInParent(dialog, menu);
  constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
  ::SetWindowPos(minimize, nullptr, 0, 0, upper.Width(), upper.Height() - edge, kKeep | SWP_NOMOVE);
  ::SetWindowPos(menu, nullptr, lower.left, upper.bottom - edge, 0, 0, kKeep | SWP_NOSIZE);
}

void StripControls::Exchange(DataExchange& dx) {
  DDX_Control(dx, IDC_MENUPOP, menu);
  DDX_Control(dx, ID_EDIT_ITEM, edit);
  DDX_Control(dx, IDC_MINIMIZE, minimize);
  DDX_Control(dx, ID_CALCULATOR, calculator);
  DDX_Control(dx, IDC_DELETE_ITEM, remove);
  DDX_Control(dx, IDC_UP, up);
  DDX_Control(dx, IDC_DOWN, down);
  DDX_Control(dx, IDC_HISTORY, history);
}

void StripControls::SetUpTools() {
  SetUpToolButtons({{edit, IDB_EDIT, "Edit"},
                    {remove, IDB_DELETE, "Delete"},
                    {up, IDB_UP},
                    {down, IDB_DOWN},
                    {calculator, IDB_CALCULATOR, "Calculator"}});
}

void StripControls::SetFlat(bool flat) {
  for (COXBitmapButton* button : {&edit, &remove, &calculator, &up, &down}) button->SetFlat(flat);
}

}  // namespace pelmo
