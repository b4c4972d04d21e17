// COXBitmapButton: the owner-drawn tool button. It shows a picture from the program's bitmaps
// (magenta is transparent) together with a grey and a disabled copy of it, can take a flat look
// that shows a frame only while the mouse is over it, and takes its caption and tooltip from its
// window text ("caption\ntooltip").
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>

#include "controls/BitmapButtonLayout.h"
#include "framework/Gdi.h"
#include "framework/ScaledBitmap.h"
#include "framework/Wnd.h"

namespace pelmo {

class COXBitmapButton : public CWnd {
 public:
  COXBitmapButton() = default;

  // Builds the colour and grey pictures from a bitmap resource, scaled for `dpi` (the disabled
  // one follows when it is first drawn); false, and no pictures, when the resource cannot be
  // loaded.
  bool LoadBitmap(UINT bitmapId, COLORREF transparent, int dpi = SystemDpi());
  // False, changing nothing, unless the control is owner-drawn.
  bool SetFlat(bool flat);
  void SetFocusFrame(bool focusFrame) { m_focusFrame = focusFrame; }
  // The tooltip shows once the mouse has moved over the button.
  void EnableToolTip(bool enable);
  // Keeps the caption and replaces the tooltip; an empty text removes it.
  void SetToolTipText(const std::string& text);

  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  virtual void PreparePalette(HDC dc);
  virtual void DrawButtonFace(HDC dc, const RECT& item, const ButtonState& state);
  virtual void DrawImage(HDC dc, const RECT& picture, const ButtonState& state);
  virtual void DrawCaption(HDC dc, const RECT& caption, const std::string& text,
                           const ButtonState& state);
  virtual void DrawFocus(HDC dc, const RECT& item, const ButtonState& state);
  virtual void RestorePalette(HDC dc);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void AddDisabledPicture();
  int PictureCount() const;
  SIZE PictureSize() const;
  bool IsHeldByCapture() const { return ::GetCapture() == m_hWnd; }

  // Hover tracking of flat buttons: positions in screen coordinates.
  void CheckHover(POINT screenPoint);
  void CheckHoverAtCursor();
  void CheckLeave();
  void StopHover();
  LRESULT DefaultThenCheckLeave(UINT message, WPARAM wParam, LPARAM lParam);
  void MakeToolTip();
  void SyncToolTip();

  ScopedImageList m_images;
  GdiObject<HPALETTE> m_palette;
  HPALETTE m_previousPalette = nullptr;
  const COLORREF m_captionColour = RGB(0, 0, 0);
  ScopedWindow m_toolTip;
  bool m_toolTipWanted = false;
  bool m_flat = false;
  bool m_hot = false;
  bool m_leftButtonHeld = false;
  bool m_focusFrame = true;
};

// A picture button's set-up: its picture (magenta transparent) and its tooltip, none when null.
struct PictureButton {
  COXBitmapButton& button;
  UINT bitmap;
  const char* tip = nullptr;
};
// A tool window's buttons: flat, with the focus frame.
void SetUpFlatButtons(std::initializer_list<PictureButton> buttons);
// The strip's and the Inline window's buttons: no focus frame, flat only for the soft look.
void SetUpToolButtons(std::initializer_list<PictureButton> buttons, bool flat = false);

}  // namespace pelmo
