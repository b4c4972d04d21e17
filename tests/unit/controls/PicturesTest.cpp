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
  struct Case {
    const char* file;
    int width;
    int height;
  };
  const Case cases[] = {
      {"minimizeu", 12, 11},
      {"minimized", 12, 11},
      {"menupopu", 12, 11},
      {"menupopd", 12, 11},
      {"up", 7, 4},
      {"down", 7, 4},
      {"delete", 16, 16},
      {"edit", 16, 16},
      {"calculator", 16, 16},
      {"web_browse", 16, 16},
      {"web_find", 16, 16},
      {"web_save", 16, 16},
      {"copy", 16, 16},
      {"history_types", 78, 11},
      {"inline_delete", 7, 6},
      {"inline_edit", 7, 6},
      {"inline_collapse", 9, 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto bytes = ReadFile(std::string(PELMO_RES_DIR "/bitmaps/") + c.file + ".bmp");
    ASSERT_GT(bytes.size(), 14u + 40u + 64u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
    EXPECT_EQ(Le(bytes, 14, 4), 40u);
    EXPECT_EQ(static_cast<int>(Le(bytes, 18, 4)), c.width);
    EXPECT_EQ(static_cast<int>(Le(bytes, 22, 4)), c.height);
    const int bits = static_cast<int>(Le(bytes, 28, 2));
    EXPECT_EQ(bits, 4);
    const std::size_t colours = ColourTableSize(bits, Le(bytes, 46, 4));
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

}  // namespace
}  // namespace pelmo
