#include "app/MainDialog.h"

#include <algorithm>

#include "app/MainFrame.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

void BeepExclamation() { ::MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace

CMainDialog::CMainDialog() : CDialog(IDD_MAIN) {}

BOOL CMainDialog::OnInitDialog() {
  m_minimizeButton.AutoLoad(IDC_MINIMIZE, m_hWnd);
  m_menuButton.AutoLoad(IDC_MENUPOP, m_hWnd);
  CDialog::OnInitDialog();
  m_history.AddView(&m_historyCombo);
  m_historyCombo.SetOwner(this);
  SetWindowText("Pelmo");

  m_editButton.LoadBitmap(IDB_EDIT, kTransparent);
  m_deleteButton.LoadBitmap(IDB_DELETE, kTransparent);
  m_upButton.LoadBitmap(IDB_UP, kTransparent);
  m_downButton.LoadBitmap(IDB_DOWN, kTransparent);
  m_calculatorButton.LoadBitmap(IDB_CALCULATOR, kTransparent);
  const struct {
    COXBitmapButton& button;
    const char* tip;
  } tipped[] = {{m_editButton, "Edit"}, {m_deleteButton, "Delete"}, {m_calculatorButton, "Calculator"}};
  for (const auto& b : tipped) {
    b.button.EnableToolTip(true);
    b.button.SetToolTipText(b.tip);
    b.button.SetFocusFrame(false);
  }
  m_upButton.SetFocusFrame(false);
  m_downButton.SetFocusFrame(false);

  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  // Joining delivers one WM_DRAWCLIPBOARD at once: the text already on the clipboard becomes
  // row 0, captured with the built-in option values.
  m_nextViewer = ::SetClipboardViewer(m_hWnd);

  FitWindowToControls();
  SetFrameCloseTarget(m_hWnd);
  return TRUE;
}

void CMainDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_MENUPOP, m_menuButton);
  DDX_Control(dx, ID_EDIT_ITEM, m_editButton);
  DDX_Control(dx, IDC_MINIMIZE, m_minimizeButton);
  DDX_Control(dx, ID_CALCULATOR, m_calculatorButton);
  DDX_Control(dx, IDC_DELETE_ITEM, m_deleteButton);
  DDX_Control(dx, IDC_UP, m_upButton);
  DDX_Control(dx, IDC_DOWN, m_downButton);
  DDX_Control(dx, IDC_HISTORY, m_historyCombo);
  DDX_Text(dx, IDC_HISTORY, m_editText);
}

void CMainDialog::FitWindowToControls() {
  RECT window, down, combo;
  ::GetWindowRect(m_hWnd, &window);
  ::GetWindowRect(m_downButton.m_hWnd, &down);
  ::GetWindowRect(m_historyCombo.m_hWnd, &combo);
  const int width = down.right - window.left + 6;
  const int height = std::max(combo.bottom, down.bottom) - window.top + 2;
  ::MoveWindow(m_hWnd, window.left, window.top, width, height, TRUE);
}

void CMainDialog::SetFrameCloseTarget(HWND target) const {
  // A close request to the hidden frame (the owner) must end the program through OnOK.
  if (auto* frame = dynamic_cast<CMainFrame*>(FromHandle(::GetWindow(m_hWnd, GW_OWNER))))
    frame->SetCloseTarget(target);
}

void CMainDialog::OnDrawClipboard() {
  if (m_autoFocus && m_rememberFlag) {
    HWND foreground = ::GetForegroundWindow();
    if (foreground != m_hWnd) m_targetWindow = foreground;
  }
  m_rememberFlag = 1;
  if (!m_skipFlag) {
    std::string text;
    {
      ClipboardSession clipboard(m_hWnd);
      text = clipboard.ReadText(m_oem ? CF_OEMTEXT : CF_TEXT);
    }
    const long long length = static_cast<long long>(text.size());
    if (!text.empty() && length <= m_lengthLimit) {
      m_history.InsertTop(std::move(text), m_pendingKind);
      m_pendingKind = kPlain;
      m_historyCombo.SetCurSel(0);
      m_history.EvictOverflow(m_itemMaximum);
    }
  }
  m_skipFlag = 0;
  if (m_nextViewer) ::SendMessageA(m_nextViewer, WM_DRAWCLIPBOARD, 0, 0);
}

