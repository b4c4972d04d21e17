// The hourglass for as long as the object lives, then the cursor that was there before.
#pragma once

#include <windows.h>

namespace pelmo {

class WaitCursor {
 public:
  WaitCursor() : m_previous(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { ::SetCursor(m_previous); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR m_previous;
};

}  // namespace pelmo
