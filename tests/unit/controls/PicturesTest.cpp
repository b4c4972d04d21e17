// The committed bitmaps have the format and sizes the windows rely on: 16 colours with magenta
// in the table, and the sizes that fit their buttons or, for the history drop-down, the strip of
// six 13 by 11 pictures. (The icons are checked where the tray icon loads one.)
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/BitmapButtonLayout.h"

namespace pelmo {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

TEST(Pictures, BitmapsAreSixteenColoursWithMagentaAndFitTheirButtons) {
  const struct {
    int width;
    int height;
    std::vector<const char*> files;
  } sizes[] = {
      {12, 11, {"minimizeu", "minimized", "menupopu", "menupopd"}},
      {7, 4, {"up", "down"}},
      {16, 16, {"delete", "edit", "calculator", "web_browse", "web_find", "web_save", "copy"}},
      {78, 11, {"history_types"}},
      {7, 6, {"inline_delete", "inline_edit"}},
      {9, 22, {"inline_collapse"}},
  };
  for (const auto& c : sizes) {
    for (const char* file : c.files) {
      SCOPED_TRACE(file);
      const auto bytes = ReadFile(std::string(PELMO_RES_DIR "/bitmaps/") + file + ".bmp");
      ASSERT_GT(bytes.size(), 14u + 40u + 64u);
      EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "BM");
      EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
      EXPECT_EQ(Le(bytes, 14, 4), 40u);
      EXPECT_EQ(static_cast<int>(Le(bytes, 18, 4)), c.width);
      EXPECT_EQ(static_cast<int>(Le(bytes, 22, 4)), c.height);
      const std::size_t colours =
          ColourTableSize(static_cast<int>(Le(bytes, 28, 2)), Le(bytes, 46, 4));
      ASSERT_EQ(colours, 16u);
      // The pixels start right after the colour table, and each row fills whole 32-bit words.
      EXPECT_EQ(Le(bytes, 10, 4), 14u + 40u + 4u * colours);
      const std::size_t rowBytes = (c.width * 4 + 31) / 32 * 4;
      EXPECT_EQ(bytes.size(), 14u + 40u + 4u * colours + rowBytes * c.height);
      bool hasMagenta = false;
      for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t at = 54 + 4 * i;
        hasMagenta |= Rgb{bytes[at + 2], bytes[at + 1], bytes[at]} == kMagenta;
      }
      EXPECT_TRUE(hasMagenta);
    }
  }
}

}  // namespace
}  // namespace pelmo
