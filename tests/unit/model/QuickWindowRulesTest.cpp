#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/HotKeyText.h"
#include "model/QuickFilter.h"

namespace pelmo {
namespace {

// Which of a small history each typed filter keeps, newest first.
TEST(QuickFilter, KeepsTheEntriesHoldingEveryWordInAnyCase) {
  History history;
  history.InsertTop("Invoice 2024 for ACME", kPlain);
  history.InsertTop("caf\xE9 au lait", kPlain);
  history.InsertTop("?a??µ??a friends", kPlain, u"Καλημέρα friends");
  history.InsertTop("\x8Akoda parts", kPlain);  // Škoda
  // Rows now: 0 Škoda, 1 Greek, 2 café, 3 invoice.
  const struct {
    std::u16string typed;
    std::vector<int> rows;
  } cases[] = {
      {u"", {0, 1, 2, 3}},    {u"  \t ", {0, 1, 2, 3}}, {u"acme", {3}},
      {u"2024 INVOICE", {3}}, {u"invoice  lait", {}},   {u"CAFÉ", {2}},
      {u"škoda", {0}},        {u"καλημέρα", {1}},       {u"ΚΑΛΗΜΈΡΑ FRIENDS", {1}},
      {u"καλη parts", {}},    {u"a", {0, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(FilterRows(history, QuickFilter(c.typed)), c.rows);
    // Typed one character at a time, each result narrowing the last, it comes out the same.
    std::vector<int> rows = FilterRows(history, QuickFilter(u""));
    for (size_t typed = 1; typed <= c.typed.size(); ++typed)
      rows = FilterRows(history, QuickFilter(c.typed.substr(0, typed)), rows);
    EXPECT_EQ(rows, c.rows);
  }
}

TEST(HotKeyText, ReadsModifiersAndOneKeyAndRefusesTheRest) {
  const struct {
    const char* text;
    unsigned modifiers;
    unsigned key;
  } accepted[] = {
      {"Ctrl+Shift+V", kHotKeyControl | kHotKeyShift, 'V'},
      {"control+alt+9", kHotKeyControl | kHotKeyAlt, '9'},
      {"Win+space", kHotKeyWin, 0x20},
      {"F12", 0, 0x7B},
      {"Shift+F1", kHotKeyShift, 0x70},
      {"alt+f24", kHotKeyAlt, 0x87},
  };
  for (const auto& a : accepted) {
    const HotKeyParse parsed = ParseHotKey(a.text);
    ASSERT_TRUE(parsed.hotKey) << a.text << ": " << parsed.problem;
    EXPECT_EQ(*parsed.hotKey, (HotKey{a.modifiers, a.key})) << a.text;
  }
  EXPECT_FALSE(ParseHotKey("").hotKey);
  EXPECT_EQ(ParseHotKey("").problem, "") << "empty is off, not wrong";
  const struct {
    const char* text;
    const char* why;
  } refused[] = {
      {"V", "it needs Ctrl, Alt or Win"},     {"Shift+V", "it needs Ctrl, Alt or Win"},
      {"Ctrl+Shift", "it names no key"},      {"Ctrl+V+W", "it names two keys"},
      {"Ctrl+Ctrl+V", "Ctrl is named twice"}, {"Ctrl+Hyper+V", "\"Hyper\" is no key name"},
      {"Ctrl++V", "\"\" is no key name"},     {"Ctrl+F25", "\"F25\" is no key name"},
  };
  for (const auto& r : refused) {
    const HotKeyParse parsed = ParseHotKey(r.text);
    EXPECT_FALSE(parsed.hotKey) << r.text;
    EXPECT_EQ(parsed.problem, std::string("\"") + r.text + "\" is not a hotkey: " + r.why);
  }
}

}  // namespace
}  // namespace pelmo
