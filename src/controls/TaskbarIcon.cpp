#include "controls/TaskbarIcon.h"

#include <cstddef>

#include "controls/TipText.h"
#include "framework/WindowMessages.h"

namespace pelmo {

namespace {

// Global class with one shared device context; the window is never shown, so it needs no
// cursor, background or icon.
constexpr UINT kIconWindowClassStyle = CS_GLOBALCLASS | CS_CLASSDC;
constexpr int kTipBytes = 64;  // the first record version's tooltip, terminating zero included

// How long older shells show a balloon; newer ones choose for themselves.
constexpr UINT kBalloonMs = 15000;

// The shell takes the first record version: the handles, the flags and a 64-byte tip. That is
// 88 bytes on 32-bit Windows; on 64-bit the handles are wider and the record grows with them.
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kTipBytes,
              "the first record version ends with its tip");
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88,
              "the 32-bit shell expects the 88-byte record");

// Sent to every top-level window when the shell (re)starts; the icons it knew are gone then.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

COXTaskbarIcon::~COXTaskbarIcon() {
  if (m_hWnd && m_shown) Hide();
}

bool COXTaskbarIcon::Create(UINT id) {
  if (m_hWnd) return false;
  m_id = id;
  const char* className = RegisterOwnClass("PelmoTaskbarIcon", kIconWindowClassStyle);
  return CreateEx(0, className, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr);
}

bool COXTaskbarIcon::SetTooltipText(UINT stringId, bool refresh) {
  char text[256];
  if (::LoadStringA(::GetModuleHandleA(nullptr), stringId, text, sizeof text) <= 0) return false;
  return SetTooltipText(std::string(text), refresh);
}

bool COXTaskbarIcon::SetTooltipText(const std::string& text, bool refresh) {
  SetWindowText(text);
  return m_shown && refresh ? Refresh() : true;
}

HICON COXTaskbarIcon::SetIcon(const char* resourceName, bool refresh) {
  // The notification area shows small icons: take the resource's small picture, not a shrunken
  // large one. Shared icons belong to the system and are never destroyed by us.
  auto* icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), resourceName,
                                               IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                               ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  return SetIcon(icon, refresh);
}

HICON COXTaskbarIcon::SetIcon(UINT resourceId, bool refresh) {
  return SetIcon(MAKEINTRESOURCEA(resourceId), refresh);
}

HICON COXTaskbarIcon::SetIcon(HICON icon, bool refresh) {
  const auto previous =
      reinterpret_cast<HICON>(SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
  if (m_shown && refresh) Refresh();
  return previous;
}

bool COXTaskbarIcon::Show() {
  if (m_shown) return false;
  m_shown = NotifyIcon(NIM_ADD) != FALSE;
  return m_shown;
}

bool COXTaskbarIcon::Hide() {
  if (!m_shown) return false;
  m_shown = NotifyIcon(NIM_DELETE) == FALSE;
  return !m_shown;
}

bool COXTaskbarIcon::Refresh() {
  return m_shown && NotifyIcon(NIM_MODIFY) != FALSE;
}

std::string COXTaskbarIcon::GetTooltipText() const {
  return GetWindowText();
}

void COXTaskbarIcon::GetTooltipText(char* buffer, int size) const {
  if (size > 0) CopyTipText(GetWindowText(), buffer, static_cast<size_t>(size));
}

HICON COXTaskbarIcon::GetIcon() const {
  return reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0));
}

NOTIFYICONDATAA COXTaskbarIcon::MakeRecord(DWORD request) const {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = m_hWnd;
  record.uID = m_id;
  if (request != NIM_DELETE) {
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TASKBAR_CALLBACK;
    record.hIcon = GetIcon();
    GetTooltipText(record.szTip, kTipBytes);
  }
  return record;
}

bool COXTaskbarIcon::ShowBalloon(const std::string& title, const std::string& text) {
  if (!m_shown) return false;
  // The second record version, the first with a balloon. Zeros: the texts stay terminated.
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V2_SIZE;
  record.hWnd = m_hWnd;
  record.uID = m_id;
  record.uFlags = NIF_INFO;
  record.dwInfoFlags = NIIF_INFO;
  record.uTimeout = kBalloonMs;
  CopyTipText(title, record.szInfoTitle, sizeof record.szInfoTitle);
  CopyTipText(text, record.szInfo, sizeof record.szInfo);
  return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

BOOL COXTaskbarIcon::NotifyIcon(DWORD request) {
  NOTIFYICONDATAA record = MakeRecord(request);
  return ::Shell_NotifyIconA(request, &record);
}

LRESULT COXTaskbarIcon::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TaskbarCreatedMessage()) {
    OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_TASKBAR_CALLBACK:
      return OnTaskbarCallback(wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT COXTaskbarIcon::OnTaskbarCallback(WPARAM wParam, LPARAM lParam) {
  if (HWND target = GetOwner()) {
    ::PostMessageA(target, WM_TASKBAR_CALLBACK, wParam, lParam);
  } else {
    // Only mouse messages come back as themselves: the number arrives in a message anyone may
    // send, and must not become a close or a quit. Handlers read the cursor position themselves.
    const auto mouseMessage = static_cast<UINT>(lParam);
    if (mouseMessage >= WM_MOUSEFIRST && mouseMessage <= WM_MOUSELAST)
      PostMessage(mouseMessage, 0, 0);
  }
  return -1;
}

void COXTaskbarIcon::OnTaskbarCreated() {
  // A restarted shell has forgotten the icon: add it again so it does not vanish for good.
  if (m_shown) m_shown = NotifyIcon(NIM_ADD) != FALSE;
}

}  // namespace pelmo
