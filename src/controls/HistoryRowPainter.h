// Draws one history row as the strip's drop-down does: its picture, its colour and its label,
// a wide label in its own characters. The quick window's rows may show another line of the entry,
// with the typed words marked.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/Gdi.h"
#include "framework/ScaledBitmap.h"
#include "model/HistoryItem.h"
#include "model/QuickRow.h"

namespace pelmo {

class HistoryRowPainter {
 public:
  // Pictures and indents drawn for 96 DPI are scaled for `dpi`.
  explicit HistoryRowPainter(int dpi = SystemDpi());
  // `label` is the row's ANSI label (MakeLabel's).
  void Draw(HDC dc, RECT rect, const HistoryItem& item, std::string_view label,
            bool highlighted) const;
  // The part of the entry's text `row` names, its marked spans in bold and, unless the row is
  // highlighted, in the highlight's colour.
  void Draw(HDC dc, RECT rect, const HistoryItem& item, const QuickRow& row, bool highlighted);
  // The height of the row pictures (0 without them): rows must be at least as high.
  int PictureHeight() const;

 private:
  // Fills the row, sets its text colour and draws its picture; the rectangle left for the text.
  RECT DrawFrame(HDC dc, RECT rect, const HistoryItem& item, std::string_view label,
                 bool highlighted) const;
  void DrawPicture(HDC dc, RECT& rect, int picture, COLORREF background) const;
  // The bold form of the font `dc` draws with, made again only when that font changes.
  HFONT MarkFont(HDC dc);

  // Taken once: a later change of the system colours is not followed.
  COLORREF m_highlightBackground;
  COLORREF m_normalText;
  COLORREF m_highlightText;
  COLORREF m_normalBackground;
  int m_noPictureIndent;
  int m_labelGap;
  ScopedImageList m_pictures;
  GdiObject<HFONT> m_markFont;
  HFONT m_markFontOf = nullptr;  // the font it is the bold form of
};

}  // namespace pelmo
