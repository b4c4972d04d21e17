// COXBitmapButton: the owner-drawn tool button with a picture (magenta is transparent), an
// optional flat look and a tooltip taken from its window text.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

namespace pelmo {

class COXBitmapButton : public CWnd {
 public:
  COXBitmapButton() = default;
  ~COXBitmapButton() override;

  bool LoadBitmap(UINT bitmapId, COLORREF transparent);
  void SetFlat(bool flat);
  void SetFocusFrame(bool focusFrame) { m_focusFrame = focusFrame; }
  bool EnableToolTip(bool enable);
  void SetToolTipText(const std::string& text);

  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL PreTranslateMessage(MSG* msg) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& dis) const;

  HIMAGELIST m_images = nullptr;
  SIZE m_pictureSize{};
  HWND m_toolTip = nullptr;
  bool m_flat = false;
  bool m_focusFrame = true;
};

}  // namespace pelmo
