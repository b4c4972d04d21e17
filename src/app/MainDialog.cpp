#include "app/MainDialog.h"

#include <windowsx.h>

#include <algorithm>

#include "app/AboutDialog.h"
#include "app/EditItemDialog.h"
#include "app/ExecuteText.h"
#include "app/MainFrame.h"
#include "app/PopupMenus.h"
#include "calc/CalculatorDialog.h"
#include "framework/BufferedFile.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr UINT_PTR kMinimizeTimer = 1;
constexpr UINT kMinimizeDelayMs = 300;
// The item menu opened from the keyboard appears this far into the window's client area.
constexpr int kKeyboardMenuOffset = 5;

void BeepExclamation() { ::MessageBeep(MB_ICONEXCLAMATION); }

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

Rect WindowRect(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

void MoveTopmost(HWND hwnd, Point to) {
  ::SetWindowPos(hwnd, HWND_TOPMOST, to.x, to.y, 0, 0, SWP_NOSIZE);
}

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

// Runs a save; a file that cannot be written is reported, and whoever asked goes on.
template <typename Save>
int SaveReportingFailure(Save save) {
  try {
    save();
  } catch (const FileError& e) {
    AppMessageBox(e.what(), MB_OK | MB_ICONHAND);
    return 0;
  }
  return 1;
}

void ReportDamagedFile(const std::string& path, const ArchiveError& error) {
  AppMessageBox("The file \"" + path + "\" is damaged (" + error.what() +
                    "). Everything read before that point has been kept.",
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CMainDialog::CMainDialog() : CDialog(IDD_MAIN) { m_trayIcon.Create(0); }

BOOL CMainDialog::OnInitDialog() {
  if (TakeFirstRun(m_profile)) {
    if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
  }
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

  RestorePosition();

  // Joining delivers one WM_DRAWCLIPBOARD at once: the text already on the clipboard becomes
  // row 0, captured with the built-in option values.
  m_nextViewer = ::SetClipboardViewer(m_hWnd);

  m_options = ReadSettings(m_profile);
  for (COXBitmapButton* button :
       {&m_editButton, &m_deleteButton, &m_calculatorButton, &m_upButton, &m_downButton})
    button->SetFlat(m_options.softButtons != 0);

  m_trayIcon.SetIcon(IDI_TRAY, true);
  m_trayIcon.SetTooltipText("Dadar Adedirude", true);
  m_trayIcon.Show();

  if (m_options.save) LoadSaveItems(1);
  LoadSaveQuickRep(1);

  FitWindowToControls();
  if (m_options.minimize) ::SetTimer(m_hWnd, kMinimizeTimer, kMinimizeDelayMs, nullptr);
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

void CMainDialog::RestorePosition() {
  if (const auto start = StartPosition(ReadPosition(m_profile), ScreenSize()))
    MoveTopmost(m_hWnd, *start);
  else
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDialog::ShowTrayMenu() { pelmo::ShowTrayMenu(m_hWnd, CursorPosition(), false); }

void CMainDialog::ShowItemMenuAtClientOrigin() {
  POINT origin{kKeyboardMenuOffset, kKeyboardMenuOffset};
  ::ClientToScreen(m_hWnd, &origin);
  ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, origin, false);
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

void CMainDialog::OnDrawClipboard() {
  if (m_options.autoFocus && m_rememberFlag) {
    HWND foreground = ::GetForegroundWindow();
    if (foreground != m_hWnd) m_targetWindow = foreground;
  }
  m_rememberFlag = 1;
  if (!m_skipFlag) {
    std::string text;
    {
      ClipboardSession clipboard(m_hWnd);
      text = clipboard.ReadText(m_options.oem ? CF_OEMTEXT : CF_TEXT);
    }
    const long long length = static_cast<long long>(text.size());
    if (!text.empty() && length <= m_options.ignoreMore) {
      m_history.InsertTop(std::move(text), m_pendingKind);
      m_pendingKind = kPlain;
      m_historyCombo.SetCurSel(0);
      m_history.EvictOverflow(m_options.deleteAfter);
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

void CMainDialog::EditItem() {
  CEditItemDialog editor;
  editor.m_bigFont = m_options.bigFont;
  int row = m_historyCombo.GetCurSel();
  if (row < 0) {
    // A new entry from the typed text; it is added even when empty, and evicts nothing.
    UpdateData(true);
    editor.m_text = m_editText;
    if (editor.DoModal() != IDOK) return;
    m_history.InsertTop(editor.m_text, kPlain);
    row = 0;
  } else {
    // The entry keeps its kind: a marked entry stays marked after an edit.
    HistoryItem& item = m_history.At(row);
    editor.m_text = item.text;
    if (editor.DoModal() != IDOK || editor.m_text == item.text) return;
    item.text = editor.m_text;
    m_history.Refresh(row);
  }
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
  ClipboardSession clipboard(m_hWnd);
  if (!clipboard.IsOpen()) return;
  // Our own write must not come back as a new entry, unless the user wants chosen entries on top.
  if (!m_options.keepTop || forced) m_skipFlag = 1;
  clipboard.WriteText(m_history.At(row).text);
}

bool CMainDialog::ReturnFocus() {
  if (!m_targetWindow || !m_options.autoFocus || m_historyCombo.GetDroppedState()) return false;
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
  m_historyCombo.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  ExecuteText(text, false);
}

int CMainDialog::LoadSaveItems(int load) {
  const std::string path = ItemFileName(ModuleFileName(), kItemsExtension);
  if (load) {
    Loaded<ItemsFile> loaded = LoadItemsFile(path);
    if (!loaded.opened) return 0;
    // A long history is appended in one go: room for every row at once, no repaint per row.
    const auto rows = static_cast<WPARAM>(loaded.content.history.size());
    m_historyCombo.SendMessage(CB_INITSTORAGE, rows, static_cast<LPARAM>(rows * kLabelBytes));
    m_historyCombo.SendMessage(WM_SETREDRAW, FALSE);
    for (std::string& text : loaded.content.history) m_history.AppendBottom(std::move(text));
    m_historyCombo.SendMessage(WM_SETREDRAW, TRUE);
    for (std::string& text : loaded.content.clipBook) m_clipBook.push_back(std::move(text));
    for (std::string& text : loaded.content.links) m_links.push_back(std::move(text));
    m_historyCombo.SetCurSel(0);
    if (loaded.error) ReportDamagedFile(path, *loaded.error);
    return 1;
  }
  ItemsFileView view;
  for (int row = 0; row < m_history.Count(); ++row) view.history.push_back(m_history.At(row).text);
  view.clipBook.assign(m_clipBook.begin(), m_clipBook.end());
  view.links.assign(m_links.begin(), m_links.end());
  return SaveReportingFailure([&] { SaveItemsFile(path, view); });
}

int CMainDialog::LoadSaveQuickRep(int load) {
  const std::string path = ItemFileName(ModuleFileName(), kQuickRepExtension);
  if (load) {
    Loaded<std::vector<QuickRepItem>> loaded = LoadQuickRepFile(path);
    if (!loaded.opened) return 0;
    for (QuickRepItem& pair : loaded.content) m_quickRep.push_back(std::move(pair));
    if (loaded.error) ReportDamagedFile(path, *loaded.error);
    return 1;
  }
  return SaveReportingFailure([&] { SaveQuickRepFile(path, m_quickRep); });
}

void CMainDialog::SaveAll() {
  SaveSettings(m_profile, m_options, WindowRect(m_hWnd));
  if (m_options.save) LoadSaveItems(0);
  LoadSaveQuickRep(0);
}

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
    case ID_EDIT_ITEM:
      EditItem();
      return true;
    case ID_ABOUT:
      CAboutDialog().DoModal();
      return true;
    case ID_HELP_TOPICS:
      if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
      return true;
    case IDC_MENUPOP:
      ShowWindowMenu(IDR_MAIN_MENU, m_hWnd, CursorPosition(), false);
      return true;
    case ID_CALCULATOR:
      ShowCalculator(*this, m_options.calculator);
      return true;
    // The tool windows behind these commands are not part of the program yet.
    case ID_SETTINGS:
    case ID_WEB:
    case ID_TO_CLIPBOOK:
    case ID_CLIPBOOK:
    case ID_QUICKREP:
    case ID_TO_QUICKREP:
    case ID_TOGGLE_DESKTOP:
    case ID_CONCATENATE:
    case ID_TOGGLE_INLINE:
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
    case WM_CONTEXTMENU:
      ShowWindowMenu(IDR_ITEM_MENU, m_hWnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, false);
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
      if (wParam != kMinimizeTimer) break;
      ::KillTimer(m_hWnd, kMinimizeTimer);
      MinimizeAction(true);
      return 0;
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
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace pelmo
