#include "framework/Wnd.h"

#include <algorithm>
#include <exception>
#include <unordered_map>

#include "framework/WinApp.h"

namespace pelmo {

namespace {

// The objects of the program's windows, all of which live on its one user-interface thread. A
// map of our own, because under Wine every window-property lookup is a server round trip. Made on
// first use, so it outlives every window object made after it, statics included.
std::unordered_map<HWND, CWnd*>& HandleMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

// The object whose window is being created on this thread; the first message binds it.
thread_local CWnd* t_creating = nullptr;

HWND ReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
      const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      return mis->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(parent, mis->CtlID);
    }
    default:
      (void)wParam;
      return nullptr;
  }
}

}  // namespace

void ReportUnexpectedError(const char* what) {
  std::string text = "An unexpected error occurred";
  if (what && *what) text += std::string(": ") + what;
  AppMessageBox(text + ".", MB_OK | MB_ICONHAND);
}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  if (m_previousProc == ::DefWindowProcA) ::DestroyWindow(m_hWnd);  // a window of our own class
  else UnsubclassWindow();  // a control we only borrowed
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  const auto& map = HandleMap();
  const auto found = map.find(hwnd);
  return found == map.end() ? nullptr : found->second;
}

void CWnd::Bind(HWND hwnd) {
  m_hWnd = hwnd;
  HandleMap()[hwnd] = this;
}

void CWnd::Unbind() {
  HandleMap().erase(m_hWnd);
  m_hWnd = nullptr;
  m_previousProc = nullptr;
}

const char* CWnd::RegisterOwnClass(const char* name, UINT classStyle, HICON icon) {
  WNDCLASSA wc{};
  if (::GetClassInfoA(::GetModuleHandleA(nullptr), name, &wc)) return name;
  wc.style = classStyle;
  wc.lpfnWndProc = StaticWindowProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.lpszClassName = name;
  ::RegisterClassA(&wc);
  return name;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu) {
  t_creating = this;
  HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                                ::GetModuleHandleA(nullptr), nullptr);
  t_creating = nullptr;
  return hwnd != nullptr && hwnd == m_hWnd;
}

bool CWnd::SubclassDlgItem(int id, HWND parent) {
  HWND control = ::GetDlgItem(parent, id);
  return control && SubclassWindow(control);
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (m_hWnd || FromHandle(hwnd)) return false;
  Bind(hwnd);
  PreSubclassWindow();
  m_previousProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
  return true;
}

void CWnd::UnsubclassWindow() {
  if (!m_hWnd) return;
  if (m_previousProc && m_previousProc != ::DefWindowProcA)
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
  Unbind();
}

bool CWnd::DestroyWindow() {
  return m_hWnd && ::DestroyWindow(m_hWnd);
}

std::string WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(hwnd, text.data(), length + 1)));
  return text;
}

std::u16string WideWindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  text.resize(static_cast<size_t>(
      ::GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1)));
  return text;
}

void StretchToClient(HWND child, int clientWidth, int clientHeight) {
  RECT rect;
  ::GetWindowRect(child, &rect);
  POINT topLeft{rect.left, rect.top};
  ::ScreenToClient(::GetParent(child), &topLeft);
  ::MoveWindow(child, topLeft.x, topLeft.y, std::max<LONG>(0, clientWidth - topLeft.x),
               std::max<LONG>(0, clientHeight - topLeft.y), TRUE);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_previousProc) return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
  return ::CallWindowProcA(m_previousProc, m_hWnd, message, wParam, lParam);
}

bool CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND h = msg->hwnd; h; h = ::GetParent(h)) {
    if (CWnd* wnd = FromHandle(h); wnd && wnd->PreTranslateMessage(msg)) return true;
    if (h == stop) break;
  }
  return false;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HWND child = ReflectionTarget(m_hWnd, message, wParam, lParam)) {
    LRESULT result = 0;
    if (CWnd* control = FromHandle(child);
        control && control != this && control->OnChildNotify(message, wParam, lParam, &result))
      return result;
  }
  if (message == WM_NCDESTROY) {
    const LRESULT result = WindowProc(message, wParam, lParam);
    UnsubclassWindow();
    PostNcDestroy();
    return result;
  }
  return WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = FromHandle(hwnd);
  if (!wnd && t_creating) {
    wnd = t_creating;
    t_creating = nullptr;
    wnd->Bind(hwnd);
    wnd->m_previousProc = ::DefWindowProcA;
  }
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return wnd->Dispatch(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportUnexpectedError(e.what());
  } catch (...) {
    ReportUnexpectedError(nullptr);
  }
  return 0;
}

}  // namespace pelmo