void CMainDialog::OnChangeCbChain(HWND removed, HWND next) {
  if (removed == m_nextViewer)
    m_nextViewer = next;
  else if (m_nextViewer)
    ::SendMessageA(m_nextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                   reinterpret_cast<LPARAM>(next));
}

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
  m_history.Delete(row);
  SelectAndCopy(SelectionAfterDelete(row, m_history.Count()));
}

void CMainDialog::DeleteRest() {
  m_history.DeleteAll();
  OnDrawClipboard();
}

void CMainDialog::AddItem() {
  m_historyCombo.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  m_historyCombo.SendMessage(WM_COPY);
}

void CMainDialog::MarkItem() {
  const int row = m_historyCombo.GetCurSel();
  if (row < 0) return;
  m_history.At(row).kind = kMarked;
  m_history.Refresh(row);
  SelectAndCopy(row);
}

void CMainDialog::FindNext(const std::string& text) {
  if (m_history.Count() == 0) return BeepExclamation();
  const FindResult found = pelmo::FindNext(m_history, text, m_findPosition);
  m_findPosition = found.findPosition;
  if (found.row < 0) return BeepExclamation();
  if (!m_historyCombo.GetDroppedState()) m_historyCombo.SendMessage(CB_SHOWDROPDOWN, TRUE);
  m_historyCombo.SetCurSel(found.row);
  m_historyCombo.SetWindowText(text);
}

void CMainDialog::CopySelectedToClipboard(bool forced) {
  const int row = m_historyCombo.GetCurSel();
  if (row < 0) return;
  const HistoryItem* item = m_historyCombo.ItemAt(row);
  if (!item) return;
  ClipboardSession clipboard(m_hWnd);
  if (!clipboard.IsOpen()) return;
  // Our own write must not come back as a new entry, unless the user wants chosen entries on top.
  if (!m_keepTop || forced) m_skipFlag = 1;
  clipboard.WriteText(item->text);
}

bool CMainDialog::ReturnFocus() {
  if (!m_targetWindow || !m_autoFocus || m_historyCombo.GetDroppedState()) return false;
  if (!::IsWindow(m_targetWindow)) return false;
  ::SetForegroundWindow(m_targetWindow);
  return true;
}

void CMainDialog::SaveAll() {}

void CMainDialog::OnOK() {
  // Every way of ending comes through here; the first one saves and ends, later ones find the
  // window already ending.
  if (m_ended) return;
  m_ended = true;
  SaveAll();
  UpdateData(true);
  EndDialog(IDOK);
}

void CMainDialog::OnCancel() { OnOK(); }

bool CMainDialog::OnCommand(WORD id, WORD code, HWND) {
  switch (id) {
    case IDC_HISTORY:
      if (code == CBN_SELCHANGE) {
        CopySelectedToClipboard(false);
        ReturnFocus();
        return true;
      }
      return false;
    case IDC_UP:
      Up();
      return true;
    case IDC_DOWN:
      Down();
      return true;
    case IDC_DELETE_ITEM:
      DeleteItem();
      return true;
    case ID_DELETE_REST:
      DeleteRest();
      return true;
    case ID_ADD_ITEM:
      AddItem();
      return true;
    case ID_MARK_ITEM:
      MarkItem();
      return true;
    default:
      return false;
  }
}

LRESULT CMainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard();
      return 0;
    case WM_CHANGECBCHAIN:
      OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_LBUTTONDOWN: {
      // A press on the free area drags the window.
      const LRESULT result = Default(message, wParam, lParam);
      PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
      return result;
    }
    case WM_CLOSE:
      OnOK();
      return Default(message, wParam, lParam);
    case WM_QUERYENDSESSION:
      SaveAll();
      return Default(message, wParam, lParam);
    case WM_DESTROY:
      SetFrameCloseTarget(nullptr);
      ::ChangeClipboardChain(m_hWnd, m_nextViewer);
      return Default(message, wParam, lParam);
    default:
      return CDialog::WindowProc(message, wParam, lParam);
  }
}

}  // namespace pelmo
