// The program's pictures are drawn for 96 DPI. A system-DPI-aware program draws for the system's
// DPI, so they are scaled once, when they are loaded: by nearest neighbour, pixel by pixel, so that
// no colour is made up. The key colour stays exact (magenta is still transparent) and a colour
// table still means what it meant (the soft look greys the table). Also the layout of the
// device-independent bitmaps the pictures are kept in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Geometry.h"

namespace pelmo {

inline constexpr int kDrawnDpi = 96;

// A length of the 96 DPI drawing at `dpi`, to the nearest pixel (halves away from zero). An
// unknown DPI (0) leaves it as drawn.
int ScaleToDpi(int pixels, int dpi);

// The size of a strip of pictures each `cellWidth` wide (0: one picture) at `dpi`. Each picture
// is scaled on its own, so that the strip still divides into whole pictures.
Size ScaledPictureSize(Size drawn, int cellWidth, int dpi);

// Bytes one row of a device-independent bitmap takes: its bits padded to whole 4-byte words.
std::size_t DibStride(int width, int bitsPerPixel);

// Entries a bitmap's colour table holds: the used-colour count when the header gives one (never
// more than the bit depth allows), otherwise the full table; none above 8 bits per pixel.
std::size_t ColourTableSize(int bitsPerPixel, std::uint32_t coloursUsed);

// Scales the rows of a device-independent bitmap (1, 2, 4, 8, 16, 24 or 32 bits a pixel, rows
// as `DibStride` pads them) from one size to another: each pixel takes the value of the pixel
// under its centre. Empty for another bit depth or an empty size.
std::vector<std::uint8_t> ScalePixels(const std::uint8_t* rows, int bitsPerPixel, Size from,
                                      Size to);

}  // namespace pelmo
