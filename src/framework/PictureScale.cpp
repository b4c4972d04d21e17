#include "framework/PictureScale.h"

#include <algorithm>
#include <cstring>

namespace pelmo {

namespace {

// The source pixel under the centre of target pixel `target`, when `from` pixels become `to`.
int NearestSource(int target, int from, int to) {
  return static_cast<int>((2LL * target + 1) * from / (2LL * to));
}

bool Supported(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

// Pixels narrower than a byte are packed from the high bits down.
unsigned ReadPacked(const std::uint8_t* row, int x, int bits) {
  const int perByte = 8 / bits;
  const int shift = 8 - bits * (x % perByte + 1);
  return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

void WritePacked(std::uint8_t* row, int x, int bits, unsigned value) {
  const int perByte = 8 / bits;
  const int shift = 8 - bits * (x % perByte + 1);
  row[x / perByte] = static_cast<std::uint8_t>(row[x / perByte] | value << shift);
}

}  // namespace

int ScaleToDpi(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  const long long scaled = static_cast<long long>(pixels) * dpi;
  const long long half = scaled < 0 ? -kDrawnDpi / 2 : kDrawnDpi / 2;
  return static_cast<int>((scaled + half) / kDrawnDpi);
}

Size ScaledPictureSize(Size drawn, int cellWidth, int dpi) {
  if (cellWidth <= 0 || cellWidth > drawn.width) cellWidth = drawn.width;
  const int cells = cellWidth > 0 ? drawn.width / cellWidth : 0;
  return {cells * ScaleToDpi(cellWidth, dpi), ScaleToDpi(drawn.height, dpi)};
}

std::size_t DibStride(int width, int bitsPerPixel) {
  const std::size_t bits = static_cast<std::size_t>(std::max(width, 0)) * bitsPerPixel;
  return (bits + 31) / 32 * 4;
}

std::size_t ColourTableSize(int bitsPerPixel, std::uint32_t coloursUsed) {
  if (bitsPerPixel < 1 || bitsPerPixel > 8) return 0;
  const std::size_t full = std::size_t{1} << bitsPerPixel;
  // A shorter table is followed by the pixels: reading it as full would take pixels for colours.
  return coloursUsed == 0 ? full : std::min<std::size_t>(coloursUsed, full);
}

std::vector<std::uint8_t> ScalePixels(const std::uint8_t* rows, int bitsPerPixel, Size from,
                                      Size to) {
  if (!Supported(bitsPerPixel) || from.width <= 0 || from.height <= 0 || to.width <= 0 ||
      to.height <= 0)
    return {};
  const std::size_t fromStride = DibStride(from.width, bitsPerPixel);
  const std::size_t toStride = DibStride(to.width, bitsPerPixel);
  const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel) / 8;
  std::vector<std::uint8_t> scaled(toStride * static_cast<std::size_t>(to.height));
  std::vector<int> sourceColumn(static_cast<std::size_t>(to.width));
  for (int x = 0; x < to.width; ++x) sourceColumn[x] = NearestSource(x, from.width, to.width);
  for (int y = 0; y < to.height; ++y) {
    const std::uint8_t* source = rows + fromStride * NearestSource(y, from.height, to.height);
    std::uint8_t* target = scaled.data() + toStride * y;
    for (int x = 0; x < to.width; ++x) {
      if (bytesPerPixel == 0)
        WritePacked(target, x, bitsPerPixel, ReadPacked(source, sourceColumn[x], bitsPerPixel));
      else
        std::memcpy(target + bytesPerPixel * x, source + bytesPerPixel * sourceColumn[x],
                    bytesPerPixel);
    }
  }
  return scaled;
}

}  // namespace pelmo
