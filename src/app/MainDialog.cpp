#include "app/MainDialog.h"

#include <windowsx.h>

#include "app/MainFrame.h"
#include "app/PopupMenus.h"
#include "app/RunningCopy.h"
#include "app/StripTimers.h"
#include "app/ToolCommands.h"
#include "framework/WindowMessages.h"
#include "model/HistoryCommands.h"
#include "resource.h"
#include "sync/SyncDialog.h"
#include "tools/QuickWindow.h"
#include "tools/SettingsDialog.h"

namespace pelmo {

CMainDialog::CMainDialog(Workspace& workspace)
    : CDialog(IDD_MAIN),
      m_workspace(workspace),
      m_port(workspace, {[this] {
                           m_controls.history.SetCurSel(0);
                           m_inline.Select(0);
                         },
                         [this] { return m_controls.history.GetDroppedState(); }}),
      // The top row, also when the clipboard held no text to capture at start.
      m_files(workspace, [this] {
        if (m_controls.history.GetCurSel() < 0) m_controls.history.SetCurSel(0);
      }) {}

BOOL CMainDialog::OnInitDialog() {
  const bool firstRun = m_placement.TakeFirstRun();
  m_controls.AutoLoad(m_hWnd);
  CDialog::OnInitDialog();
  CHistoryCombo& combo = m_controls.history;
  m_workspace.history.AddView(&combo);
  combo.SetOwner(this);
  SetWindowText("Pelmo");
  m_controls.SetUpTools();
  m_placement.Restore(m_hWnd);

  // The text already on the clipboard becomes row 0, captured with the built-in option values.
  m_port.Attach(m_hWnd);
  m_viewer.Join(m_hWnd);

  const Settings& options = m_workspace.options = m_placement.ReadSettings();
  m_controls.SetFlat(options.softButtons != 0);

  if (options.save) m_files.StartItemsRead(m_hWnd);
  m_files.LoadQuickRep();
  ::SetTimer(m_hWnd, kPaintedTimer, 0, nullptr);
  StripPlacement::FitAround(m_hWnd, m_controls.down.m_hWnd, combo.m_hWnd, m_controls.menu.m_hWnd);
  if (options.minimize) StripPlacement::MinimizeSoon(m_hWnd);
  SetFrameCloseTarget(m_hWnd);
  combo.SetPreview(options.preview != 0);
  if (options.inlineMode) ToggleInline();
  // Once the strip stands where it will be seen, so that the help can open clear of it.
  if (firstRun) RunToolCommand(ID_HELP_TOPICS, {m_workspace, m_port, *this}, nullptr);
  return TRUE;
}

BOOL CMainDialog::PreTranslateMessage(MSG* msg) {
  const bool shiftF10 = (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) &&
                        msg->wParam == VK_F10 && KeyHeld(VK_SHIFT);
  if (!shiftF10 && msg->message != WM_CONTEXTMENU) return CDialog::PreTranslateMessage(msg);
  ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, KeyboardMenuPosition(m_hWnd), m_inline.On());
  return TRUE;
}

void CMainDialog::StartUnseenParts() {
  // Not seen in the window and not needed before a user can act, they wait until it has been
  // painted: under Wine the shell's answer to the tray icon alone takes milliseconds, and the drop
  // target starts a thread.
  m_trayIcon.Start();
  TakeQuickWindowKey();
  m_port.Capture().UseListener(&m_sync);
  m_sync.Start(m_hWnd, [this](const std::string& problem) {
    m_trayIcon.ShowBalloon("Pelmo: sharing with other computers", problem);
  });
  m_controls.history.RegisterDropTarget();
}

void CMainDialog::TakeQuickWindowKey() {
  const std::string key = m_placement.QuickWindowKey();
  const std::string problem = m_hotKey.Take(m_hWnd, key);
  // Never a message box: the strip must not wait for an answer at every start.
  if (!problem.empty())
    m_placement.TellOncePerKey(
        key, [&] { return m_trayIcon.ShowBalloon("Pelmo: the quick window's key", problem); });
}

void CMainDialog::SetFrameCloseTarget(HWND target) const {
  // A close request to the hidden frame (the owner) must end the program through OnOK.
  if (auto* frame = dynamic_cast<CMainFrame*>(FromHandle(::GetWindow(m_hWnd, GW_OWNER))))
    frame->SetCloseTarget(target);
}

void CMainDialog::SaveAll() {
  m_placement.Save(m_hWnd, m_workspace.options);
  m_files.Save(m_workspace.options.save != 0);
}

