// What the history drop-down decides without drawing: the picture and text colour of a row, the
// height of a row's preview, when a press may start dragging an entry out, and which way a drag
// near an edge scrolls.
#pragma once

#include <cstddef>
#include <string_view>

#include "model/HistoryItem.h"

namespace pelmo {

// Pictures of bitmap 23280, in their order in the strip.
enum RowPicture : int {
  kNoPicture = -1,
  kWebPicture = 0,
  kMultiLinePicture = 1,
  kMailPicture = 2,
  kFtpPicture = 3,
  kOneFilePicture = 4,
  kSeveralFilesPicture = 5,
};

// The picture of a row: dropped files first, then multi-line, then what the label holds (web,
// "http:", "https:" or "www.", before FTP before e-mail). Only the label counts: an address
// hidden beyond it shows nothing.
RowPicture PictureOf(const HistoryItem& item, std::string_view label);

enum class RowTextColour { kHighlight, kNormal, kMarked, kConcatenated };

// Highlighted rows all look alike; otherwise marked and concatenated entries have their colours.
RowTextColour TextColourOf(int kind, bool highlighted);

// The height of a multi-line row's preview: down to its last line, whose top is at `lastLineTop`,
// and no higher than the screen.
int PreviewHeight(int lastLineTop, int screenHeight, int dpi);

// A press starts a drag only when the edit field holds the whole label selected and the press
// is not on the drop-down button (the rightmost 20 pixels of the client area at 96 DPI, wider
// at a higher `dpi`, as the button is).
bool StartsDrag(int selectionStart, int selectionEnd, std::size_t labelLength, int pressX,
                int clientWidth, int dpi);

enum class DragScroll { kNone, kUp, kDown, kLeft, kRight };

// While text is dragged over the drop-down: near the top or bottom edge it scrolls a line up or
// down, otherwise near the left or right edge a line sideways.
DragScroll DragScrollAt(int x, int y, int width, int height, int inset);

}  // namespace pelmo
