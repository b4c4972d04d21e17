#include "controls/PreviewWindow.h"

#include "controls/HistoryRowRules.h"
#include "framework/ScaledBitmap.h"
#include "model/QuickWindowPlace.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr COLORREF kLightYellow = RGB(255, 255, 226);

int ScreenHeight() {
  RECT screen;
  ::GetClientRect(::GetDesktopWindow(), &screen);
  return screen.bottom - screen.top;
}

void CenterOnScreen(HWND hwnd) {
  RECT screen, window;
  ::GetClientRect(::GetDesktopWindow(), &screen);
  ::GetWindowRect(hwnd, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  ::SetWindowPos(hwnd, nullptr, (screen.right - width) / 2, (screen.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CPreviewWindow::CPreviewWindow()
    : CDialog(IDD_PREVIEW), m_background(::CreateSolidBrush(kLightYellow)) {}

bool CPreviewWindow::EnsureCreated() {
  return m_hWnd || Create(nullptr);
}

std::optional<Size> CPreviewWindow::Fit(const std::string& text, const std::u16string& wide) {
  if (!EnsureCreated()) return std::nullopt;
  HWND edit = GetDlgItem(IDC_PREVIEW_TEXT);
  if (wide.empty())
    ::SetWindowTextA(edit, text.c_str());
  else
    ::SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(wide.c_str()));
  const size_t characters = wide.empty() ? text.size() : wide.size();
  const LRESULT last =
      ::SendMessageA(edit, EM_POSFROMCHAR, characters == 0 ? 0 : characters - 1, 0);
  const int height =
      PreviewHeight(static_cast<short>(HIWORD(last)), ScreenHeight(), SystemDpi());
  const int width = WindowRect(m_hWnd).Width();
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  ::MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
  return Size{width, height};
}

void CPreviewWindow::ShowText(const std::string& text, const std::u16string& wide) {
  if (!Fit(text, wide)) return;
  CenterOnScreen(m_hWnd);
  ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CPreviewWindow::ShowTextBeside(const std::string& text, const std::u16string& wide,
                                    const Rect& window) {
  const std::optional<Size> size = Fit(text, wide);
  if (!size) return;
  const Point origin = PreviewOrigin(window, *size, WorkAreaAt({window.left, window.top}));
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CPreviewWindow::Hide() const {
  if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CPreviewWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // how an edit in a disabled window asks
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_PREVIEW_TEXT)) break;
      ::SetBkColor(reinterpret_cast<HDC>(wParam), kLightYellow);
      return reinterpret_cast<LRESULT>(m_background.Get());
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace pelmo
