#include "framework/ScaledBitmap.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/PictureScale.h"

namespace pelmo {

namespace {

// A few pictures are also drawn for 150%: a whole bitmap file under the name of the 96 DPI one.
constexpr int kDrawnTooDpi = 144;
constexpr const char* kDrawnTooType = "BITMAP150";
constexpr std::size_t kFileHeaderBytes = 14;

// A packed device-independent bitmap: its header, its colour table, its rows.
struct Drawing {
  const std::uint8_t* dib = nullptr;
  std::size_t size = 0;
  bool forDpi = false;  // drawn for the DPI asked: not to be scaled
};

Drawing Resource(LPCSTR name, LPCSTR type) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(module, name, type);
  if (!found) return {};
  return {static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, found))),
          ::SizeofResource(module, found)};
}

Drawing FindDrawing(LPCSTR name, int dpi) {
  if (dpi == kDrawnTooDpi) {
    const Drawing file = Resource(name, kDrawnTooType);
    if (file.dib && file.size > kFileHeaderBytes && file.dib[0] == 'B' && file.dib[1] == 'M')
      return {file.dib + kFileHeaderBytes, file.size - kFileHeaderBytes, true};
  }
  return Resource(name, RT_BITMAP);
}

}  // namespace

int SystemDpi() {
  // A program that is system DPI aware keeps the DPI it started with.
  static const int dpi = ::GetDeviceCaps(ScreenDC(), LOGPIXELSY);
  return dpi;
}

GdiObject<HBITMAP> LoadScaledBitmap(LPCSTR name, int dpi, int cellWidth) {
  const Drawing drawing = FindDrawing(name, dpi);
  BITMAPINFOHEADER header{};
  if (!drawing.dib || drawing.size < sizeof header) return {};
  std::memcpy(&header, drawing.dib, sizeof header);
  if (header.biSize < sizeof header || header.biSize > drawing.size ||
      header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight == 0)
    return {};

  const Size drawn{header.biWidth, std::abs(header.biHeight)};
  const std::size_t tableBytes =
      ColourTableSize(header.biBitCount, header.biClrUsed) * sizeof(RGBQUAD);
  const std::size_t rowsAt = header.biSize + tableBytes;
  const std::size_t stride = DibStride(drawn.width, header.biBitCount);
  if (stride == 0 || rowsAt > drawing.size ||
      (drawing.size - rowsAt) / stride < static_cast<std::size_t>(drawn.height))
    return {};
  const Size scaled = drawing.forDpi ? drawn : ScaledPictureSize(drawn, cellWidth, dpi);
  const std::vector<std::uint8_t> rows =
      ScalePixels(drawing.dib + rowsAt, header.biBitCount, drawn, scaled);
  if (rows.empty()) return {};

  std::vector<std::uint8_t> info(drawing.dib, drawing.dib + rowsAt);
  auto* scaledHeader = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  scaledHeader->biWidth = scaled.width;
  scaledHeader->biHeight = header.biHeight < 0 ? -scaled.height : scaled.height;
  scaledHeader->biSizeImage = 0;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()),
                                               DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  std::memcpy(bits, rows.data(), rows.size());
  return bitmap;
}

}  // namespace pelmo
