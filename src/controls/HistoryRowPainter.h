// Draws one history row as the strip's drop-down does: its picture, its colour and its label,
// a wide label in its own characters.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/Gdi.h"
#include "framework/ScaledBitmap.h"
#include "model/HistoryItem.h"

namespace pelmo {

class HistoryRowPainter {
 public:
  // Pictures and indents drawn for 96 DPI are scaled for `dpi`.
  explicit HistoryRowPainter(int dpi = SystemDpi());
  // `label` is the row's ANSI label (MakeLabel's).
  void Draw(HDC dc, RECT rect, const HistoryItem& item, std::string_view label,
            bool highlighted) const;
  // The height of the row pictures (0 without them): rows must be at least as high.
  int PictureHeight() const;

 private:
  void DrawPicture(HDC dc, RECT& rect, int picture, COLORREF background) const;

  // Taken once: a later change of the system colours is not followed.
  COLORREF m_highlightBackground;
  COLORREF m_normalText;
  COLORREF m_highlightText;
  COLORREF m_normalBackground;
  int m_noPictureIndent;
  int m_labelGap;
  ScopedImageList m_pictures;
};

}  // namespace pelmo
