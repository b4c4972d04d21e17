// The strip's place in the clipboard viewer chain. Every change arrives as WM_DRAWCLIPBOARD and
// is handed to the capture, then passed on to the next viewer; the viewer runs the capture's
// timer that reads a held clipboard again; and a timer checks that the chain still brings the
// changes, joining it again when another viewer stopped passing them on.
#pragma once

#include <windows.h>

#include <optional>

#include "app/ChainWatch.h"
#include "app/ClipboardCapture.h"

namespace pelmo {

class ClipboardViewer : private RetryTimer {
 public:
  explicit ClipboardViewer(ClipboardCapture& capture) : m_capture(capture) {
    m_capture.UseRetryTimer(this);
  }
  ~ClipboardViewer() override {
    Leave();
    m_capture.UseRetryTimer(nullptr);
  }
  ClipboardViewer(const ClipboardViewer&) = delete;
  ClipboardViewer& operator=(const ClipboardViewer&) = delete;

  // Joins the chain with `window`, whose messages must reach OnMessage from now on: joining
  // brings a notification at once, which captures the text already on the clipboard.
  void Join(HWND window);
  // Leaves the chain and stops the timers; before the window goes.
  void Leave();
  // The chain's messages and the viewer's timers; false for any other message.
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Takes in the clipboard as it is now, as if it had just changed; no viewer is told.
  void CaptureNow();

 private:
  void Rejoin();
  void CheckChain();
  void OnDrawClipboard();
  void PassOn(DWORD sequence);
  void PassOnPending();
  void OnChangeCbChain(HWND removed, HWND next);
  void Start(unsigned ms) override;
  void Stop() override;

  ClipboardCapture& m_capture;
  HWND m_window = nullptr;
  HWND m_next = nullptr;
  ChainWatch m_chainWatch;
  // The sequence number of the change being passed on, to recognise it when a looping chain
  // brings it back; nullopt when none is.
  std::optional<DWORD> m_forwarding;
  bool m_healing = false;        // the notification comes from joining the chain again
  bool m_passOnPending = false;  // a change announced during a read waits to be passed on
};

}  // namespace pelmo
