// The calculator window's key rules, on the portable model of its three texts and its list, and
// its history file: its exact bytes, the limit, and damaged files.
#include <gtest/gtest.h>

#include "../TestSupport.h"
#include "calc/CalculatorKeys.h"
#include "model/CalculatorHistory.h"

namespace pelmo::test {
namespace {

// The three texts the window shows: expression, result and indicator.
std::string Shown(const CalculatorKeys& keys) {
  return keys.texts.expression + "|" + keys.texts.result + "|" + keys.texts.indicator;
}

TEST(CalculatorKeys, OperatorShowsTheRunningResultAndEqualsRecordsTheExpression) {
  CalculatorKeys keys;
  keys.Append("7");
  EXPECT_EQ(Shown(keys), "7|0.0|") << "a digit evaluates nothing";
  keys.Append("*");
  EXPECT_EQ(Shown(keys), "7*|7|*");
  keys.Append("8");
  EXPECT_TRUE(keys.Equals());
  EXPECT_EQ(Shown(keys), "7*8|56|=");

  EXPECT_FALSE(keys.Equals()) << "the same expression twice";
  keys.texts.expression = "1e3";
  EXPECT_TRUE(keys.Equals());
  keys.texts.expression = "1E3";
  EXPECT_FALSE(keys.Equals()) << "the search ignores case";
  EXPECT_EQ(keys.texts.result, "1000");
  EXPECT_EQ(keys.History(), (Strings{"1e3", "7*8"}));
}

// "Shift" gives the next appending key its second text, if it has one: once, and twice is once.
TEST(CalculatorKeys, ShiftGivesTheNextDualKeyItsSecondTextOnce) {
  const std::pair<const char*, const char*> duals[] = {
      {"sin(", "asin("}, {"cos(", "acos("}, {"tan(", "atan("}, {"ln(", "exp("},
      {"deg(", "rad("},  {"erf(", "erfc("}, {"^", "sqrt("},    {"log(", "log("}};
  for (const auto& [key, second] : duals) {
    CalculatorKeys keys;
    keys.Shift();
    keys.Shift();
    keys.Append(key);
    keys.Append(key);
    EXPECT_EQ(keys.texts.expression, std::string(second) + key);
  }
  // A key without a second text, and typing, use the Shift up too.
  CalculatorKeys keys;
  keys.Shift();
  keys.Append("7");
  keys.Append("sin(");
  keys.Shift();
  keys.EditChanged();
  keys.Append("^");
  EXPECT_EQ(keys.texts.expression, "7sin(^");
}

// The value is shown despite the unmatched bracket; nothing before the operator counts as 0.
TEST(CalculatorKeys, TypingAnOperatorOrABracketShowsTheRunningResultOtherwiseNothingChanges) {
  CalculatorKeys keys;
  // clang-format off
  const struct { const char *expression, *shown; bool changed; } edits[] = {
      {"  10/4  ", "  10/4  |0.0|", false}, {" 10/4 - \t", " 10/4 - \t|2.5|-", true},
      {"(1+4*", "(1+4*|5|*", true}, {"(1+4)", "(1+4)|5|( )", true}, {"-", "-|0|-", true}};
  // clang-format on
  for (const auto& edit : edits) {
    keys.texts.expression = edit.expression;
    EXPECT_EQ(keys.EditChanged(), edit.changed) << edit.expression;
    EXPECT_EQ(Shown(keys), edit.shown);
  }
}

TEST(CalculatorKeys, ClearBackspaceErrorAndChoosingAnEntry) {
  CalculatorKeys keys;
  keys.Append("2+");
  keys.Clear();
  EXPECT_EQ(Shown(keys), "|0|+") << "C keeps the indicator";
  EXPECT_FALSE(keys.Equals());
  EXPECT_EQ(Shown(keys), "|Syntax Error |=");
  EXPECT_TRUE(keys.History().empty());

  keys.texts.expression = "1/0";
  EXPECT_FALSE(keys.Equals());
  EXPECT_EQ(Shown(keys), "1/0|Division by zero |=") << "the expression is kept for correction";
  for (const char* left : {"1/", "1", "", ""}) {
    keys.Backspace();
    EXPECT_EQ(keys.texts.expression, left);
  }

  keys.AppendHistory({"2^10", "pi"});
  keys.Choose(1);
  EXPECT_EQ(Shown(keys), "pi||M");
}

TEST(CalculatorHistory, WritesTheNewestEntriesUpToTheLimitAndReadsWhatADamagedFileHolds) {
  Strings entries;  // newest first
  for (int i = 29; i >= 0; --i) entries.push_back(std::to_string(i));
  // The file of the newest `n` entries: their count, then the oldest first.
  const auto fileOf = [&](int n) { return List({entries.rend() - n, entries.rend()}); };
  TempDir dir;
  const std::string path = dir.File("Pelmo.clc");
  SaveCalculatorHistory(path, entries, 20);
  EXPECT_EQ(ReadBytes(path), fileOf(20));
  SaveCalculatorHistory(path, entries, 2);
  EXPECT_EQ(ReadBytes(path), fileOf(4)) << "a limit below 4 counts as 4";
  SaveCalculatorHistory(path, {}, 20);
  EXPECT_EQ(ReadBytes(path), Int32(0));

  // A damaged file keeps what was read, newest first, and the error names the offset. A count of
  // four billion allocates nothing for it: the file ends at the first entry.
  const std::tuple<std::string, unsigned, size_t, Strings, const char*> cases[] = {
      // The third entry claims 200 bytes that are not there.
      {Int32(3) + Text("a") + Text("bc") + "\xC8xyz", 20, 9, {"bc", "a"}, "entry 3 of 3"},
      {Int32(0xFFFFFFF0u), 0xFFFFFFFFu, 4, {}, "entry 1 of 4294967280"},
      {"\x01\x00", 20, 0, {}, "entry count"}};
  for (const auto& [bytes, limit, offset, read, problem] : cases) {
    WriteBytes(path, bytes);
    const auto loaded = LoadCalculatorHistory(path, limit);
    ASSERT_TRUE(loaded.error) << problem;
    EXPECT_EQ(loaded.error->Offset(), offset) << problem;
    EXPECT_TRUE(Has(loaded.error->Problem(), problem)) << loaded.error->Problem();
    EXPECT_EQ(loaded.content, read) << problem;
  }
}

}  // namespace
}  // namespace pelmo::test
