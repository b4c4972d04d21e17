// The rules of the ClipBook, Quick Replace and Concatenate windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/AnsiCodePage.h"
#include "tools/ClipBook.h"
#include "tools/Concatenate.h"
#include "model/QuickReplace.h"

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

HistoryItem Item(std::string text, std::u16string wide = {}) {
  HistoryItem item;
  item.text = std::move(text);
  item.wide = std::move(wide);
  return item;
}

TEST(ClipBook, EntriesSplitAtTheFirstLineFeed) {
  const HistoryItem entry = MakeClipBookEntry("name", u"name", Item("line 1\nline 2"));
  EXPECT_EQ(entry.text, "name\nline 1\nline 2");
  EXPECT_TRUE(entry.wide.empty());
  EXPECT_EQ(ClipBookName(entry.text), "name");
  EXPECT_EQ(ClipBookText(entry).text, "line 1\nline 2");
  EXPECT_TRUE(ClipBookText(entry).wide.empty());
  EXPECT_EQ(ClipBookName("\nthe text"), "");
  EXPECT_EQ(ClipBookText(Item("\nthe text")).text, "the text");
  EXPECT_EQ(ClipBookName("no line feed"), "no line feed");
  EXPECT_EQ(ClipBookText(Item("no line feed")).text, "no line feed");

  // A wide text keeps its UTF-16 form under the name, and is put back whole.
  const HistoryItem greek = MakeClipBookEntry("n?", u"nΩ", Item("??\n?", u"Γα\nω"));
  EXPECT_EQ(greek.text, "n?\n??\n?");
  EXPECT_EQ(greek.wide, u"nΩ\nΓα\nω");
  EXPECT_EQ(ClipBookText(greek).text, "??\n?");
  EXPECT_EQ(ClipBookText(greek).wide, u"Γα\nω");
  EXPECT_EQ(ClipBookName(greek.wide), u"nΩ");
  EXPECT_EQ(ProposedClipBookName("ten chars!"), "ten chars!");
  EXPECT_EQ(ProposedClipBookName(std::string(100, 'n')), std::string(35, 'n'));
}

TEST(Concatenate, JoinsTheChosenItemsEachFollowedByTheDelimiter) {
  const std::vector<HistoryItem> items = {Item("a"), Item("b"), Item("c"), Item("d")};
  const std::vector<int> selected = {0, 1, 3};
  const auto join = [&](int itemChoice, unsigned first, int delimiterChoice, const char* string) {
    ConcatenateChoice choice;
    choice.itemChoice = itemChoice;
    choice.firstCount = first;
    choice.delimiterChoice = delimiterChoice;
    choice.delimiterString = string;
    const std::optional<HistoryItem> joined = Concatenate(items, selected, choice, AnsiToUtf16);
    EXPECT_TRUE(joined && joined->wide.empty());
    return joined ? joined->text : "-";
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
  EXPECT_EQ(Concatenate(items, {}, choice, AnsiToUtf16), std::nullopt)
      << "nothing selected: the window stays";
}

// The list's rows, in either form of a text, and the count that one selected row proposes.
TEST(Concatenate, RowsAreNumberedTrimmedAndCutAndOneSelectedRowProposesTheFirstN) {
  EXPECT_EQ(ConcatenateRow(3, " \t\r\nfirst\r\nsecond"), "3  first\r\nsecond");
  EXPECT_EQ(ConcatenateRow(12, std::string(60, 'x')), "12  " + std::string(50, 'x'));
  EXPECT_EQ(ConcatenateRow(1, std::u16string(u" Καλημέρα")), u"1  Καλημέρα");
  EXPECT_EQ(ConcatenateRow(1, std::u16string(60, u'Ω')), u"1  " + std::u16string(50, u'Ω'));
  EXPECT_EQ(ConcatenateRow(1, std::u16string()), u"") << "no wide text, no wide row";

  ConcatenateChoice choice;
  FollowSelection({2}, choice);
  EXPECT_EQ(choice.itemChoice, kFirstItems);
  EXPECT_EQ(choice.firstCount, 3u) << "the first three rows reach the selected one";
  FollowSelection({0, 2}, choice);
  EXPECT_EQ(choice.itemChoice, kSelectedItems);
}

// A chosen wide text makes the result keep one: the UTF-16 forms joined with the delimiter.
TEST(Concatenate, AWideTextKeepsTheResultWide) {
  const std::vector<HistoryItem> items = {Item("caf\xE9"), Item("??", u"Ωω"), Item("x")};
  ConcatenateChoice choice;
  choice.delimiterChoice = kDelimiterString;
  choice.delimiterString = "\xA7";
  choice.itemChoice = kFirstItems;
  choice.firstCount = 2;
  const std::optional<HistoryItem> joined = Concatenate(items, {}, choice, AnsiToUtf16);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->text, "caf\xE9\xA7??\xA7");
  EXPECT_EQ(joined->wide, u"café§Ωω§");
}

}  // namespace
}  // namespace pelmo
