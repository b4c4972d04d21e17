// The frame shared by the ClipBook, Quick Replace and HTTP captures windows: a resizable tool
// window around list 1061, whose rows show the entries of one of the program's lists in order,
// each row pointing at its entry. The window holds no copy: it fills its rows again after every
// change. `List` keeps its entries' addresses while they are shown (a vector the window alone
// changes, or a deque that captures add to at the head while the window is open), so a row's
// entry is found by its item data even when the rows have not been refilled since.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "resource.h"

namespace pelmo {

template <typename List>
class CListToolDialog : public CDialog {
 public:
  using Entry = typename List::value_type;

  CListToolDialog(UINT templateId, List& entries, CWnd* parent)
      : CDialog(templateId, parent), m_entries(entries) {}

  CListBox m_list;

 protected:
  virtual std::string RowText(const Entry& entry) const = 0;
  // The row in UTF-16 for an entry whose text the code page cannot hold; empty otherwise.
  virtual std::u16string WideRowText(const Entry&) const { return {}; }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    Fill(LastRow());
    return TRUE;
  }
  void DoDataExchange(DataExchange& dx) override { DDX_Control(dx, IDC_ITEM_LIST, m_list); }

  void OnSize(int width, int height) override {
    if (m_list.m_hWnd) StretchToClient(m_list, width, height);  // not while being created
  }

  // One row per entry, in order, with `row` selected (none when there is no such row).
  void Fill(int row) {
    m_list.ResetContent();
    for (Entry& entry : m_entries)
      m_list.SetItemDataPtr(m_list.AddString(RowText(entry), WideRowText(entry)), &entry);
    m_list.SetCurSel(row);
  }
  int LastRow() const { return static_cast<int>(m_entries.size()) - 1; }

  // The index of the entry the selected row points at; nullopt when no row is selected or its
  // entry is gone.
  std::optional<size_t> SelectedEntry() const {
    return EntryIndex(m_list, m_list.GetCurSel(), m_entries);
  }

  // Removes the selected row's entry; the row that moves into its place is selected, none after
  // the last row.
  void DeleteSelected() {
    const int row = m_list.GetCurSel();
    const std::optional<size_t> index = SelectedEntry();
    if (!index) return;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*index));
    Fill(row);
  }

  // Move Up (step -1) and Move Down (step +1): the selected row's entry changes places with its
  // neighbour in the list, and the selection follows it one row; nothing happens without a
  // selection or a neighbour that way.
  void MoveSelected(int step) {
    const int row = m_list.GetCurSel();
    const std::optional<size_t> index = SelectedEntry();
    const int target = row + step;
    if (!index || target < 0 || target >= m_list.GetCount()) return;
    const std::ptrdiff_t neighbour = static_cast<std::ptrdiff_t>(*index) + step;
    if (neighbour < 0 || neighbour >= static_cast<std::ptrdiff_t>(m_entries.size())) return;
    std::swap(m_entries[*index], m_entries[static_cast<size_t>(neighbour)]);
    Fill(target);
  }

  List& m_entries;
};

}  // namespace pelmo
