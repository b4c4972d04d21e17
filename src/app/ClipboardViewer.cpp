#include "app/ClipboardViewer.h"

namespace pelmo {

namespace {

// A program that has just copied may hold the clipboard open for a while: the capture reads it
// again when this timer fires.
constexpr UINT_PTR kCaptureRetryTimer = 2;
constexpr UINT_PTR kChainCheckTimer = 3;
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
  StopRetry();
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
      if (wParam == kCaptureRetryTimer)
        Retry();
      else if (wParam == kChainCheckTimer)
        CheckChain();
      else
        return false;
      return true;
    default:
      return false;
  }
}

void ClipboardViewer::CaptureNow() {
  StopRetry();
  Capture();
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
  // A notification without a new change since the last capture (the platform may announce one
  // change twice) brings nothing to take in; it is still passed on.
  if (m_capturedSequence != sequence) {
    // A newer change makes a pending read again of the previous one pointless.
    CaptureNow();
    // Read after the capture: reading may have the owner render the text, which moves it too.
    m_capturedSequence = ::GetClipboardSequenceNumber();
  }
  m_chainWatch.Notified(*m_capturedSequence);
  if (!m_next) return;
  const std::optional<DWORD> outer = m_forwarding;
  m_forwarding = sequence;
  ::SendMessageA(m_next, WM_DRAWCLIPBOARD, 0, 0);
  m_forwarding = outer;
}

void ClipboardViewer::OnChangeCbChain(HWND removed, HWND next) {
  if (removed == m_next)
    m_next = next;
  else if (m_next)
    ::SendMessageA(m_next, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                   reinterpret_cast<LPARAM>(next));
}

void ClipboardViewer::Capture() {
  const CaptureResult result = m_healing ? m_capture.OnHeal() : m_capture.OnChange();
  if (result == CaptureResult::kBusy)
    ::SetTimer(m_window, kCaptureRetryTimer, m_retrySchedule.Start(), nullptr);
}

void ClipboardViewer::Retry() {
  if (m_capture.Retry() != CaptureResult::kBusy) {
    // The read may have found a newer change than the one notified: its own notification, when
    // it comes, brings nothing new.
    m_capturedSequence = ::GetClipboardSequenceNumber();
  } else if (const std::optional<unsigned> wait = m_retrySchedule.Next()) {
    ::SetTimer(m_window, kCaptureRetryTimer, *wait, nullptr);
    return;
  }
  StopRetry();
}

void ClipboardViewer::StopRetry() {
  if (m_window) ::KillTimer(m_window, kCaptureRetryTimer);
}

}  // namespace pelmo
