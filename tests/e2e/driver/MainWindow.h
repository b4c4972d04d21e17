#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Pelmo's main window as another process sees it: a dialog titled "Pelmo" whose control 1000 is
// the history drop-down.
class MainWindow {
 public:
  // The first such window on the desktop, or an empty object when there is none.
  static MainWindow Find();

  explicit operator bool() const { return dialog_ != nullptr; }

  // Whether the window heads the clipboard viewer chain: the program has joined it, and with that
  // captured the text that was on the clipboard at start.
  bool HeadsViewerChain() const { return dialog_ && GetClipboardViewer() == dialog_; }

  // Sends a command, as a menu entry or a button of the window does. False when it could not be
  // posted.
  bool PostCommand(int id) const { return dialog_ && PostMessageW(dialog_, WM_COMMAND, id, 0); }

  // The drop-down's rows, top first, in UTF-8. False when the window stopped answering or went.
  bool ReadRows(std::vector<std::string>& rows) const;

 private:
  HWND dialog_ = nullptr;
  HWND history_ = nullptr;
};
