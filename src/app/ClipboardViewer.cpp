#include "app/ClipboardViewer.h"

#include "app/StripTimers.h"

namespace pelmo {

namespace {

// Long enough for a slow viewer ahead of us; a missed change is caught within two of these.
constexpr UINT kChainCheckMs = 500;

}  // namespace

void ClipboardViewer::Join(HWND window) {
  m_window = window;
  m_chainWatch.Notified(::GetClipboardSequenceNumber());
  // Joining delivers one WM_DRAWCLIPBOARD at once, with nobody yet to pass it on to.
  m_next = nullptr;
  m_next = ::SetClipboardViewer(m_window);
  ::SetTimer(m_window, kChainCheckTimer, kChainCheckMs, nullptr);
}

void ClipboardViewer::Leave() {
  if (!m_window) return;
  ::KillTimer(m_window, kChainCheckTimer);
  Stop();
  ::ChangeClipboardChain(m_window, m_next);
  m_window = nullptr;
}

bool ClipboardViewer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard();
      return true;
    case WM_CHANGECBCHAIN:
      OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
      return true;
    case WM_TIMER:
      if (wParam == kCaptureRetryTimer) {
        m_capture.OnRetryTimer();
        PassOnPending();
      } else if (wParam == kChainCheckTimer)
        CheckChain();
      else
        return false;
      return true;
    default:
      return false;
  }
}

void ClipboardViewer::CaptureNow() {
  m_capture.CaptureNow();
  PassOnPending();
}

void ClipboardViewer::CheckChain() {
  if (!m_chainWatch.Check(::GetClipboardSequenceNumber())) return;
  // Leaving and joining again puts us at the head of the chain; the join's notification
  // captures the change that did not reach us, if there was one.
  ::ChangeClipboardChain(m_window, m_next);
  m_healing = true;
  Join(m_window);
  m_healing = false;
}

void ClipboardViewer::OnDrawClipboard() {
  const DWORD sequence = ::GetClipboardSequenceNumber();
  // A viewer that missed our leaving still points at us: the change we are passing on comes back
  // round, and passing it on again would never end.
  if (m_forwarding == sequence) return;
  const CaptureResult result = m_healing ? m_capture.OnHeal() : m_capture.OnChange();
  // The number as the capture left it: a change announced during its read was taken in too.
  m_chainWatch.Notified(::GetClipboardSequenceNumber());
  // Announced while our read holds the clipboard open: the next viewer would wait for it in vain,
  // so the change is passed on once that read is done.
  if (result == CaptureResult::kDeferred)
    m_passOnPending = true;
  else
    PassOn(sequence);
}

void ClipboardViewer::PassOn(DWORD sequence) {
  m_passOnPending = false;
  if (!m_next) return;
  const std::optional<DWORD> outer = m_forwarding;
  m_forwarding = sequence;
  ::SendMessageA(m_next, WM_DRAWCLIPBOARD, 0, 0);
  m_forwarding = outer;
}

void ClipboardViewer::PassOnPending() {
  if (m_passOnPending) PassOn(::GetClipboardSequenceNumber());
}

void ClipboardViewer::OnChangeCbChain(HWND removed, HWND next) {
  if (removed == m_next)
    m_next = next;
  else if (m_next)
    ::SendMessageA(m_next, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                   reinterpret_cast<LPARAM>(next));
}

void ClipboardViewer::Start(unsigned ms) {
  ::SetTimer(m_window, kCaptureRetryTimer, ms, nullptr);
}

void ClipboardViewer::Stop() {
  if (m_window) ::KillTimer(m_window, kCaptureRetryTimer);
}

}  // namespace pelmo