void CMainDialog::OnOK() {
  // Every way of ending comes through here. Tool windows still open are cancelled first, and the
  // close comes back once they are gone, so that nothing they change is left out of the save.
  if (m_ended) return;
  if (CDialog::CancelModalsAbove(this)) {
    PostMessage(WM_CLOSE);
    return;
  }
  m_ended = true;
  SaveAll();
  EndDialog(IDOK);
}

bool CMainDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_HISTORY) {
    if (code != CBN_SELCHANGE) return false;
    PutBackSelected(false);
    ReturnFocus();
    return true;
  }
  // Buttons act on a click only: an owner-drawn button also reports double clicks.
  if (control && code != BN_CLICKED) return false;
  // While a tool window is open the strip waits for it; the tray's Open still works.
  if (CDialog* tool = CDialog::ActiveModal(); tool && tool != this && id != ID_OPEN) {
    ::SetForegroundWindow(tool->m_hWnd);
    return true;
  }
  return RunCommand(id);
}

bool CMainDialog::RunCommand(WORD id) {
  m_files.TakeItemsRead();
  CHistoryCombo& combo = m_controls.history;
  const int row = combo.GetCurSel();
  History& history = m_workspace.history;
  switch (id) {
    case IDC_UP:
      Step(UpTarget(row, combo.GetCount()));
      break;
    case IDC_DOWN:
      Step(DownTarget(row, combo.GetCount()));
      break;
    case IDC_DELETE_ITEM:
      SelectAndCopy(DeleteEntry(history, row));
      break;
    case ID_MARK_ITEM:
      SelectAndCopy(MarkEntry(history, row));
      break;
    case ID_EDIT_ITEM:
      EditItem();
      break;
    case ID_DELETE_REST:
      history.DeleteAll();
      // The text on the clipboard stays as the one entry.
      m_viewer.CaptureNow();
      RefillInline();
      break;
    case ID_ADD_ITEM:
      AddItem();
      break;
    case IDC_MENUPOP:
      ShowWindowMenu(IDR_MAIN_MENU, m_hWnd, CursorPosition(), m_inline.On());
      break;
    case ID_SETTINGS:
      if (ShowSettings({m_workspace, m_port, *this})) ApplySettings();
      break;
    case ID_SYNC: {
      SyncSettings settings = m_sync.Settings();
      if (ShowSync({m_workspace, m_port, *this}, settings)) m_sync.Change(settings);
      break;
    }
    case ID_TOGGLE_INLINE:
      ToggleInline();
      break;
    case IDC_MINIMIZE:
      m_placement.Minimize(m_hWnd);
      break;
    case ID_OPEN:
      m_placement.Open(m_hWnd);
      break;
    case ID_QUICK_WINDOW:
      m_port.RememberTarget();
      ShowQuickWindow({m_workspace, m_port, *this});
      break;
    case ID_SAVE_NOW:
      m_files.Save(true);
      break;
    case ID_EXECUTE:
      ExecuteEditText();
      break;
    default:
      return RunToolCommand(id, {m_workspace, m_port, *this}, combo.ItemAt(row));
  }
  return true;
}

LRESULT CMainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_viewer.OnMessage(message, wParam, lParam)) return 0;
  if (message == RunningCopy::OpenMessage()) {
    m_placement.Open(m_hWnd);
    return 0;
  }
  switch (message) {
    case WM_ITEMS_READ:
      m_files.TakeItemsRead();
      return 0;
    case WM_SYNC_FOLDER_CHANGED:
      TakeInShared();
      return 0;
    case WM_CONTEXTMENU:
      ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                     m_inline.On());
      return 0;
    case WM_LBUTTONDOWN: {
      // A press on the free area drags the window.
      const LRESULT result = Default(message, wParam, lParam);
      PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
      return result;
    }
    case WM_HOTKEY:
      if (wParam == QuickWindowHotKey::kId) OnCommand(ID_QUICK_WINDOW, 0, nullptr);
      return 0;
    case WM_TIMER:
      if (wParam == kPaintedTimer) {
        ::KillTimer(m_hWnd, kPaintedTimer);
        StartUnseenParts();
        return 0;
      }
      if (m_placement.OnTimer(m_hWnd, wParam)) return 0;
      break;
    case WM_CLOSE:
      OnOK();
      return 0;
    case WM_QUERYENDSESSION:
      SaveAll();
      return Default(message, wParam, lParam);
    case WM_DESTROY:
      SetFrameCloseTarget(nullptr);
      m_inline.Close();
      m_hotKey.Release();
      m_viewer.Leave();
      return Default(message, wParam, lParam);
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace pelmo
