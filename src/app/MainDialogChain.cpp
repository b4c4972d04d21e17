// CMainDialog's place in the clipboard viewer chain: notifications in and on, chain changes, and
// the check that joins the chain again when another viewer stopped passing the changes on.
#include "app/MainDialog.h"

namespace pelmo {

namespace {

// Long enough for a slow viewer ahead of us; a missed change is caught within two of these.
constexpr UINT kChainCheckMs = 500;

}  // namespace

void CMainDialog::JoinViewerChain() {
  m_chainWatch.Notified(::GetClipboardSequenceNumber());
  // Joining delivers one WM_DRAWCLIPBOARD at once, with nobody yet to pass it on to.
  m_nextViewer = nullptr;
  m_nextViewer = ::SetClipboardViewer(m_hWnd);
  ::SetTimer(m_hWnd, kChainCheckTimer, kChainCheckMs, nullptr);
}

void CMainDialog::CheckViewerChain() {
  if (!m_chainWatch.Check(::GetClipboardSequenceNumber())) return;
  // Leaving and joining again puts us at the head of the chain; the join's notification
  // captures the change that did not reach us, if there was one.
  ::ChangeClipboardChain(m_hWnd, m_nextViewer);
  m_healing = true;
  JoinViewerChain();
  m_healing = false;
}

void CMainDialog::OnDrawClipboard() {
  const DWORD sequence = ::GetClipboardSequenceNumber();
  // A viewer that missed our leaving still points at us: the change we are passing on comes back
  // round, and passing it on again would never end.
  if (m_forwarding == sequence) return;
  // A notification without a new change since the last capture (the platform may announce one
  // change twice) brings nothing to take in; it is still passed on.
  if (m_capturedSequence != sequence) {
    // A newer change makes a pending retry of the previous one pointless.
    StopCaptureRetry();
    CaptureChange();
    // Read after the capture: reading may have the owner render the text, which moves it too.
    m_capturedSequence = ::GetClipboardSequenceNumber();
  }
  m_chainWatch.Notified(*m_capturedSequence);
  if (!m_nextViewer) return;
  const std::optional<DWORD> outer = m_forwarding;
  m_forwarding = sequence;
  ::SendMessageA(m_nextViewer, WM_DRAWCLIPBOARD, 0, 0);
  m_forwarding = outer;
}

void CMainDialog::OnChangeCbChain(HWND removed, HWND next) {
  if (removed == m_nextViewer)
    m_nextViewer = next;
  else if (m_nextViewer)
    ::SendMessageA(m_nextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                   reinterpret_cast<LPARAM>(next));
}

}  // namespace pelmo
