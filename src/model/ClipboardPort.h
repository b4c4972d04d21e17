// What the windows may ask of the clipboard besides reading it: whole writes whose capture the
// strip steers, and giving the foreground back to the window the user copied in. The strip
// provides it to every tool window, so that none of them sets a capture flag by hand.
#pragma once

#include "model/HistoryItem.h"

namespace pelmo {

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // Puts the entry's whole text back, its wide text included. The write's change is not
  // captured, unless KeepTop wants chosen entries on top and the write is not `forced`.
  virtual void PutBack(const HistoryItem& item, bool forced) = 0;
  // Writes a new text (with its wide form, when it has one); its capture makes an entry of
  // `kind`.
  virtual void CopyAs(const HistoryItem& text, int kind) = 0;
  // Writes a text from one of our own windows: its capture keeps the window the user came from
  // as the target.
  virtual void CopyFromOwnWindow(const HistoryItem& text) = 0;
  // AutoFocus: the remembered target window to the foreground; false when there is none.
  virtual bool ReturnFocus() = 0;
  // The remembered target window to the foreground whatever AutoFocus says, and with `paste`
  // Ctrl+V posted to it; false when there is none.
  virtual bool GoToTarget(bool paste) = 0;
};

}  // namespace pelmo
