// The strip's dealings with the clipboard, apart from the viewer chain: it hosts the capture
// (reading the clipboard, remembering the window the user copied in as the target), and makes the
// whole writes that the strip and every tool window ask for, steering their capture.
#pragma once

#include <windows.h>

#include <functional>

#include "app/ClipboardCapture.h"
#include "model/ClipboardPort.h"
#include "model/Workspace.h"

namespace pelmo {

class StripClipboardPort : public ClipboardPort, private CaptureHost {
 public:
  // What the port asks of the strip: to show a new entry as selected, and whether its list is
  // open (the focus then stays with the list).
  struct Strip {
    std::function<void()> selectNewEntry;
    std::function<bool()> listOpen;
  };
  StripClipboardPort(Workspace& workspace, Strip strip);

  // The window that opens the clipboard for the writes; set once the strip exists.
  void Attach(HWND window) { m_window = window; }
  ClipboardCapture& Capture() { return m_capture; }
  // AutoFocus, with the mouse over the strip's list: the strip takes the foreground, the window
  // that had it becomes the target. False when nothing changed.
  bool TakeForeground();
  // A text dropped on the list: written as any copy, and captured as one.
  void WriteText(const std::string& text);

  void PutBack(const HistoryItem& item, bool forced) override;
  void CopyAs(const HistoryItem& text, int kind) override;
  void CopyFromOwnWindow(const HistoryItem& text) override;
  bool ReturnFocus() override;
  bool GoToTarget(bool paste) override;
  // Makes the window in front the target, unless it is the strip.
  void RememberTarget() override;

 private:
  std::optional<ClipboardRead> ReadClipboard(bool oem, size_t maxBytes, unsigned waitMs) override;
  void SelectNewEntry() override { m_strip.selectNewEntry(); }
  bool PutReplacement(const std::string& text, bool paste) override;
  uint32_t ClipboardSequence() override { return ::GetClipboardSequenceNumber(); }
  uint32_t TickCount() override { return ::GetTickCount(); }

  Workspace& m_workspace;
  Strip m_strip;
  HWND m_window = nullptr;
  HWND m_target = nullptr;
  ClipboardCapture m_capture{m_workspace, *this};
};

}  // namespace pelmo
