// CListBox: a list control, its LB_* messages as named calls.
#pragma once

#include <string>
#include <vector>

#include "framework/Wnd.h"

namespace pelmo {

class CListBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  // The selected row of a single-selection list, -1 when none.
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  // -1, or a row that does not exist, selects nothing.
  void SetCurSel(int row) const {
    SendMessage(LB_SETCURSEL, static_cast<WPARAM>(row < GetCount() ? row : -1));
  }
  int AddString(const std::string& text) const {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void ResetContent() const { SendMessage(LB_RESETCONTENT); }
  void* GetItemDataPtr(int row) const;
  void SetItemDataPtr(int row, void* data) const {
    SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(data));
  }
  // The text of a row, empty when there is no such row.
  std::string GetText(int row) const;
  // The selected rows of a multiple-selection list, ascending.
  std::vector<int> GetSelectedRows() const;
};

}  // namespace pelmo
