#include "app/StripControls.h"

#include "resource.h"

namespace pelmo {

void StripControls::AutoLoad(HWND dialog) {
  minimize.AutoLoad(IDC_MINIMIZE, dialog);
  menu.AutoLoad(IDC_MENUPOP, dialog);
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
