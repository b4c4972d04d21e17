// CMainDialog as the history drop-down's owner: what its mouse, Shift+Enter and drops ask of
// the strip.
#include "app/MainDialog.h"
#include "framework/Clipboard.h"
#include "resource.h"

namespace pelmo {

void CMainDialog::AddToClipBook() {
  RunCommand(ID_TO_CLIPBOOK);
}

void CMainDialog::FollowMouse() {
  if (!m_workspace.options.autoFocus) return;
  HWND foreground = ::GetForegroundWindow();
  if (foreground == m_hWnd) return;
  // Pasting and Escape go back to the window the user came from.
  m_targetWindow = foreground;
  ::SetForegroundWindow(m_hWnd);
  ::SetFocus(m_historyCombo.m_hWnd);
}

void CMainDialog::TakeDroppedFiles(const std::string& paths) {
  HistoryItem names;
  names.text = paths;
  CopyAs(names, kDroppedFiles);
}

void CMainDialog::TakeDroppedText(const std::string& text) {
  WriteClipboardText(m_hWnd, text);
}

}  // namespace pelmo
