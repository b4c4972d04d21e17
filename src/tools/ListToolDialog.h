// The frame shared by the ClipBook and Quick Replace windows: a resizable tool window around
// list 1061, whose rows show the entries of one of the program's lists in order, each row
// pointing at its entry. The window holds no copy: it fills its rows again after every change.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "resource.h"

namespace pelmo {

template <typename Entry>
class CListToolDialog : public CDialog {
 public:
  CListToolDialog(UINT templateId, std::vector<Entry>& entries, CWnd* parent)
      : CDialog(templateId, parent), m_entries(entries) {}

  CListBox m_list;

 protected:
  virtual std::string RowText(const Entry& entry) const = 0;
  // The row in UTF-16 for an entry whose text the code page cannot hold; empty otherwise.
  virtual std::u16string WideRowText(const Entry&) const { return {}; }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    Fill();
    return TRUE;
  }
  void DoDataExchange(DataExchange& dx) override { DDX_Control(dx, IDC_ITEM_LIST, m_list); }

  void OnSize(int width, int height) override {
    if (m_list.m_hWnd) StretchToClient(m_list, width, height);  // not while being created
  }

  // One row per entry, in order; the last row ends up selected.
  void Fill() {
    m_list.ResetContent();
    for (Entry& entry : m_entries)
      m_list.SetItemDataPtr(m_list.AddString(RowText(entry), WideRowText(entry)), &entry);
    m_list.SetCurSel(m_list.GetCount() - 1);
  }

  // The index of the entry the selected row points at; -1 when no row is selected.
  int SelectedEntry() const {
    const std::optional<size_t> index = EntryIndex(m_list, m_list.GetCurSel(), m_entries);
    return index ? static_cast<int>(*index) : -1;
  }

  // Removes the selected row's entry; the row that moves into its place is selected, none after
  // the last row.
  void DeleteSelected() {
    const int index = SelectedEntry();
    if (index < 0) return;
    m_entries.erase(m_entries.begin() + index);
    Fill();
    m_list.SetCurSel(index);
  }

  std::vector<Entry>& m_entries;
};

}  // namespace pelmo
