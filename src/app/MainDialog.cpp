#include "app/MainDialog.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <chrono>
#include <system_error>

#include "app/AboutDialog.h"
#include "app/MainFrame.h"
#include "app/PopupMenus.h"
#include "calc/CalculatorDialog.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "framework/ModulePath.h"
#include "framework/SystemCodePage.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "framework/WindowMessages.h"
#include "resource.h"
#include "tools/ClipBookDialog.h"
#include "tools/ClipBookEntryDialog.h"
#include "tools/ConcatenateDialog.h"
#include "tools/DesktopToggle.h"
#include "tools/QuickReplaceDialog.h"
#include "tools/SettingsDialog.h"
#include "tools/ShortcutDialog.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {

namespace {

constexpr UINT_PTR kMinimizeTimer = 1;
constexpr UINT kMinimizeDelayMs = 300;
// A program that has just copied may hold the clipboard open for a while: the capture reads it
// again when this timer fires (RetrySchedule).
constexpr UINT_PTR kCaptureRetryTimer = 2;
// The item menu opened from the keyboard appears this far into the window's client area.
constexpr int kKeyboardMenuOffset = 5;

POINT CursorPosition() {
  POINT point{};
  ::GetCursorPos(&point);
  return point;
}

Size ScreenSize() {
  RECT screen;
  ::GetClientRect(::GetDesktopWindow(), &screen);
  return {screen.right - screen.left, screen.bottom - screen.top};
}

void MoveTopmost(HWND hwnd, Point to) {
  ::SetWindowPos(hwnd, HWND_TOPMOST, to.x, to.y, 0, 0, SWP_NOSIZE);
}

// Tells the user what went wrong with a file; returns 1 when it was done.
int Reported(const FileOutcome& outcome, UINT icon) {
  if (!outcome.problem.empty()) AppMessageBox(outcome.problem, MB_OK | icon);
  return outcome.done ? 1 : 0;
}

}  // namespace

CMainDialog::CMainDialog() : CDialog(IDD_MAIN), m_workspace(ModuleFileName()) {
  m_trayIcon.Create(0);
}

