#include <gtest/gtest.h>

#include <string>

#include "framework/AnsiCodePage.h"

namespace pelmo {
namespace {

// The code point of one UTF-8 character of up to three bytes.
char16_t DecodeUtf8(const std::string& s) {
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  if (s.size() == 1) return b(0);
  if (s.size() == 2) return static_cast<char16_t>((b(0) & 0x1F) << 6 | (b(1) & 0x3F));
  return static_cast<char16_t>((b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F));
}

TEST(AnsiCodePage, KnownCharacters) {
  const struct {
    std::string ansi;
    std::string utf8;
  } cases[] = {
      {"plain", "plain"},
      {"\x80", "\xE2\x82\xAC"},  // euro sign
      {"\x9F", "\xC5\xB8"},      // Y with diaeresis
      {"\xE9", "\xC3\xA9"},      // e acute
      {"\x81", "\xC2\x81"},      // undefined in the code page: its C1 control
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8);
}

// Every byte survives the way to Unicode and back, so the two directions agree.
TEST(AnsiCodePage, EveryByteRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    const std::u16string unit(1, DecodeUtf8(AnsiToUtf8(ansi)));
    EXPECT_EQ(Utf16ToAnsi(unit), ansi) << byte;
  }
}

TEST(AnsiCodePage, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToAnsi(u"\u0416x\u4E2D"), "?x?");
  EXPECT_EQ(Utf16ToAnsi(u"\U0001F600"), "?");  // a pair is one character
  EXPECT_EQ(Utf16ToAnsi(u"\xD800"
                        u"a\xDC00"),
            "?a?");                        // lone halves
  EXPECT_EQ(Utf16ToAnsi(u"\u0080"), "?");  // a C1 control the code page redefines
}

}  // namespace
}  // namespace pelmo
