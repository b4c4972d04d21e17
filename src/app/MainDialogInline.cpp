// CMainDialog's side of Inline mode, and the options that act on the strip's controls at once
// when the settings window is confirmed.
#include "app/MainDialog.h"

namespace pelmo {

void CMainDialog::ToggleInline() {
  if (m_inline) {
    // The task buttons keep their shrunk width: the shell widens them again when it lays out.
    m_inline.reset();
    return;
  }
  m_inline = EnterInline(m_workspace, *this, *this);
  if (!m_inline) return;
  // The strip owns both drop-downs; the flag picks the Inline variants of its operations.
  CHistoryCombo& combo = m_inline->Combo();
  combo.SetOwner(this);
  combo.SetInline(true);
  combo.SetPreview(m_workspace.options.preview != 0);
  combo.RegisterDropTarget();
  RefillInline();
}

void CMainDialog::RefillInline() {
  if (!m_inline) return;
  CHistoryCombo& combo = m_inline->Combo();
  m_workspace.history.Refill(combo);
  combo.SetCurSel(m_historyCombo.GetCurSel());
}

void CMainDialog::RunOnEntry(WORD command, const HistoryItem* item) {
  const int row = m_workspace.history.RowOf(item);
  if (row < 0) return;
  m_historyCombo.SetCurSel(row);
  // Through the strip's own command routing, which waits while a tool window is open.
  OnCommand(command, BN_CLICKED, nullptr);
}

void CMainDialog::ApplySoftLook() {
  for (COXBitmapButton* button :
       {&m_editButton, &m_deleteButton, &m_calculatorButton, &m_upButton, &m_downButton})
    button->SetFlat(m_workspace.options.softButtons != 0);
}

void CMainDialog::ApplySettings() {
  // The rest acts when it is next used: the limits at the next capture, the editor's font when it
  // next opens, "Inline", "Minimize" and "Save" at the next start or save.
  ApplySoftLook();
  const bool preview = m_workspace.options.preview != 0;
  m_historyCombo.SetPreview(preview);
  if (m_inline) m_inline->Combo().SetPreview(preview);
}

}  // namespace pelmo
