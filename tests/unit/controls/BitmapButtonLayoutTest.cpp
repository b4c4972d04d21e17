#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "controls/BitmapButtonLayout.h"

namespace pelmo {
namespace {

ColourTableEntry Entry(Rgb c) {
  return {c.blue, c.green, c.red, 0};
}
Rgb ColourOf(const ColourTableEntry& e) {
  return {e.red, e.green, e.blue};
}

// Grey entries have their own value as brightness, so each threshold is crossed once; the
// coloured entries tell the weights (77 R + 153 G + 25 B) / 255 apart.
TEST(BitmapButtonGrey, ColourTable) {
  std::vector<ColourTableEntry> table;
  for (int v = 0; v < 256; ++v) {
    const auto level = static_cast<std::uint8_t>(v);
    table.push_back(Entry({level, level, level}));
  }
  const struct {
    Rgb colour;
    std::uint8_t grey;
  } coloured[] = {
      {{128, 0, 0}, 0},
      {{255, 0, 0}, 128},
      {{0, 128, 0}, 128},
      {{0, 0, 255}, 0},
      {{0, 255, 255}, 192},
      {{255, 255, 0}, 255},
      // Either side of the first threshold by less than one unit of the blue weight.
      {{0, 64, 255}, 0},
      {{0, 65, 255}, 128},
  };
  for (const auto& c : coloured) table.push_back(Entry(c.colour));
  const std::size_t transparentIndex = 77;
  table[transparentIndex] = Entry(kMagenta);
  const ColourTableEntry sentinel = Entry({1, 2, 3});
  table.push_back(sentinel);  // past the given count: must stay as it is

  GreyColourTable(table.data(), table.size() - 1, kMagenta);

  for (int v = 0; v < 256; ++v) {
    const std::uint8_t grey = v < 64 ? 0 : v < 160 ? 128 : v < 224 ? 192 : 255;
    const Rgb expected = v == static_cast<int>(transparentIndex) ? kMagenta : Rgb{grey, grey, grey};
    EXPECT_EQ(ColourOf(table[v]), expected) << v;
  }
  for (std::size_t i = 0; i < std::size(coloured); ++i) {
    const std::uint8_t grey = coloured[i].grey;
    EXPECT_EQ(ColourOf(table[256 + i]), (Rgb{grey, grey, grey})) << i;
    EXPECT_EQ(table[256 + i].reserved, 0);
  }
  EXPECT_EQ(ColourOf(table.back()), ColourOf(sentinel));
}

TEST(BitmapButtonDrawing, FaceAndPictureForEveryState) {
  const struct {
    ButtonState state;
    ButtonFace face;
    int picture;
  } cases[] = {
      // state: pressed, disabled, flat, hot
      {{false, false, false, false}, ButtonFace::kRaised, kColourPicture},
      {{true, false, false, false}, ButtonFace::kPushed, kColourPicture},
      {{false, true, false, false}, ButtonFace::kRaisedInactive, kDisabledPicture},
      {{false, false, true, false}, ButtonFace::kPlain, kGreyPicture},
      {{false, false, true, true}, ButtonFace::kRaised, kColourPicture},
      {{true, false, true, true}, ButtonFace::kPushed, kColourPicture},
      {{true, false, true, false}, ButtonFace::kPushed, kColourPicture},
      {{false, true, true, true}, ButtonFace::kPlain, kDisabledPicture},
  };
  for (const auto& c : cases) {
    const ButtonState& s = c.state;
    SCOPED_TRACE(testing::Message() << "pressed " << s.pressed << " disabled " << s.disabled
                                    << " flat " << s.flat << " hot " << s.hot);
    EXPECT_EQ(ChooseFace(s), c.face);
    EXPECT_EQ(ChoosePicture(s, 3), c.picture);
    // Without the derived pictures the colour one stands in.
    EXPECT_EQ(ChoosePicture(s, 1), kColourPicture);
  }
  EXPECT_EQ(ChoosePicture({false, true, true, false}, 2), kColourPicture);
  EXPECT_EQ(ChoosePicture({false, false, true, false}, 2), kGreyPicture);
}

}  // namespace
}  // namespace pelmo
