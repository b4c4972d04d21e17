#include "app/StripInline.h"

namespace pelmo {

void StripInline::Toggle(Workspace& workspace, ClipboardPort& port, InlineOwner& owner,
                         HistoryComboOwner& comboOwner, int row) {
  if (m_window) {
    // The task buttons keep their shrunk width: the shell widens them again when it lays out.
    m_window.reset();
    return;
  }
  m_window = EnterInline(workspace, port, owner);
  if (!m_window) return;
  // The flag picks the Inline variants of the strip's operations.
  CHistoryCombo& combo = m_window->Combo();
  combo.SetOwner(&comboOwner);
  combo.SetInline(true);
  combo.SetPreview(workspace.options.preview != 0);
  combo.RegisterDropTarget();
  Refill(workspace.history, row);
}

void StripInline::Refill(History& history, int row) {
  if (!m_window) return;
  history.Refill(m_window->Combo());
  Select(row);
}

void StripInline::Select(int row) {
  if (m_window) m_window->Combo().SetCurSel(row);
}

void StripInline::SetPreview(bool preview) {
  if (m_window) m_window->Combo().SetPreview(preview);
}

}  // namespace pelmo
