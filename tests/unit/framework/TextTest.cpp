// The ANSI code page and the number fields' texts.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "framework/AnsiCodePage.h"
#include "framework/NumberText.h"

namespace pelmo {
namespace {

TEST(AnsiCodePage, KnownAndUnmappableCharactersAndEveryByteRoundTrips) {
  std::string high;
  for (int byte = 0x80; byte < 0xA0; ++byte) high += static_cast<char>(byte);
  // The five bytes the code page leaves undefined become their C1 controls.
  EXPECT_EQ(AnsiToUtf8(high), u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
  EXPECT_EQ(AnsiToUtf8("plain \xA0\xE9\xFF"), u8"plain \u00A0éÿ");
  EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
  // The other way, what the code page cannot hold becomes question marks.
  EXPECT_EQ(Utf16ToAnsi(u"\u0416x\u4E2D"), "?x?");
  EXPECT_EQ(Utf16ToAnsi(u"\U0001F600"), "?");  // a pair is one character
  EXPECT_EQ(Utf16ToAnsi(std::u16string{0xD800, u'a', 0xDC00, 0xDC00}), "?a??");  // lone halves
  EXPECT_EQ(Utf16ToAnsi(u"\u0080"), "?");  // a C1 control the code page redefines
  // Every byte survives the way to Unicode and back, also through UTF-8, so the directions agree.
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(ansi)), ansi) << byte;
    EXPECT_EQ(Utf16ToUtf8(AnsiToUtf16(ansi)), AnsiToUtf8(ansi)) << byte;
  }
}

// Each text as signed and as unsigned; "-" is refused.
TEST(NumberText, SignedAndUnsignedEntries) {
  const auto shown = [](auto number) { return number ? std::to_string(*number) : "-"; };
  // clang-format off
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {" \t-42\t ", "-42", "-"}, {"+7", "7", "7"}, {"  100 ", "100", "100"}, {"-0", "0", "-"},
      {"2147483647", "2147483647", "2147483647"}, {"2147483648", "-", "2147483648"},
      {"-2147483648", "-2147483648", "-"}, {"-2147483649", "-", "-"},
      {"4294967295", "-", "4294967295"}, {"4294967296", "-", "-"}, {"", "-", "-"},
      {"12a", "-", "-"}, {"1 2", "-", "-"}, {"- 1", "-", "-"}, {"0x10", "-", "-"}};
  // clang-format on
  for (const auto& [text, asSigned, asUnsigned] : cases) {
    EXPECT_EQ(shown(ParseSignedText(text)), asSigned) << text;
    EXPECT_EQ(shown(ParseUnsignedText(text)), asUnsigned) << text;
  }
}

}  // namespace
}  // namespace pelmo
