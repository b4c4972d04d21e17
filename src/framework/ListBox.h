// CListBox: a list control, its LB_* messages as named calls.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
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
  // A row showing `text`, or `wide` when there is one: the UTF-16 of a text that the ANSI code
  // page cannot hold.
  int AddString(const std::string& text, const std::u16string& wide = {}) const;
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

// Where in `entries` the entry that `row`'s item data points at stands; none when there is no
// such row or its entry is gone. The entries must keep their addresses while the rows show them.
template <typename Entries>
std::optional<size_t> EntryIndex(const CListBox& list, int row, const Entries& entries) {
  const void* entry = row < 0 ? nullptr : list.GetItemDataPtr(row);
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [entry](const auto& candidate) { return &candidate == entry; });
  if (found == entries.end()) return std::nullopt;
  return static_cast<size_t>(found - entries.begin());
}

}  // namespace pelmo
