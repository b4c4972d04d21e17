// CHistoryCombo: the drop-down that shows the clipboard history. It is a view of the History
// model (rows are inserted and deleted as the model changes), draws each row with a picture of
// its kind and the colour of its state, previews multi-line entries, turns its keys into
// operations of its owner, lets entries be dragged out and takes in dropped files and text.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "controls/HistoryRowPainter.h"
#include "framework/ComboBox.h"
#include "framework/Gdi.h"
#include "framework/Ole.h"
#include "model/HistoryView.h"

namespace pelmo {

class CPreviewWindow;
class HistoryDropTarget;
class CHistoryCombo;

// What the drop-down asks of the window that owns it.
class HistoryComboOwner {
 public:
  virtual ~HistoryComboOwner() = default;
  // F3: find the next entry holding `text` and select it in `combo` (the main or the Inline one).
  virtual void FindNext(CHistoryCombo& combo, const std::u16string& text) = 0;
  virtual void ExecuteText(const std::string& text, bool explore) = 0;
  virtual void AddItem() = 0;
  virtual bool ReturnFocus() = 0;
  // Shift+Enter: the selected entry to the ClipBook.
  virtual void AddToClipBook() = 0;
  // The mouse is over the drop-down: with AutoFocus on, take the foreground, remembering the
  // window that had it.
  virtual void FollowMouse() = 0;
  // Dropped file names (joined by CR LF) and dropped text go on the clipboard, to be captured.
  virtual void TakeDroppedFiles(const std::string& paths) = 0;
  virtual void TakeDroppedText(const std::string& text) = 0;
};

class CHistoryCombo : public CComboBox, public HistoryView {
 public:
  CHistoryCombo();
  ~CHistoryCombo() override;

  void SetOwner(HistoryComboOwner* owner) { m_owner = owner; }
  // The Inline window's drop-down: Enter copies without a beep, Shift+Enter does nothing and
  // the focus does not follow the mouse.
  void SetInline(bool isInline) { m_inline = isInline; }
  void SetPreview(bool enabled) { m_previewEnabled = enabled; }
  // While set, text dropped on the drop-down is its own drag coming back and is refused.
  void SetOwnDrag(bool ownDrag) { m_ownDrag = ownDrag; }
  bool OwnDrag() const { return m_ownDrag; }
  // Takes dropped text from now on (the window must exist); the registration ends with it.
  bool RegisterDropTarget();
  // The preview window, null until a highlighted row first needed it.
  const CPreviewWindow* Preview() const { return m_preview.get(); }

  HistoryItem* ItemAt(int row) const { return static_cast<HistoryItem*>(GetItemDataPtr(row)); }
  std::string RowText(int row) const { return GetLBText(row); }
  HistoryComboOwner* Owner() const { return m_owner; }
  // The edit field's text as typed: in UTF-16, since the code page may not hold it.
  std::u16string EditText() const;
  void SetEditText(const std::u16string& text) const;

  // HistoryView
  int RowCount() const override { return GetCount(); }
  void InsertRow(int row, const std::string& label, HistoryItem* item) override;
  void DeleteRow(int row) override { DeleteString(row); }
  void DeleteAllRows() override { ResetContent(); }
  void BeginBulk(int rows) override;
  void EndBulk() override { SetRedraw(true); }
  void SetRowSource(HistoryRowSource* source) override;

  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void PreSubclassWindow() override;

 private:
  void ShowWideSelection() const;
  HWND EditField() const;
  void DrawItem(const DRAWITEMSTRUCT& dis);
  void DrivePreview(const HistoryItem* item);
  void HidePreview() const;
  bool RouteKey(const MSG& msg);
  // The text of the edit field; beeps and returns empty when there is none.
  std::string EditTextOrBeep() const;
  void OnMouseMove();
  void OnDropFiles(HDROP drop);
  // A left press at `press` (client coordinates) on `pressed` (the drop-down or its edit
  // field) may drag the selected entry out; true when the entry was dragged.
  bool StartDrag(POINT press, HWND pressed);
  void RevokeDropTarget();
  // Takes further rows from the row source for a moment; stops asking once it has them all.
  void TakeMoreRows();

  bool m_ownDrag = false;
  bool m_inline = false;
  std::unique_ptr<CPreviewWindow> m_preview;
  bool m_previewEnabled = false;
  HistoryRowPainter m_painter;
  HistoryComboOwner* m_owner = nullptr;
  HistoryRowSource* m_rowSource = nullptr;
  std::optional<OleSession> m_ole;
  ComRef<HistoryDropTarget> m_dropTarget;
};

}  // namespace pelmo
