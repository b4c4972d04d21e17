#include "framework/Dialog.h"

#include <algorithm>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

namespace pelmo {

namespace {
// The dialog whose window is being created on this thread; its first message binds it.
thread_local CDialog* t_creatingDialog = nullptr;
// The modal dialogs running on this thread, outermost first.
thread_local std::vector<CDialog*> t_modals;
}  // namespace

CDialog* CDialog::ActiveModal() { return t_modals.empty() ? nullptr : t_modals.back(); }

bool CDialog::CancelModalsAbove(const CDialog* base) {
  const auto found = std::find(t_modals.begin(), t_modals.end(), base);
  const auto first = found == t_modals.end() ? t_modals.begin() : found + 1;
  // OnCancel may run code of the dialog; work on a copy of the list.
  const std::vector<CDialog*> above(first, t_modals.end());
  for (auto it = above.rbegin(); it != above.rend(); ++it) (*it)->OnCancel();
  return !above.empty();
}

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

HWND CDialog::OwnerWindow() const {
  if (m_parent) return m_parent->m_hWnd;
  const CWinApp* app = AfxGetApp();
  return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT, WPARAM, LPARAM) {
  // Only binds: from then on the window's messages reach WindowProc through our window procedure,
  // and the dialog manager's defaults come from Default().
  if (t_creatingDialog && !FromHandle(hwnd)) {
    CDialog* dialog = t_creatingDialog;
    t_creatingDialog = nullptr;
    dialog->SubclassWindow(hwnd);
  }
  return FALSE;
}

bool CDialog::CreateFromTemplate(HWND owner) {
  t_creatingDialog = this;
  HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                   owner, StaticDialogProc, 0);
  t_creatingDialog = nullptr;
  return hwnd != nullptr;
}

bool CDialog::Create(HWND parent) {
  m_modal = false;
  return CreateFromTemplate(parent);
}

INT_PTR CDialog::DoModal() {
  HWND owner = OwnerWindow();
  const bool disableOwner = owner && ::IsWindowEnabled(owner);
  if (disableOwner) ::EnableWindow(owner, FALSE);
  m_modal = true;
  m_ending = false;
  m_result = -1;
  t_modals.push_back(this);
  if (CreateFromTemplate(owner)) {
    MSG msg;
    while (!m_ending) {
      if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
        break;
      }
      if (CWnd::WalkPreTranslateTree(m_hWnd, &msg) || ::IsDialogMessageA(m_hWnd, &msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  t_modals.erase(std::find(t_modals.begin(), t_modals.end(), this));
  // Re-enable the owner before the dialog goes, so that activation returns to it.
  if (disableOwner) ::EnableWindow(owner, TRUE);
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  m_modal = false;
  return m_result;
}

void CDialog::EndDialog(int result) {
  m_result = result;
  if (m_modal) {
    m_ending = true;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop
  } else if (m_hWnd) {
    ::DestroyWindow(m_hWnd);
  }
}

bool CDialog::UpdateData(bool save) {
  DataExchange exchange(*this, save);
  try {
    DoDataExchange(exchange);
  } catch (const DataExchangeRefused&) {
    return false;
  }
  return true;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WORD, WORD, HWND) { return false; }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      const WORD code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      // Buttons and menus send code 0, accelerators 1.
      if ((code == BN_CLICKED || code == 1) && (id == IDOK || id == IDCANCEL)) {
        if (id == IDOK)
          OnOK();
        else
          OnCancel();
        return 0;
      }
      if (OnCommand(id, code, control)) return 0;
      break;
    }
    case WM_SIZE: {
      const LRESULT result = Default(message, wParam, lParam);
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return result;
    }
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace pelmo
