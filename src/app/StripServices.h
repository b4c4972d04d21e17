// What a tool window may ask of the strip besides the program state: the steering values of the
// next capture, and giving the foreground back to the window the user copied in.
#pragma once

#include "app/ClipboardCapture.h"

namespace pelmo {

class StripServices {
 public:
  virtual ~StripServices() = default;
  virtual ClipboardCapture& Capture() = 0;
  // AutoFocus: the remembered target window to the foreground; false when there is none.
  virtual bool ReturnFocus() = 0;
};

}  // namespace pelmo
