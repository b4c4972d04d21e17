// CBitmapButton: an owner-drawn button showing one picture when up and another when pressed,
// loaded from the bitmaps named after its window text with "U" and "D" appended.
#pragma once

#include "framework/Gdi.h"
#include "framework/Wnd.h"

namespace pelmo {

class CBitmapButton : public CWnd {
 public:
  // Binds the dialog control, loads its pictures and sizes the button to them.
  bool AutoLoad(int id, HWND parent);
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  GdiObject<HBITMAP> m_up;
  GdiObject<HBITMAP> m_down;
};

}  // namespace pelmo
