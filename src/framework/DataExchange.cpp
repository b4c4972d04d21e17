#include "framework/DataExchange.h"

#include "framework/Dialog.h"
#include "framework/NumberText.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace pelmo {

HWND DataExchange::Control(int id) const { return ::GetDlgItem(m_dialog.m_hWnd, id); }

void DataExchange::Refuse(int id, const char* message) const {
  AppMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  HWND control = Control(id);
  ::SetFocus(control);
  ::SendMessageA(control, EM_SETSEL, 0, -1);
  throw DataExchangeRefused{};
}

void DDX_Control(DataExchange& dx, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassDlgItem(id, dx.m_dialog.m_hWnd);
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
  if (dx.m_bSaveAndValidate)
    value = WindowText(dx.Control(id));
  else
    ::SetWindowTextA(dx.Control(id), value.c_str());
}

namespace {

// A number typed into an edit box; a refused entry keeps the dialog open on that box.
template <typename Number, typename Parse>
void ExchangeNumber(DataExchange& dx, int id, Number& value, Parse parse, const char* refusal) {
  if (!dx.m_bSaveAndValidate) {
    ::SetWindowTextA(dx.Control(id), std::to_string(value).c_str());
    return;
  }
  const auto parsed = parse(WindowText(dx.Control(id)));
  if (!parsed) dx.Refuse(id, refusal);
  value = *parsed;
}

}  // namespace

void DDX_Text(DataExchange& dx, int id, int& value) {
  ExchangeNumber(dx, id, value, ParseSignedText, "Please enter an integer.");
}

void DDX_Text(DataExchange& dx, int id, unsigned& value) {
  ExchangeNumber(dx, id, value, ParseUnsignedText, "Please enter a positive integer.");
}

void DDX_Check(DataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (dx.m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
  else
    ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(DataExchange& dx, int id, int& value) {
  HWND button = dx.Control(id);
  if (dx.m_bSaveAndValidate) value = -1;
  for (int index = 0; button; ++index) {
    if (dx.m_bSaveAndValidate) {
      if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    button = ::GetWindow(button, GW_HWNDNEXT);
    if (button && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP)) break;
  }
}

void DDX_LBIndex(DataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (dx.m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
  else
    ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

}  // namespace pelmo
