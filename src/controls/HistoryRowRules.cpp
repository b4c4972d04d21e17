#include "controls/HistoryRowRules.h"

#include <algorithm>

#include "framework/PictureScale.h"

namespace pelmo {

namespace {

constexpr int kDropButtonWidth = 20;  // at 96 DPI
// Room below the last line's top edge for the line itself and the border, at 96 DPI.
constexpr int kPreviewBottomMargin = 15;

bool Holds(std::string_view label, std::string_view part) {
  return label.find(part) != std::string_view::npos;
}

}  // namespace

RowPicture PictureOf(const HistoryItem& item, std::string_view label) {
  if (item.kind == kDroppedFiles) return item.multiLine ? kSeveralFilesPicture : kOneFilePicture;
  if (item.multiLine) return kMultiLinePicture;
  if (Holds(label, "http:") || Holds(label, "https:") || Holds(label, "www.")) return kWebPicture;
  if (Holds(label, "ftp.") || Holds(label, "ftp://")) return kFtpPicture;
  if (Holds(label, "@") && Holds(label, ".")) return kMailPicture;
  return kNoPicture;
}

RowTextColour TextColourOf(int kind, bool highlighted) {
  if (highlighted) return RowTextColour::kHighlight;
  switch (kind) {
    case kMarked:
      return RowTextColour::kMarked;
    case kConcatenated:
      return RowTextColour::kConcatenated;
    default:
      return RowTextColour::kNormal;
  }
}

bool StartsDrag(int selectionStart, int selectionEnd, std::size_t labelLength, int pressX,
                int clientWidth, int dpi) {
  const bool wholeLabel = selectionStart == 0 && selectionEnd >= 0 &&
                          static_cast<std::size_t>(selectionEnd) == labelLength;
  return wholeLabel && pressX < clientWidth - ScaleToDpi(kDropButtonWidth, dpi);
}

int PreviewHeight(int lastLineTop, int screenHeight, int dpi) {
  return std::min(lastLineTop + ScaleToDpi(kPreviewBottomMargin, dpi), screenHeight);
}

DragScroll DragScrollAt(int x, int y, int width, int height, int inset) {
  if (x < 0 || y < 0 || x >= width || y >= height) return DragScroll::kNone;
  if (y < inset) return DragScroll::kUp;
  if (y >= height - inset) return DragScroll::kDown;
  if (x < inset) return DragScroll::kLeft;
  if (x >= width - inset) return DragScroll::kRight;
  return DragScroll::kNone;
}

}  // namespace pelmo
