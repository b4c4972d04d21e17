// What a tool window may ask of the strip besides the program state: the steering values of the
// next capture, putting an entry back on the clipboard, and giving the foreground back to the
// window the user copied in.
#pragma once

#include "app/ClipboardCapture.h"
#include "model/HistoryItem.h"

namespace pelmo {

class StripServices {
 public:
  virtual ~StripServices() = default;
  virtual ClipboardCapture& Capture() = 0;
  // Puts the entry's whole text back on the clipboard, its wide text included. The write comes
  // back as a change that is not captured, unless KeepTop wants chosen entries on top and the
  // write is not `forced` to stay out of the history.
  virtual void PutBack(const HistoryItem& item, bool forced) = 0;
  // AutoFocus: the remembered target window to the foreground; false when there is none.
  virtual bool ReturnFocus() = 0;
};

}  // namespace pelmo
