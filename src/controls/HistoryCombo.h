// CHistoryCombo: the drop-down that shows the clipboard history. It is a view of the History
// model (rows are inserted and deleted as the model changes), draws each row from its entry,
// and turns its keys into operations of its owner.
#pragma once

#include <string>

#include "framework/ComboBox.h"
#include "model/HistoryView.h"

namespace pelmo {

// What the drop-down asks of the window that owns it.
class HistoryComboOwner {
 public:
  virtual ~HistoryComboOwner() = default;
  virtual void FindNext(const std::string& text) = 0;
  virtual void ExecuteText(const std::string& text, bool explore) = 0;
  virtual void AddItem() = 0;
  virtual bool ReturnFocus() = 0;
};

class CHistoryCombo : public CComboBox, public HistoryView {
 public:
  void SetOwner(HistoryComboOwner* owner) { m_owner = owner; }

  HistoryItem* ItemAt(int row) const { return static_cast<HistoryItem*>(GetItemDataPtr(row)); }
  std::string RowText(int row) const { return GetLBText(row); }

  // HistoryView
  void InsertRow(int row, const std::string& label, HistoryItem* item) override;
  void DeleteRow(int row) override { DeleteString(row); }
  void DeleteAllRows() override { ResetContent(); }
  void BeginBulk(int rows) override;
  void EndBulk() override { SetRedraw(true); }

  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& dis) const;
  // The text of the edit field; beeps and returns empty when there is none.
  std::string EditTextOrBeep() const;

  HistoryComboOwner* m_owner = nullptr;
};

}  // namespace pelmo
