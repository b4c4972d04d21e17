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
  std::string high;
  for (int byte = 0x80; byte < 0xA0; ++byte) high += static_cast<char>(byte);
  // The five bytes the code page leaves undefined become their C1 controls.
  EXPECT_EQ(AnsiToUtf8(high), u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
  EXPECT_EQ(AnsiToUtf8("plain \xA0\xE9\xFF"), u8"plain \u00A0éÿ");
  EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Every byte survives the way to Unicode and back, so the two directions agree.
TEST(AnsiCodePage, EveryByteRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    const std::u16string unit(1, DecodeUtf8(AnsiToUtf8(ansi)));
    EXPECT_EQ(Utf16ToAnsi(unit), ansi) << byte;
  }
}

// A typed search text is lowered as find next folds the clipboard's bytes: "š" finds "Š".
TEST(AnsiCodePage, LowerCaseOfATypedTextMatchesTheByteFold) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::u16string typed = AnsiToUtf16(std::string(1, static_cast<char>(byte)));
    const std::string folded(1, static_cast<char>(AnsiFold(static_cast<unsigned char>(byte))));
    EXPECT_EQ(LowerCaseInAnsi(typed), AnsiToUtf16(folded)) << byte;
  }
}

TEST(AnsiCodePage, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToAnsi(u"\u0416x\u4E2D"), "?x?");
  EXPECT_EQ(Utf16ToAnsi(u"\U0001F600"), "?");  // a pair is one character
  EXPECT_EQ(Utf16ToAnsi(u"\xD800"
                        u"a\xDC00\xDC00"),
            "?a??");                       // lone halves
  EXPECT_EQ(Utf16ToAnsi(u"\u0080"), "?");  // a C1 control the code page redefines
}

}  // namespace
}  // namespace pelmo