BOOL CMainDialog::OnInitDialog() {
  if (TakeFirstRun(m_profile)) {
    if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
  }
  m_minimizeButton.AutoLoad(IDC_MINIMIZE, m_hWnd);
  m_menuButton.AutoLoad(IDC_MENUPOP, m_hWnd);
  CDialog::OnInitDialog();
  m_workspace.history.AddView(&m_historyCombo);
  m_historyCombo.SetOwner(this);
  SetWindowText("Pelmo");

  // Raised until ApplySoftLook below.
  SetUpToolButtons({{m_editButton, IDB_EDIT, "Edit"},
                    {m_deleteButton, IDB_DELETE, "Delete"},
                    {m_upButton, IDB_UP},
                    {m_downButton, IDB_DOWN},
                    {m_calculatorButton, IDB_CALCULATOR, "Calculator"}});

  RestorePosition();

  // The text already on the clipboard becomes row 0, captured with the built-in option values.
  JoinViewerChain();

  Settings& options = m_workspace.options;
  options = ReadSettings(m_profile);
  ApplySoftLook();

  m_trayIcon.SetIcon(IDI_TRAY, true);
  m_trayIcon.SetTooltipText("Dadar Adedirude", true);
  m_trayIcon.Show();

  if (options.save) LoadSaveItems(1);
  LoadSaveQuickRep(1);
  m_historyCombo.RegisterDropTarget();

  FitWindowToControls();
  if (options.minimize) ::SetTimer(m_hWnd, kMinimizeTimer, kMinimizeDelayMs, nullptr);
  SetFrameCloseTarget(m_hWnd);
  m_historyCombo.SetPreview(options.preview != 0);
  if (options.inlineMode) ToggleInline();
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

void CMainDialog::RestorePosition() {
  if (const auto start = StartPosition(ReadPosition(m_profile), ScreenSize()))
    MoveTopmost(m_hWnd, *start);
  else
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDialog::ShowTrayMenu() {
  pelmo::ShowTrayMenu(m_hWnd, CursorPosition(), InlineOn());
}

void CMainDialog::ShowItemMenuAtClientOrigin() {
  POINT origin{kKeyboardMenuOffset, kKeyboardMenuOffset};
  ::ClientToScreen(m_hWnd, &origin);
  ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, origin, InlineOn());
}

BOOL CMainDialog::PreTranslateMessage(MSG* msg) {
  const bool shiftF10 = (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) &&
                        msg->wParam == VK_F10 && (::GetKeyState(VK_SHIFT) & 0x8000);
  if (shiftF10 || msg->message == WM_CONTEXTMENU) {
    ShowItemMenuAtClientOrigin();
    return TRUE;
  }
  return CDialog::PreTranslateMessage(msg);
}

void CMainDialog::MinimizeAction(bool minimize) {
  if (minimize) {
    const Rect window = WindowRect(m_hWnd);
    WritePosition(m_profile, {window.left, window.top});
    MoveTopmost(m_hWnd, MinimizedPosition(window));
  } else {
    MoveTopmost(m_hWnd, OpenPosition(ReadPosition(m_profile), ScreenSize()));
    ::BringWindowToTop(m_hWnd);
  }
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

void CMainDialog::RememberTarget() {
  HWND foreground = ::GetForegroundWindow();
  if (foreground != m_hWnd) m_targetWindow = foreground;
}

std::optional<ClipboardRead> CMainDialog::ReadClipboard(bool oem, size_t maxBytes) {
  ClipboardSession clipboard(m_hWnd);
  if (!clipboard.IsOpen()) return std::nullopt;
  if (clipboard.AsksNotToBeRecorded()) return ClipboardRead::Private();
  ClipboardRead read;
  if (!oem && clipboard.UnicodeTextFirst()) {
    // Read alone and converted here as the system converts it: under Wine, every read of a format
    // that the system makes from another, or of one read already, leaks a block of memory. A
    // character takes at most two units, so this many make at least `maxBytes` ANSI bytes.
    const size_t maxUnits = maxBytes <= SIZE_MAX / 2 ? 2 * maxBytes : SIZE_MAX;
    std::u16string wide = clipboard.ReadWideText(maxUnits);
    read.text = ToSystemAnsi(wide).substr(0, maxBytes);
    if (read.text.size() < maxBytes) read.wide = WideIfLostInAnsi(std::move(wide), read.text);
    return read;
  }
  read.text = clipboard.ReadText(oem ? CF_OEMTEXT : CF_TEXT, maxBytes);
  // A cut text is refused anyway: its wide form is never read.
  if (read.text.size() < maxBytes) read.wide = clipboard.ReadWideTextLostIn(read.text);
  return read;
}

void CMainDialog::SelectNewEntry() {
  m_historyCombo.SetCurSel(0);
  if (m_inline) m_inline->Combo().SetCurSel(0);
}

bool CMainDialog::PutReplacement(const std::string& text, bool paste) {
  if (!WriteClipboardText(m_hWnd, text)) return false;
  if (paste && m_targetWindow && ::IsWindow(m_targetWindow)) {
    // Pasted over the selection the shortcut was copied from; no key-up follows.
    ::SetForegroundWindow(m_targetWindow);
    ::PostMessageA(m_targetWindow, WM_KEYDOWN, VK_CONTROL, 0);
    ::PostMessageA(m_targetWindow, WM_KEYDOWN, 'V', 0);
  }
  return true;
}

void CMainDialog::CaptureChange() {
  const CaptureResult result = m_healing ? m_capture.OnHeal() : m_capture.OnChange();
  if (result == CaptureResult::kBusy)
    ::SetTimer(m_hWnd, kCaptureRetryTimer, m_retrySchedule.Start(), nullptr);
}

void CMainDialog::RetryCapture() {
  if (m_capture.Retry() != CaptureResult::kBusy) {
    // The read may have found a newer change than the one notified: its own notification, when
    // it comes, brings nothing new.
    m_capturedSequence = ::GetClipboardSequenceNumber();
  } else if (const std::optional<unsigned> wait = m_retrySchedule.Next()) {
    ::SetTimer(m_hWnd, kCaptureRetryTimer, *wait, nullptr);
    return;
  }
  StopCaptureRetry();
}

void CMainDialog::StopCaptureRetry() {
  ::KillTimer(m_hWnd, kCaptureRetryTimer);
}

int CMainDialog::LoadSaveItems(int load) {
  if (!load) {
    TakeReadItems();
    return Reported(m_workspace.SaveItems(), MB_ICONHAND);
  }
  try {
    m_itemsRead =
        std::async(std::launch::async, [path = m_workspace.Files().ItemsPath(), window = m_hWnd] {
          Loaded<ItemsFile> read = ReadItemsFile(path);
          ::PostMessageA(window, WM_ITEMS_READ, 0, 0);
          return read;
        });
  } catch (const std::system_error&) {
    m_itemsRead = std::async(std::launch::deferred, ReadItemsFile, m_workspace.Files().ItemsPath());
    TakeReadItems();
  }
  return 1;
}

void CMainDialog::TakeReadItems() {
  if (!m_itemsRead.valid()) return;
  if (m_itemsRead.wait_for(std::chrono::seconds(0)) == std::future_status::timeout) {
    WaitCursor wait;
    m_itemsRead.wait();
  }
  const FileOutcome outcome = m_workspace.TakeItems(m_itemsRead.get());
  // The top row, also when the clipboard held no text to capture at start.
  if (m_historyCombo.GetCurSel() < 0) m_historyCombo.SetCurSel(0);
  Reported(outcome, MB_ICONEXCLAMATION);
}

int CMainDialog::LoadSaveQuickRep(int load) {
  if (load) return Reported(m_workspace.LoadQuickRep(), MB_ICONEXCLAMATION);
  return Reported(m_workspace.SaveQuickRep(), MB_ICONHAND);
}

void CMainDialog::SaveAll() {
  SaveSettings(m_profile, m_workspace.options, WindowRect(m_hWnd));
  if (m_workspace.options.save) LoadSaveItems(0);
  LoadSaveQuickRep(0);
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
  UpdateData(true);
  EndDialog(IDOK);
}

void CMainDialog::OnCancel() { OnOK(); }

bool CMainDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_HISTORY) {
    if (code != CBN_SELCHANGE) return false;
    CopySelectedToClipboard(false);
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
  TakeReadItems();
  switch (id) {
    case IDC_UP:
      Up();
      return true;
    case IDC_DOWN:
      Down();
      return true;
    case IDC_DELETE_ITEM:
      DeleteItem();
      RefillInline();
      return true;
    case ID_DELETE_REST:
      DeleteRest();
      RefillInline();
      return true;
    case ID_ADD_ITEM:
      AddItem();
      return true;
    case ID_MARK_ITEM:
      MarkItem();
      RefillInline();
      return true;
    case ID_EDIT_ITEM:
      EditItem();
      RefillInline();
      return true;
    case ID_ABOUT:
      ShowAbout({m_workspace, *this, *this});
      return true;
    case ID_HELP_TOPICS:
      if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
      return true;
    case IDC_MENUPOP:
      ShowWindowMenu(IDR_MAIN_MENU, m_hWnd, CursorPosition(), InlineOn());
      return true;
    case ID_CALCULATOR:
      ShowCalculator({m_workspace, *this, *this});
      return true;
    case ID_SETTINGS:
      if (ShowSettings({m_workspace, *this, *this})) ApplySettings();
      return true;
    case ID_TOGGLE_DESKTOP:
      ToggleDesktop();
      return true;
    case ID_TOGGLE_INLINE:
      ToggleInline();
      return true;
    case ID_WEB:
      ShowWebCaptures({m_workspace, *this, *this});
      return true;
    case ID_TO_CLIPBOOK:
      ToClipBook({m_workspace, *this, *this}, m_historyCombo.ItemAt(m_historyCombo.GetCurSel()));
      return true;
    case ID_CLIPBOOK:
      ShowClipBook({m_workspace, *this, *this});
      return true;
    case ID_TO_QUICKREP:
      ToQuickRep({m_workspace, *this, *this}, m_historyCombo.ItemAt(m_historyCombo.GetCurSel()));
      return true;
    case ID_QUICKREP:
      ShowQuickReplace({m_workspace, *this, *this});
      return true;
    case ID_CONCATENATE:
      ShowConcatenate({m_workspace, *this, *this});
      return true;
    case IDC_MINIMIZE:
      MinimizeAction(true);
      return true;
    case ID_OPEN:
      MinimizeAction(false);
      return true;
    case ID_SAVE_NOW:
      LoadSaveItems(0);
      LoadSaveQuickRep(0);
      return true;
    case ID_EXECUTE:
      ExecuteEditText();
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
    case WM_ITEMS_READ:
      TakeReadItems();
      return 0;
    case WM_CONTEXTMENU:
      ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                     InlineOn());
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
    case WM_TIMER:
      if (wParam == kCaptureRetryTimer) {
        RetryCapture();
        return 0;
      }
      if (wParam == kChainCheckTimer) {
        CheckViewerChain();
        return 0;
      }
      if (wParam != kMinimizeTimer) break;
      ::KillTimer(m_hWnd, kMinimizeTimer);
      MinimizeAction(true);
      return 0;
    case WM_CLOSE:
      OnOK();
      return 0;
    case WM_QUERYENDSESSION:
      SaveAll();
      return Default(message, wParam, lParam);
    case WM_DESTROY:
      SetFrameCloseTarget(nullptr);
      m_inline.reset();
      ::ChangeClipboardChain(m_hWnd, m_nextViewer);
      return Default(message, wParam, lParam);
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace pelmo
