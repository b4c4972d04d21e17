// CHistoryCombo: the drop-down that shows the clipboard history. It is a view of the History
// model (rows are inserted and deleted as the model changes), draws each row from its entry,
// and turns its keys into operations of its owner.
#pragma once

#include <string>

#include "app/History.h"
#include "framework/Wnd.h"

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

class CHistoryCombo : public CWnd, public HistoryView {
 public:
  void SetOwner(HistoryComboOwner* owner) { m_owner = owner; }

  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  void SetCurSel(int row) const { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(row)); }
  bool GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != 0; }
  HistoryItem* ItemAt(int row) const;
  std::string RowText(int row) const;

  // HistoryView
  void InsertRow(int row, const std::string& label, HistoryItem* item) override;
  void DeleteRow(int row) override;
  void DeleteAllRows() override;

  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& dis) const;
  // The text of the edit field; beeps and returns empty when there is none.
  std::string EditTextOrBeep() const;

  HistoryComboOwner* m_owner = nullptr;
};

}  // namespace pelmo
