// CMainDialog's history operations and the putting back of entries: what the strip's buttons,
// the item menu and the drop-down's keys do to the history.
#include "app/EditItemDialog.h"
#include "app/ExecuteText.h"
#include "app/MainDialog.h"
#include "framework/Clipboard.h"
#include "framework/WinApp.h"

namespace pelmo {

namespace {

void BeepExclamation() { ::MessageBeep(MB_ICONEXCLAMATION); }

// The shell as the program uses it: the hidden frame owns whatever it shows.
class WindowsShell : public Shell {
 public:
  std::intptr_t Execute(const ShellRequest& request) override {
    const CWinApp* app = AfxGetApp();
    HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteA(owner, request.verb.c_str(), request.file.c_str(),
                        request.parameters.c_str(), nullptr, SW_SHOW));
  }
};

}  // namespace

void CMainDialog::SelectAndCopy(int row) {
  m_historyCombo.SetCurSel(row);
  CopySelectedToClipboard(true);
}

void CMainDialog::Up() {
  const auto row = UpTarget(m_historyCombo.GetCurSel(), m_historyCombo.GetCount());
  if (!row) return BeepExclamation();
  SelectAndCopy(*row);
  ReturnFocus();
}

void CMainDialog::Down() {
  const auto row = DownTarget(m_historyCombo.GetCurSel(), m_historyCombo.GetCount());
  if (!row) return BeepExclamation();
  SelectAndCopy(*row);
  ReturnFocus();
}

void CMainDialog::DeleteItem() {
  const int row = m_historyCombo.GetCurSel();
  if (row < 0) return;
  History& history = m_workspace.history;
  history.Delete(row);
  SelectAndCopy(SelectionAfterDelete(row, history.Count()));
}

void CMainDialog::DeleteRest() {
  m_workspace.history.DeleteAll();
  // The text on the clipboard stays as the one entry; no viewer is told of a change that the
  // clipboard did not make.
  StopCaptureRetry();
  CaptureChange();
}

void CMainDialog::AddItem() {
  m_historyCombo.SelectAllText();
  m_historyCombo.Copy();
}

void CMainDialog::MarkItem() {
  const int row = m_historyCombo.GetCurSel();
  if (row < 0) return;
  m_workspace.history.At(row).kind = kMarked;
  m_workspace.history.Refresh(row);
  SelectAndCopy(row);
}

void CMainDialog::EditItem() {
  History& history = m_workspace.history;
  // The entry is held, not its row: while the editor is open, copies elsewhere add and evict rows.
  HistoryItem* item = m_historyCombo.ItemAt(m_historyCombo.GetCurSel());
  HistoryItem shown;
  if (item) {
    shown = *item;
  } else {
    UpdateData(true);
    shown.text = m_editText;
  }
  const std::optional<HistoryItem> edited = ShowEditItem({m_workspace, *this, *this}, shown);
  if (!edited) return;
  const int row = item ? history.RowOf(item) : -1;
  if (row < 0) {
    // The typed text, or an entry that left the history while it was edited, becomes a new
    // entry; it is added even when empty, and evicts nothing.
    history.InsertTop(edited->text, kPlain, edited->wide);
    return SelectAndCopy(0);
  }
  if (edited->text == item->text && edited->wide == item->wide) return;
  // The entry keeps its kind: a marked entry stays marked after an edit.
  item->text = edited->text;
  item->wide = edited->wide;
  history.Refresh(row);
  SelectAndCopy(row);
}

void CMainDialog::FindNext(CHistoryCombo& combo, const std::string& text) {
  const History& history = m_workspace.history;
  if (history.Count() == 0) return BeepExclamation();
  const FindResult found = pelmo::FindNext(history, text, m_findPosition);
  m_findPosition = found.findPosition;
  if (found.row < 0) return BeepExclamation();
  if (!combo.GetDroppedState()) combo.ShowDropDown(true);
  combo.SetCurSel(found.row);
  combo.SetWindowText(text);
}

void CMainDialog::CopySelectedToClipboard(bool forced) {
  const int row = m_historyCombo.GetCurSel();
  if (row >= 0) PutBack(m_workspace.history.At(row), forced);
}

void CMainDialog::PutBack(const HistoryItem& item, bool forced) {
  ClipboardSession clipboard(m_hWnd);
  if (!clipboard.IsOpen()) return;
  // Our own write must not come back as a new entry, unless the user wants chosen entries on top.
  if (!m_workspace.options.keepTop || forced) m_capture.SkipNextChange();
  if (!clipboard.WriteText(item.text, item.wide)) m_capture.CancelSkip();
}

void CMainDialog::CopyAs(const HistoryItem& text, int kind) {
  ClipboardSession clipboard(m_hWnd);
  if (!clipboard.IsOpen()) return;
  m_capture.SetPendingKind(kind);
  // Without the write no change comes to take the kind: the next copy must not get it.
  if (!clipboard.WriteText(text.text, text.wide)) m_capture.SetPendingKind(kPlain);
}

void CMainDialog::CopyFromOwnWindow(const HistoryItem& text) {
  // One of our windows is in the foreground now: the copy's capture keeps the window the user
  // came from.
  m_capture.KeepTarget();
  WriteClipboardText(m_hWnd, text.text, text.wide);
}

bool CMainDialog::ReturnFocus() {
  if (!m_targetWindow || !m_workspace.options.autoFocus || m_historyCombo.GetDroppedState())
    return false;
  if (!::IsWindow(m_targetWindow)) return false;
  ::SetForegroundWindow(m_targetWindow);
  return true;
}

void CMainDialog::ExecuteText(const std::string& text, bool explore) {
  WindowsShell shell;
  if (const auto message = pelmo::ExecuteText(text, explore, shell))
    AppMessageBox(*message, MB_OK | MB_ICONHAND);
}

void CMainDialog::ExecuteEditText() {
  const std::string text = m_historyCombo.GetWindowText();
  if (text.empty()) return BeepExclamation();
  m_historyCombo.SelectAllText();
  ExecuteText(text, false);
}

}  // namespace pelmo
