// The rules of the ClipBook, Quick Replace and Concatenate windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/ClipBook.h"
#include "tools/Concatenate.h"
#include "tools/QuickReplace.h"

namespace pelmo {
namespace {

TEST(QuickReplace, MatchesTheWholeTextExactlyFirstPairFirst) {
  const std::vector<QuickRepItem> pairs = {
      {"sig", "first"}, {"sig", "second"}, {"", "no text"}, {"Addr", "address"}};
  const struct {
    std::string text;
    std::string replacement;  // "-": no pair matches
  } cases[] = {
      {"sig", "first"}, {"SIG", "-"},        {" sig", "-"},   {"sig\r\n", "-"},
      {"addr", "-"},    {"Addr", "address"}, {"", "no text"}, {"si", "-"},
  };
  for (const auto& c : cases) {
    const QuickRepItem* found = FindQuickRep(pairs, c.text);
    EXPECT_EQ(found ? found->text : "-", c.replacement) << c.text;
  }
}

TEST(RowTexts, AreCutAt50Characters) {
  EXPECT_EQ(QuickRepRow({"sc", "text"}), "sc   ....  text");
  EXPECT_EQ(QuickRepRow({"sc", std::string(60, 'x')}), "sc   ....  " + std::string(39, 'x'));
  EXPECT_EQ(ConcatenateRow(3, " \t\r\n" + std::string(49, 'a') + "bc"),
            "3  " + std::string(49, 'a') + "b");
  EXPECT_EQ(ConcatenateRow(12, "   "), "12  ");
}

TEST(ClipBook, EntriesSplitAtTheFirstLineFeed) {
  EXPECT_EQ(MakeClipBookEntry("name", "line 1\nline 2"), "name\nline 1\nline 2");
  EXPECT_EQ(ClipBookName("name\nline 1\nline 2"), "name");
  EXPECT_EQ(ClipBookText("name\nline 1\nline 2"), "line 1\nline 2");
  EXPECT_EQ(ClipBookName("\nthe text"), "");
  EXPECT_EQ(ClipBookText("\nthe text"), "the text");
  EXPECT_EQ(ClipBookName("no line feed"), "no line feed");
  EXPECT_EQ(ClipBookText("no line feed"), "no line feed");
  EXPECT_EQ(ProposedClipBookName("ten chars!"), "ten chars!");
  EXPECT_EQ(ProposedClipBookName(std::string(100, 'n')), std::string(35, 'n'));
}

TEST(Concatenate, JoinsTheChosenItemsEachFollowedByTheDelimiter) {
  const std::vector<std::string> items = {"a", "b", "c", "d"};
  const std::vector<int> selected = {0, 1, 3};
  const auto join = [&](int itemChoice, unsigned first, int delimiterChoice, const char* string) {
    ConcatenateChoice choice;
    choice.itemChoice = itemChoice;
    choice.firstCount = first;
    choice.delimiterChoice = delimiterChoice;
    choice.delimiterString = string;
    return Concatenate(items, selected, choice);
  };
  EXPECT_EQ(join(kFirstItems, 3, kEachOnNewLine, ""), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(join(kFirstItems, 10, kEachOnNewLine, ""), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(join(kFirstItems, 0, kEachOnNewLine, ""), "");
  EXPECT_EQ(join(kAllItems, 0, kDelimiterString, "\\n"), "a\nb\nc\nd\n");
  EXPECT_EQ(join(kFirstItems, 2, kDelimiterString, " ,"), "a ,b ,");
  EXPECT_EQ(join(kFirstItems, 2, kDelimiterString, "\\n\\n"), "a\\n\\nb\\n\\n");
  EXPECT_EQ(join(kSelectedItems, 0, kDelimiterString, "+"), "a+b+d+");
  EXPECT_EQ(join(kSelectedReversed, 0, kDelimiterString, "+"), "d+b+a+");
  ConcatenateChoice choice;
  choice.itemChoice = kSelectedReversed;
  EXPECT_EQ(Concatenate(items, {}, choice), std::nullopt) << "nothing selected: the window stays";
}

}  // namespace
}  // namespace pelmo
