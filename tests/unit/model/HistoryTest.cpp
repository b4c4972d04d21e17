// The history: labels, views, selection and find, and the quick window's filter and hotkey.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/AnsiCodePage.h"
#include "model/CaselessFind.h"
#include "model/History.h"
#include "model/HotKeyText.h"
#include "model/QuickFilter.h"
#include "model/QuickWindowPlace.h"

namespace pelmo {
namespace {

TEST(MakeLabel, TakesTheTrimmedFirstLineOfTheFirst50Bytes) {
  struct Case {
    std::string text;
    std::string label;
    int multiLine;
  };
  const Case cases[] = {
      // Trimming comes before the cut, so blanks before the line break stay.
      {"   first line  \r\nsecond line", "first line  ", 1},
      {std::string(30, 'a') + std::string(50, 'b'), std::string(30, 'a') + std::string(20, 'b'), 0},
      {"  \t  ", "", 0},
      {"ends with a blank at byte fifty" + std::string(19, ' ') + "Z",
       "ends with a blank at byte fifty", 0},
      {"only\rcarriage return", "only", 0},
      {"\n\nlead", "lead", 1},
      {"\v\f lead \f\v", "lead", 0},
  };
  for (const Case& c : cases) {
    HistoryItem item;
    item.text = c.text;
    EXPECT_EQ(MakeLabel(item), c.label) << c.text;
    EXPECT_EQ(item.multiLine, c.multiLine) << c.text;
    EXPECT_EQ(item.text, c.text) << "the entry keeps its whole text";
  }
}

// Records what the model asked of a view, to check that views follow the rows exactly.
class RecordingView : public HistoryView {
 public:
  int RowCount() const override { return static_cast<int>(rows.size()); }
  void InsertRow(int row, const std::string& label, HistoryItem* item) override {
    rows.insert(rows.begin() + row, {label, item});
  }
  void DeleteRow(int row) override { rows.erase(rows.begin() + row); }
  void DeleteAllRows() override { rows.clear(); }
  void SetRowSource(HistoryRowSource* rowSource) override { source = rowSource; }

  // Asks the source for the rows still to come, as the window does between its messages.
  void TakeAllRows() {
    for (bool more = source != nullptr; more;) more = source->FillView(*this, 1000);
    source = nullptr;
  }

