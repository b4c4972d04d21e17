#include "controls/HistoryRowPainter.h"

#include <commctrl.h>

#include <string>

#include "controls/HistoryRowRules.h"
#include "framework/PictureScale.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr COLORREF kMarkedText = RGB(192, 0, 0);
constexpr COLORREF kConcatenatedText = RGB(0, 0, 128);
// At 96 DPI.
constexpr int kPictureWidth = 13;
constexpr int kNoPictureIndent = 12;
constexpr int kLabelGap = 2;

HIMAGELIST LoadPictures(int dpi) {
  const GdiObject<HBITMAP> strip =
      LoadScaledBitmap(MAKEINTRESOURCEA(IDB_HISTORY_TYPES), dpi, kPictureWidth);
  BITMAP size{};
  if (!strip || !::GetObjectA(strip.Get(), sizeof size, &size)) return nullptr;
  HIMAGELIST pictures = ::ImageList_Create(ScaleToDpi(kPictureWidth, dpi), size.bmHeight,
                                           ILC_COLORDDB | ILC_MASK, 0, 1);
  if (pictures) ::ImageList_AddMasked(pictures, strip.Get(), kKeyColourRef);
  return pictures;
}

}  // namespace

HistoryRowPainter::HistoryRowPainter(int dpi)
    : m_highlightBackground(::GetSysColor(COLOR_HIGHLIGHT)),
      m_normalText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_highlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_normalBackground(::GetSysColor(COLOR_WINDOW)),
      m_noPictureIndent(ScaleToDpi(kNoPictureIndent, dpi)),
      m_labelGap(ScaleToDpi(kLabelGap, dpi)),
      m_pictures(LoadPictures(dpi)) {}

int HistoryRowPainter::PictureHeight() const {
  int width = 0, height = 0;
  if (m_pictures) ::ImageList_GetIconSize(m_pictures.get(), &width, &height);
  return height;
}

void HistoryRowPainter::Draw(HDC dc, RECT rect, const HistoryItem& item, std::string_view label,
                             bool highlighted) const {
  ::SetBkMode(dc, TRANSPARENT);
  const COLORREF background = highlighted ? m_highlightBackground : m_normalBackground;
  ::SetBkColor(dc, background);
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  switch (TextColourOf(item.kind, highlighted)) {
    case RowTextColour::kHighlight:
      ::SetTextColor(dc, m_highlightText);
      break;
    case RowTextColour::kNormal:
      ::SetTextColor(dc, m_normalText);
      break;
    case RowTextColour::kMarked:
      ::SetTextColor(dc, kMarkedText);
      break;
    case RowTextColour::kConcatenated:
      ::SetTextColor(dc, kConcatenatedText);
      break;
  }
  const RowPicture picture = PictureOf(item, label);
  if (picture == kNoPicture)
    rect.left += m_noPictureIndent;
  else
    DrawPicture(dc, rect, picture, background);
  rect.left += m_labelGap;
  constexpr UINT kFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (item.wide.empty()) {
    ::DrawTextA(dc, label.data(), static_cast<int>(label.size()), &rect, kFlags);
  } else {
    // An entry the ANSI code page could not hold shows its own characters, not question marks.
    const std::u16string wide = WideLabel(item);
    ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(wide.c_str()), static_cast<int>(wide.size()),
                &rect, kFlags);
  }
}

void HistoryRowPainter::DrawPicture(HDC dc, RECT& rect, int picture, COLORREF background) const {
  if (!m_pictures) return;
  int width = 0, height = 0;
  ::ImageList_GetIconSize(m_pictures.get(), &width, &height);
  const RECT cell{rect.left, rect.top, rect.left + width, rect.bottom};
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
  ::ImageList_SetBkColor(m_pictures.get(), background);
  const int rowHeight = rect.bottom - rect.top;
  const int top = height < rowHeight ? rect.top + (rowHeight - height) / 2 : rect.top;
  ::ImageList_Draw(m_pictures.get(), picture, dc, rect.left, top, ILD_NORMAL);
  rect.left += width;
}

}  // namespace pelmo
