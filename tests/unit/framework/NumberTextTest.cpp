#include <gtest/gtest.h>

#include "framework/NumberText.h"

namespace pelmo {
namespace {

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
