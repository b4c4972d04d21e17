// CMainDialog's history commands and the history drop-down's requests: what the strip's buttons,
// the item menu, the drop-down's keys, its mouse and drops do to the history; and Inline mode.
#include "app/EditItemDialog.h"
#include "app/MainDialog.h"
#include "app/WindowsShell.h"
#include "model/HistoryCommands.h"
#include "resource.h"

namespace pelmo {

namespace {

void BeepExclamation() {
  ::MessageBeep(MB_ICONEXCLAMATION);
}

}  // namespace

void CMainDialog::PutBackSelected(bool forced) {
  const int row = m_controls.history.GetCurSel();
  if (row >= 0) m_port.PutBack(m_workspace.history.At(row), forced);
}

void CMainDialog::SelectAndCopy(std::optional<int> row) {
  if (!row) return;
  m_controls.history.SetCurSel(*row);
  PutBackSelected(true);
  RefillInline();
}

void CMainDialog::Step(std::optional<int> row) {
  if (!row) return BeepExclamation();
  m_controls.history.SetCurSel(*row);
  PutBackSelected(true);
  ReturnFocus();
}

void CMainDialog::EditItem() {
  CHistoryCombo& combo = m_controls.history;
  // The entry is held, not its row: while the editor is open, copies elsewhere add and evict rows.
  HistoryItem* item = combo.ItemAt(combo.GetCurSel());
  const std::optional<HistoryItem> edited = ShowEditItem(
      {m_workspace, m_port, *this}, item ? *item : HistoryItem{combo.GetWindowText(), {}});
  if (edited) SelectAndCopy(StoreEdit(m_workspace.history, item, edited->text, edited->wide));
}

void CMainDialog::TakeInShared() {
  m_files.TakeItemsRead();  // the saved entries first: they are older
  const HistoryItem* newest = m_sync.TakeIn();
  if (!newest) return;
  if (m_sync.ToClipboard()) {
    m_controls.history.SetCurSel(0);
    m_port.PutBack(*newest, true);
  }
  RefillInline();
}

void CMainDialog::FindNext(CHistoryCombo& combo, const std::u16string& text) {
  const History& history = m_workspace.history;
  if (history.Count() == 0) return BeepExclamation();
  const FindResult found = pelmo::FindNext(history, text, m_findPosition);
  m_findPosition = found.findPosition;
  if (found.row < 0) return BeepExclamation();
  if (!combo.GetDroppedState()) combo.ShowDropDown(true);
  combo.SetCurSel(found.row);
  combo.SetEditText(text);
}

void CMainDialog::ExecuteEditText() {
  const std::string text = m_controls.history.GetWindowText();
  if (text.empty()) return BeepExclamation();
  m_controls.history.SelectAllText();
  ExecuteWithShell(text, false);
}

void CMainDialog::RunOnEntry(WORD command, const HistoryItem* item) {
  const int row = m_workspace.history.RowOf(item);
  if (row < 0) return;
  m_controls.history.SetCurSel(row);
  // Through the strip's own command routing, which waits while a tool window is open.
  OnCommand(command, BN_CLICKED, nullptr);
}

void CMainDialog::ApplySettings() {
  // The rest acts when it is next used: the limits at the next capture, the editor's font when it
  // next opens, "Inline", "Minimize" and "Save" at the next start or save.
  m_controls.SetFlat(m_workspace.options.softButtons != 0);
  TakeQuickWindowKey();
  m_controls.history.SetPreview(m_workspace.options.preview != 0);
  m_inline.SetPreview(m_workspace.options.preview != 0);
}

}  // namespace pelmo
