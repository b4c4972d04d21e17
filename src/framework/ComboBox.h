// CComboBox: a drop-down list control, its CB_* messages as named calls.
#pragma once

#include <string>

#include "framework/Wnd.h"

namespace pelmo {

class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  void SetCurSel(int row) const { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(row)); }
  bool GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != 0; }
  void ShowDropDown(bool show) const { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
  // Selects the characters from `start` to `end` of the edit field; -1 as end means all.
  void SetEditSel(int start, int end) const {
    SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end));
  }
  void SelectAllText() const { SetEditSel(0, -1); }
  void Copy() const { SendMessage(WM_COPY); }

  int InsertString(int row, const std::string& text) const {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(text.c_str())));
  }
  void DeleteString(int row) const { SendMessage(CB_DELETESTRING, static_cast<WPARAM>(row)); }
  void ResetContent() const { SendMessage(CB_RESETCONTENT); }
  // The text of a row, empty when there is no such row.
  std::string GetLBText(int row) const;
  void* GetItemDataPtr(int row) const;
  void SetItemDataPtr(int row, void* data) const {
    SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(data));
  }
  // Room for `rows` more rows of about `bytesPerRow` at once.
  void InitStorage(int rows, size_t bytesPerRow) const {
    SendMessage(CB_INITSTORAGE, static_cast<WPARAM>(rows), static_cast<LPARAM>(rows * bytesPerRow));
  }
  void SetRedraw(bool redraw) const { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
};

}  // namespace pelmo
