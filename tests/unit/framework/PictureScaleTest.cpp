// Pictures drawn for 96 DPI at the system's DPI, and the layout of the bitmaps that hold them.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/PictureScale.h"

namespace pelmo {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PictureScale, LengthsAndPictureSizesAtEveryCommonDpi) {
  // A DPI (0: none known, as 96), then what the lengths the program's pictures and margins have at
  // 96 DPI (the first row) become there; halves round up.
  const int rows[][6] = {
      {96, 2, 7, 11, 13, 16},   {120, 3, 9, 14, 16, 20}, {144, 3, 11, 17, 20, 24},
      {192, 4, 14, 22, 26, 32}, {0, 2, 7, 11, 13, 16},
  };
  for (const auto& row : rows)
    for (int i = 1; i < 6; ++i) EXPECT_EQ(ScaleToDpi(rows[0][i], row[0]), row[i]) << row[0];

  // The row pictures, six of 13 by 11: each becomes 20 wide at 150%, not the strip 117.
  const auto size = [](Size s) { return std::pair(s.width, s.height); };
  EXPECT_EQ(size(ScaledPictureSize({78, 11}, 13, 144)), std::pair(120, 17));
  EXPECT_EQ(size(ScaledPictureSize({16, 16}, 0, 144)), std::pair(24, 24));

  // The size of a colour table: bits per pixel, colours used, entries.
  const unsigned sizes[][3] = {{1, 0, 2}, {4, 0, 16},  {8, 0, 256}, {4, 6, 6},
                               {8, 1, 1}, {4, 99, 16}, {24, 16, 0}, {0, 0, 0}};
  for (const auto& [bits, used, entries] : sizes)
    EXPECT_EQ(ColourTableSize(static_cast<int>(bits), used), entries) << bits << " bits, " << used;
}

// Each pixel takes the value under its centre: 1.5 times doubles every other pixel, twice doubles
// them all, and no value is made up (magenta stays the key colour). Rows pad to 4 bytes.
TEST(PictureScale, NearestNeighbourKeepsEveryValueForEachBitDepth) {
  const Bytes sixteenColours = {0x12, 0x34, 0, 0, 0x56, 0x78, 0, 0};  // 1 2 3 4 / 5 6 7 8
  EXPECT_EQ(ScalePixels(sixteenColours.data(), 4, {4, 2}, {6, 3}),
            (Bytes{0x12, 0x23, 0x44, 0, 0x56, 0x67, 0x88, 0, 0x56, 0x67, 0x88, 0}));
  EXPECT_EQ(ScalePixels(sixteenColours.data(), 4, {4, 2}, {8, 4}),
            (Bytes{0x11, 0x22, 0x33, 0x44, 0x11, 0x22, 0x33, 0x44,  //
                   0x55, 0x66, 0x77, 0x88, 0x55, 0x66, 0x77, 0x88}));
  const Bytes twoColours = {0b10110000, 0, 0, 0};
  EXPECT_EQ(ScalePixels(twoColours.data(), 1, {5, 1}, {10, 1}),
            (Bytes{0b11001111, 0b00000000, 0, 0}));
  const Bytes trueColour = {1, 2, 3, 4, 5, 6, 0, 0};
  EXPECT_EQ(ScalePixels(trueColour.data(), 24, {2, 1}, {3, 1}),
            (Bytes{1, 2, 3, 4, 5, 6, 4, 5, 6, 0, 0, 0}));
  EXPECT_EQ(ScalePixels(trueColour.data(), 24, {2, 1}, {2, 1}), trueColour);
  EXPECT_TRUE(ScalePixels(trueColour.data(), 3, {2, 1}, {3, 1}).empty()) << "no such depth";
  EXPECT_TRUE(ScalePixels(trueColour.data(), 24, {2, 1}, {0, 1}).empty());
}

}  // namespace
}  // namespace pelmo