  struct Row {
    std::string label;
    HistoryItem* item;
  };
  std::vector<Row> rows;
  HistoryRowSource* source = nullptr;
};

// The view shows the history's rows with their labels, or its first `count` rows while it still
// fills.
void ExpectViewMatches(const History& history, const RecordingView& view, int count = -1) {
  ASSERT_EQ(view.rows.size(), static_cast<size_t>(count < 0 ? history.Count() : count));
  for (size_t row = 0; row < view.rows.size(); ++row) {
    HistoryItem entry = history.At(static_cast<int>(row));
    EXPECT_EQ(view.rows[row].item, &history.At(static_cast<int>(row))) << "row " << row;
    EXPECT_EQ(view.rows[row].label, MakeLabel(entry)) << "row " << row;
  }
}

std::vector<std::unique_ptr<HistoryItem>> Entries(int count) {
  std::vector<std::unique_ptr<HistoryItem>> entries;
  for (int i = 0; i < count; ++i) {
    entries.push_back(std::make_unique<HistoryItem>());
    entries.back()->text = std::to_string(i);
  }
  return entries;
}

// Views follow every change of the rows. A long history reaches them a batch at a time, as they
// ask: until then each shows the top rows, whatever changes meanwhile, and at the end every row.
TEST(History, ViewsFollowTheRowsAndALongHistoryFillsThemAsTheyAsk) {
  const int loaded = 3 * History::kFirstRows;
  const int first = History::kFirstRows;
  const struct {
    const char* name;
    void (*change)(History&);
    int rowsThen;  // rows of the view right after the change
  } cases[] = {
      {"nothing", [](History&) {}, first},
      {"a capture", [](History& h) { h.InsertTop("new\nsecond line", kPlain); }, first + 1},
      {"editing a shown row",
       [](History& h) {
         h.At(1).text = " edited\nnew line";
         h.Refresh(1);
       },
       first},
      {"evicting the bottom row", [](History& h) { h.EvictOverflow(100); }, first},
      {"deleting a shown row", [](History& h) { h.Delete(5); }, first - 1},
      {"deleting a row to come", [](History& h) { h.Delete(first + 5); }, first},
      {"refreshing a row to come", [](History& h) { h.Refresh(first + 1); }, first},
      {"deleting every row", [](History& h) { h.DeleteAll(); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    History history;
    RecordingView view;
    history.AddView(&view);
    std::vector<std::unique_ptr<HistoryItem>> entries = Entries(loaded);
    history.AppendBottom(entries);
    ExpectViewMatches(history, view, first);
    ASSERT_TRUE(view.source);
    c.change(history);
    ExpectViewMatches(history, view, c.rowsThen);
    view.TakeAllRows();
    ExpectViewMatches(history, view);
    HistoryItem stranger;
    EXPECT_EQ(history.RowOf(&stranger), -1);
    if (history.Count() > 0) {
      EXPECT_EQ(history.RowOf(&history.At(history.Count() - 1)), history.Count() - 1);
    }
  }
}

TEST(HistorySelection, UpDownAndDeleteRules) {
  EXPECT_EQ(UpTarget(-1, 5), 3) << "nothing selected: second row from the bottom";
  EXPECT_EQ(UpTarget(-1, 1), std::nullopt);
  EXPECT_EQ(UpTarget(0, 5), std::nullopt);
  EXPECT_EQ(UpTarget(3, 5), 2);
  EXPECT_EQ(UpTarget(-1, 0), std::nullopt);
  EXPECT_EQ(DownTarget(-1, 5), 0);
  EXPECT_EQ(DownTarget(3, 5), 4);
  EXPECT_EQ(DownTarget(4, 5), std::nullopt);
  EXPECT_EQ(DownTarget(-1, 0), std::nullopt);
  EXPECT_EQ(SelectionAfterDelete(2, 4), 2) << "the row that moved up into its place";
  EXPECT_EQ(SelectionAfterDelete(4, 4), -1) << "after the bottom row nothing is selected";
}

History MakeHistory(const std::vector<std::string>& rowsTopDown) {
  History history;
  for (auto it = rowsTopDown.rbegin(); it != rowsTopDown.rend(); ++it)
    history.InsertTop(*it, kPlain);
  return history;
}

// A case-insensitive search of the full texts (not the labels) from the find position down,
// wrapping once to the top; from the last row it starts at the top.
TEST(HistoryFind, SearchesFullTextsIgnoringCaseAndWraps) {
  const std::vector<std::string> alpha = {"Alpha", "beta", "ALPHABET"};
  const struct {
    std::vector<std::string> rows;
    std::string typed;
    int from, row, next;
  } cases[] = {
      {alpha, "alp", 0, 0, 1},
      {alpha, "alp", 1, 2, 3},
      {alpha, "alp", 2, 0, 1},
      {{"needle", "x", "y", "z"}, "NEEDLE", 2, 0, 1},
      {{"needle", "x", "y", "z"}, "absent", 1, -1, 0},
      {{"label line\r\nhidden word", "other"}, "HIDDEN", 0, 0, 1},
      // The ANSI code page's letters, at either end of an entry, never past it.
      {{"Gr\xDC\xDF"}, "gr\xFC", 0, 0, 1},
      {{"ZEBRA at the start"}, "zebra", 0, 0, 1},
      {{"at the end: zEbRa"}, "zebra", 0, 0, 1},
      {{"the zebr"}, "the zebra", 0, -1, 0},
  };
  for (const auto& c : cases) {
    const FindResult found = FindNext(MakeHistory(c.rows), c.typed, c.from);
    EXPECT_EQ(found.row, c.row) << c.typed << " from " << c.from;
    EXPECT_EQ(found.findPosition, c.next) << c.typed << " from " << c.from;
  }
  std::string folded = "AZ az@[ \xC0\xDC\xDE \xD7\xDF \x8A\x8C\x8E\x9F";
  for (char& c : folded) c = static_cast<char>(AnsiFold(static_cast<unsigned char>(c)));
  EXPECT_EQ(folded, "az az@[ \xE0\xFC\xFE \xD7\xDF \x9A\x9C\x9E\xFF");
}

// A wide entry is searched in its wide text: a typed '?' finds only real question marks.
TEST(HistoryFind, SearchesTheWideTextOfAWideEntry) {
  History history;
  history.InsertTop("a real ?", kPlain);
  history.InsertTop("???????? WORLD", kPlain, u"Καλημέρα WORLD");
  EXPECT_EQ(FindNext(history, "world", 0).row, 0);
  EXPECT_EQ(FindNext(history, "?", 0).row, 1);
}

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

// Below the caret when it fits, above it when not, and always whole on the screen.
TEST(QuickWindowOrigin, BelowTheCaretAndWhollyOnTheScreen) {
  const Rect screen{0, 0, 1000, 700};
  const Size window{300, 200};
  const struct {
    Rect caret;
    Point origin;
  } cases[] = {
      {{100, 100, 101, 116}, {100, 116}},
      {{100, 600, 101, 616}, {100, 400}},  // no room below: above the caret
      {{900, 100, 901, 116}, {700, 116}},  // kept from the right edge
      {{-50, 100, -50, 100}, {0, 100}},    // the mouse beyond the left edge
      {{100, 150, 101, 650}, {100, 0}},    // a caret taller than the room: at the top
  };
  for (const auto& c : cases) {
    const Point origin = QuickWindowOrigin(c.caret, window, screen);
    EXPECT_EQ(origin, c.origin) << c.caret.left << "," << c.caret.top;
  }
}

}  // namespace
}  // namespace pelmo
