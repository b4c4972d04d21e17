// Dialog data exchange: moves members to controls (save == false) or back (save == true).
// A refused entry shows its message, focuses and selects the field, and aborts the exchange.
#pragma once

#include <windows.h>

#include <string>

namespace pelmo {

class CDialog;
class CWnd;

struct DataExchangeRefused {};

class DataExchange {
 public:
  DataExchange(CDialog& dialog, bool save) : m_dialog(dialog), m_bSaveAndValidate(save) {}

  HWND Control(int id) const;
  // Shows the message, focuses the control and throws DataExchangeRefused.
  [[noreturn]] void Refuse(int id, const char* message) const;

  CDialog& m_dialog;
  const bool m_bSaveAndValidate;
};

// Binds a C++ control object to a dialog control the first time.
void DDX_Control(DataExchange& dx, int id, CWnd& control);
void DDX_Text(DataExchange& dx, int id, std::string& value);
void DDX_Text(DataExchange& dx, int id, int& value);
void DDX_Text(DataExchange& dx, int id, unsigned& value);
void DDX_Check(DataExchange& dx, int id, int& value);
// The index of the checked button of the group that starts at `id`, -1 when none is checked.
void DDX_Radio(DataExchange& dx, int id, int& value);
// The selected row of a list box, -1 when none.
void DDX_LBIndex(DataExchange& dx, int id, int& value);

}  // namespace pelmo
