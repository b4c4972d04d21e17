#include "controls/HistoryRowPainter.h"

#include <commctrl.h>

#include <string_view>

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
constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

// Draws `piece` from the rectangle's left edge on; its width.
int DrawPiece(HDC dc, RECT rect, std::string_view piece) {
  if (piece.empty()) return 0;
  const int length = static_cast<int>(piece.size());
  SIZE size{};
  ::GetTextExtentPoint32A(dc, piece.data(), length, &size);
  ::DrawTextA(dc, piece.data(), length, &rect, kTextFlags);
  return size.cx;
}
int DrawPiece(HDC dc, RECT rect, std::u16string_view piece) {
  if (piece.empty()) return 0;
  const auto* units = reinterpret_cast<const wchar_t*>(piece.data());
  const int length = static_cast<int>(piece.size());
  SIZE size{};
  ::GetTextExtentPoint32W(dc, units, length, &size);
  ::DrawTextW(dc, units, length, &rect, kTextFlags);
  return size.cx;
}

// How the marked parts of a row are drawn.
struct MarkStyle {
  HFONT font;
  COLORREF colour;
};

// `text` is the part of the entry's text a row shows, in either form.
template <typename Char>
void DrawMarked(HDC dc, RECT rect, std::basic_string_view<Char> text, const QuickRow& row,
                MarkStyle style) {
  const COLORREF plain = ::GetTextColor(dc);
  size_t at = 0;
  for (size_t i = 0; i < row.markCount; ++i) {
    const TextSpan mark = row.marks[i];
    rect.left += DrawPiece(dc, rect, text.substr(at, mark.start - at));
    const SelectedObject marked(dc, style.font);
    ::SetTextColor(dc, style.colour);
    rect.left += DrawPiece(dc, rect, text.substr(mark.start, mark.length));
    ::SetTextColor(dc, plain);
    at = mark.start + mark.length;
  }
  DrawPiece(dc, rect, text.substr(at));
}

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
  rect = DrawFrame(dc, rect, item, label, highlighted);
  // An entry the ANSI code page could not hold shows its own characters, not question marks.
  if (item.wide.empty())
    DrawPiece(dc, rect, label);
  else
    DrawPiece(dc, rect, WideLabelIn(item));
}

void HistoryRowPainter::Draw(HDC dc, RECT rect, const HistoryItem& item, const QuickRow& row,
                             bool highlighted) {
  rect = DrawFrame(dc, rect, item, LabelIn(item), highlighted);
  if (row.cutBefore) rect.left += DrawPiece(dc, rect, u"\u2026");
  // In bold, and in the highlight's colour where the row is not highlighted itself.
  const MarkStyle style{MarkFont(dc), highlighted ? ::GetTextColor(dc) : m_highlightBackground};
  if (item.wide.empty())
    DrawMarked(dc, rect, std::string_view(item.text).substr(row.text.start, row.text.length), row,
               style);
  else
    DrawMarked(dc, rect, std::u16string_view(item.wide).substr(row.text.start, row.text.length),
               row, style);
}

RECT HistoryRowPainter::DrawFrame(HDC dc, RECT rect, const HistoryItem& item,
                                  std::string_view label, bool highlighted) const {
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
  return rect;
}

HFONT HistoryRowPainter::MarkFont(HDC dc) {
  const auto font = static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT));
  if (font != m_markFontOf) {
    LOGFONTA bold{};
    ::GetObjectA(font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    m_markFont.Reset(::CreateFontIndirectA(&bold));
    m_markFontOf = font;
  }
  return m_markFont ? m_markFont.Get() : font;
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
