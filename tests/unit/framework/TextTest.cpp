// The ANSI code page and the number fields' texts.
#include <gtest/gtest.h>

#include <string>

#include "framework/AnsiCodePage.h"
#include "framework/NumberText.h"

namespace pelmo {
namespace {

TEST(AnsiCodePage, KnownCharacters) {
  std::string high;
  for (int byte = 0x80; byte < 0xA0; ++byte) high += static_cast<char>(byte);
  // The five bytes the code page leaves undefined become their C1 controls.
  EXPECT_EQ(AnsiToUtf8(high), u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
  EXPECT_EQ(AnsiToUtf8("plain \xA0\xE9\xFF"), u8"plain \u00A0éÿ");
  EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Every byte survives the way to Unicode and back, also through UTF-8, so the directions agree;
// and a typed search text is lowered as find next folds the clipboard's bytes: "š" finds "Š".
TEST(AnsiCodePage, EveryByteRoundTripsAndLowersAsTheByteFold) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(ansi)), ansi) << byte;
    EXPECT_EQ(Utf16ToUtf8(AnsiToUtf16(ansi)), AnsiToUtf8(ansi)) << byte;
    const std::string folded(1, static_cast<char>(AnsiFold(static_cast<unsigned char>(byte))));
    EXPECT_EQ(LowerCaseInAnsi(AnsiToUtf16(ansi)), AnsiToUtf16(folded)) << byte;
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

TEST(NumberText, SignedAndUnsignedEntries) {
  EXPECT_EQ(ParseSignedText(" \t-42\t "), -42);
  EXPECT_EQ(ParseSignedText("+7"), 7);
  EXPECT_EQ(ParseSignedText("2147483647"), 2147483647);
  EXPECT_EQ(ParseSignedText("2147483648"), std::nullopt) << "out of range is refused";
  EXPECT_EQ(ParseSignedText("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseSignedText("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseSignedText(""), std::nullopt);
  EXPECT_EQ(ParseSignedText("12a"), std::nullopt);
  EXPECT_EQ(ParseSignedText("1 2"), std::nullopt);
  EXPECT_EQ(ParseSignedText("- 1"), std::nullopt);

  EXPECT_EQ(ParseUnsignedText("  100 "), 100u);
  EXPECT_EQ(ParseUnsignedText("4294967295"), 4294967295u);
  EXPECT_EQ(ParseUnsignedText("4294967296"), std::nullopt);
  EXPECT_EQ(ParseUnsignedText("-5"), std::nullopt) << "a leading minus is refused";
  EXPECT_EQ(ParseUnsignedText("-0"), std::nullopt);
  EXPECT_EQ(ParseUnsignedText("0x10"), std::nullopt);
}

}  // namespace
}  // namespace pelmo
