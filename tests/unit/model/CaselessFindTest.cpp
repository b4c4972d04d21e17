#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/CaselessFind.h"
#include "framework/AnsiCodePage.h"

namespace pelmo {
namespace {

char Fold(char byte) {
  return static_cast<char>(AnsiFold(static_cast<unsigned char>(byte)));
}

std::string Folded(std::string text) {
  for (char& c : text) c = Fold(c);
  return text;
}

// Short texts over a few bytes, so that matches, near misses and both ends of a text are common;
// the texts are long enough for several word steps and a tail. The high bytes are letter pairs
// and the bytes that only resemble one (0xBF, 0xDF beside 0x9F and 0xFF).
TEST(CaselessFinder, AgreesWithFindingInLowerCaseCopies) {
  static const char kBytes[] = "aAeEzZ \x8A\x9A\x9F\xFF\xBF\xDF\xC9\xE9";
  std::mt19937 random(1);
  const auto randomByte = [&] { return kBytes[random() % (sizeof kBytes - 1)]; };
  const auto randomText = [&](size_t size) {
    std::string text;
    while (text.size() < size) text += randomByte();
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string text = randomText(random() % 70);
    std::string pattern = randomText(1 + random() % 20);
    if (random() % 2 && pattern.size() <= text.size()) {  // a piece of the text in other cases
      const size_t from = random() % (text.size() - pattern.size() + 1);
      for (size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = randomByte();
        while (Fold(pattern[i]) != Fold(text[from + i])) pattern[i] = randomByte();
      }
    }
    const bool expected = Folded(text).find(Folded(pattern)) != std::string::npos;
    ASSERT_EQ(CaselessFinder(pattern).FoundIn(text), expected)
        << "pattern \"" << pattern << "\" in \"" << text << "\"";
  }
  EXPECT_TRUE(CaselessFinder("").FoundIn(""));
}

}  // namespace
}  // namespace pelmo
