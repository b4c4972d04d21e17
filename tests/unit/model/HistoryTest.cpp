// The history: labels, views, selection, the strip's commands, find, the quick window's rules,
// where the help window opens.
#include <gtest/gtest.h>

#include <random>

#include "framework/AnsiCodePage.h"
#include "model/CaselessFind.h"
#include "model/HelpWindowPlace.h"
#include "model/History.h"
#include "model/HistoryCommands.h"
#include "model/HotKeyText.h"
#include "model/QuickFilter.h"
#include "model/QuickRow.h"
#include "model/QuickWindowPlace.h"

namespace pelmo {
namespace {

using Strings = std::vector<std::string>;

TEST(MakeLabel, TakesTheTrimmedFirstLineOfTheFirst50Bytes) {
  const std::tuple<std::string, std::string, int> cases[] = {
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
  for (const auto& [text, label, multiLine] : cases) {
    HistoryItem item{text, u""};
    EXPECT_EQ(MakeLabel(item), label) << text;
    EXPECT_EQ(item.multiLine, multiLine) << text;
    EXPECT_EQ(item.text, text) << "the entry keeps its whole text";
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

  // The view shows the history's rows with their labels, or its first `count` rows while it
  // still fills.
  void ExpectMatches(const History& history, int count = -1) const {
    ASSERT_EQ(rows.size(), static_cast<size_t>(count < 0 ? history.Count() : count));
    for (int row = 0; row < RowCount(); ++row)
      EXPECT_EQ(rows[row], std::pair(Label(history.At(row)), &history.At(row))) << "row " << row;
  }

  std::vector<std::pair<std::string, const HistoryItem*>> rows;  // label and entry
  HistoryRowSource* source = nullptr;
};

// Views follow every change of the rows. A long history reaches them a batch at a time, as they
// ask: until then each shows the top rows, whatever changes meanwhile, and at the end every row.
TEST(History, ViewsFollowTheRowsAndALongHistoryFillsThemAsTheyAsk) {
  const int first = History::kFirstRows;
  // What changes, and the rows of the view right after the change.
  const std::tuple<const char*, void (*)(History&), int> cases[] = {
      {"a capture", [](History& h) { h.InsertTop("new\nsecond line", kPlain); }, first + 1},
      {"editing a shown row",
       [](History& h) {
         h.At(1).text = " edited\nnew line";
         h.Refresh(1);
       },
       first},
      {"evicting the bottom row", [](History& h) { h.EvictOverflow(100); }, first},
      {"deleting a shown row", [](History& h) { h.Delete(5); }, first - 1},
      {"deleting the last shown row", [](History& h) { h.Delete(first - 1); }, first - 1},
      {"deleting a row to come", [](History& h) { h.Delete(first + 5); }, first},
      {"refreshing a row to come", [](History& h) { h.Refresh(first + 1); }, first},
      {"deleting every row", [](History& h) { h.DeleteAll(); }, 0},
  };
  for (const auto& [name, change, rowsThen] : cases) {
    SCOPED_TRACE(name);
    History history;
    RecordingView view;
    history.AddView(&view);
    std::vector<std::unique_ptr<HistoryItem>> entries;
    for (int i = 0; i < 3 * first; ++i)
      entries.emplace_back(new HistoryItem{std::to_string(i), u""});
    history.AppendBottom(entries);
    view.ExpectMatches(history, first);
    change(history);
    view.ExpectMatches(history, rowsThen);
    view.TakeAllRows();
    view.ExpectMatches(history);
    const int last = history.Count() - 1;
    EXPECT_EQ(last < 0 ? -1 : history.RowOf(&history.At(last)), last);
  }
}

// The selected row (-1: none) of `count` rows, and the rows Up and Down go to (-2: none): Up with
// nothing selected goes to the second row from the bottom.
TEST(HistorySelection, UpAndDownRules) {
  const int cases[][4] = {{-1, 5, 3, 0}, {-1, 1, -2, 0}, {0, 5, -2, 1},
                          {3, 5, 2, 4},  {4, 5, 3, -2},  {-1, 0, -2, -2}};
  for (const auto& [selected, count, up, down] : cases) {
    EXPECT_EQ(UpTarget(selected, count).value_or(-2), up) << selected << " of " << count;
    EXPECT_EQ(DownTarget(selected, count).value_or(-2), down) << selected << " of " << count;
  }
}

TEST(HistoryCommands, DeleteMarkAndEditChangeTheRowAndSayWhatToSelect) {
  // Row deleted, row then selected (the one moved up; -1 past the bottom; -2: none), rows left.
  const std::tuple<int, int, Strings> deletes[] = {
      {0, 0, {"b", "c"}},        {1, 1, {"a", "c"}},       {2, -1, {"a", "b"}},
      {-1, -2, {"a", "b", "c"}}, {3, -2, {"a", "b", "c"}},
  };
  for (const auto& [row, selected, left] : deletes) {
    History history;
    for (const char* text : {"c", "b", "a"}) history.InsertTop(text, kPlain);
    EXPECT_EQ(DeleteEntry(history, row).value_or(-2), selected) << row;
    EXPECT_EQ(history.Texts(), left) << row;
  }
  // A marked or edited row is made again in the views (a stale row shows what was there).
  History history;
  for (const char* text : {"c", "b", "a"}) history.InsertTop(text, kPlain);
  RecordingView view;
  history.AddView(&view);
  history.Refill(view);
  view.rows[1].first = "stale";
  EXPECT_EQ(MarkEntry(history, 1), 1);
  EXPECT_EQ(MarkEntry(history, -1), std::nullopt);
  view.ExpectMatches(history);
  EXPECT_EQ(std::make_pair(history.At(0).kind, history.At(1).kind),
            (std::pair<int, int>(kPlain, kMarked)));

  // An edit replaces its entry, the top one too, or becomes a new one.
  HistoryItem* b = &history.At(1);
  EXPECT_EQ(StoreEdit(history, b, "b", u""), std::nullopt) << "unchanged";
  EXPECT_EQ(StoreEdit(history, b, "b\r\nedited", u""), 1);
  EXPECT_EQ(history.At(1).kind, kMarked) << "an edited entry keeps its mark";
  EXPECT_EQ(StoreEdit(history, b, "b\r\nedited", u"\u03b2"), 1) << "a new wide text is a change";
  EXPECT_EQ(history.At(1).wide, u"\u03b2");
  EXPECT_EQ(StoreEdit(history, &history.At(0), "top", u""), 0);
  view.ExpectMatches(history);
  // A typed text, or an entry deleted while it was edited, is a new top entry.
  EXPECT_EQ(StoreEdit(history, nullptr, "", u""), 0);
  EXPECT_EQ(history.Texts(), (Strings{"", "top", "b\r\nedited", "c"}));
  HistoryItem gone;
  EXPECT_EQ(StoreEdit(history, &gone, "kept", u""), 0);
  EXPECT_EQ(std::make_pair(history.At(0).kind, history.Count()), (std::pair<int, int>(kPlain, 5)));
}

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(AnsiFold(static_cast<unsigned char>(c)));
  return text;
}

// A caseless search of the full texts (not the labels) from the find position down, wrapping once;
// a wide entry is searched in its wide text, so a typed '?' finds only real question marks.
TEST(HistoryFind, SearchesFullTextsIgnoringCaseAndWraps) {
  using Rows = std::vector<std::u16string>;
  const Rows alpha = {u"Alpha", u"beta", u"ALPHABET"},
             wide = {u"Καλημέρα world", u"a real ?", u"ПРИВЕТ МИР"};
  // The rows, the typed text, the find position, the row found and the find position after it.
  // clang-format off
  const std::tuple<Rows, std::u16string, int, int, int> cases[] = {
      {alpha, u"alp", 0, 0, 1}, {alpha, u"alp", 1, 2, 3}, {alpha, u"alp", 2, 0, 1},
      {{u"needle", u"x", u"y", u"z"}, u"NEEDLE", 2, 0, 1},
      {{u"needle", u"x", u"y", u"z"}, u"absent", 1, -1, 0},
      {{u"label line\r\nhidden word", u"other"}, u"HIDDEN", 0, 0, 1},
      // Either case against the other in wide entries; Ω's '?' in the code page is no real one.
      {wide, u"WORLD", 1, 0, 1}, {wide, u"ΚΑΛΗΜΈΡΑ", 0, 0, 1}, {wide, u"мир", 0, 2, 3},
      {wide, u"?", 0, 1, 2}, {wide, u"Ω", 0, -1, 0}};
  // clang-format on
  for (const auto& [rows, typed, from, row, next] : cases) {
    History history;
    for (auto text = rows.rbegin(); text != rows.rend(); ++text) {
      const std::string ansi = Utf16ToAnsi(*text);  // the wide text kept only when needed
      history.InsertTop(ansi, kPlain, AnsiToUtf16(ansi) == *text ? u"" : *text);
    }
    const FindResult found = FindNext(history, typed, from);
    EXPECT_EQ(std::make_pair(found.row, found.findPosition), std::make_pair(row, next))
        << Utf16ToUtf8(typed) << " from " << from;
  }
  EXPECT_EQ(Folded("AZ az@[ \xC0\xDC\xDE \xD7\xDF \x8A\x8C\x8E\x9F"),
            "az az@[ \xE0\xFC\xFE \xD7\xDF \x9A\x9C\x9E\xFF");
}

// Texts over a few bytes, so that matches and near misses are common, long enough for word steps
// and a tail; the high bytes are letter pairs and look-alikes (0xBF, 0xDF beside 0x9F and 0xFF).
TEST(CaselessFinder, FindsWhereFindingInLowerCaseCopiesFinds) {
  static const char kBytes[] = "aAeEzZ \x8A\x9A\x9F\xFF\xBF\xDF\xC9\xE9";
  std::mt19937 random(1);
  const auto randomByte = [&] { return kBytes[random() % (sizeof kBytes - 1)]; };
  const auto randomText = [&](size_t size) {
    std::string text(size, ' ');
    std::generate(text.begin(), text.end(), randomByte);
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string text = randomText(random() % 70);
    std::string pattern = randomText(1 + random() % 20);
    if (random() % 2 && pattern.size() <= text.size()) {  // a piece of the text in other cases
      const size_t from = random() % (text.size() - pattern.size() + 1);
      for (size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = randomByte();
        while (Folded({pattern[i]}) != Folded({text[from + i]})) pattern[i] = randomByte();
      }
    }
    ASSERT_EQ(CaselessFinder(pattern).Find(text), Folded(text).find(Folded(pattern)))
        << "pattern \"" << pattern << "\" in \"" << text << "\"";
  }
  EXPECT_TRUE(CaselessFinder("").FoundIn(""));
}

TEST(QuickFilter, KeepsTheEntriesHoldingEveryWordInAnyCase) {
  History history;
  history.InsertTop("Invoice 2024 for ACME", kPlain);
  history.InsertTop("caf\xE9 au lait", kPlain);
  history.InsertTop("?a??µ??a friends", kPlain, u"Καλημέρα friends");
  history.InsertTop("\x8Akoda parts", kPlain);  // Škoda
  // Rows now: 0 Škoda, 1 Greek, 2 café, 3 invoice.
  const std::pair<std::u16string, std::vector<int>> cases[] = {
      {u"", {0, 1, 2, 3}},    {u"  \t ", {0, 1, 2, 3}}, {u"acme", {3}},
      {u"2024 INVOICE", {3}}, {u"invoice  lait", {}},   {u"CAFÉ", {2}},
      {u"škoda", {0}},        {u"καλημέρα", {1}},       {u"ΚΑΛΗΜΈΡΑ FRIENDS", {1}},
      {u"καλη parts", {}},    {u"a", {0, 2, 3}},        {u"?", {}},  // not Greek's α or a lost one
  };
  for (const auto& [typed, kept] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(typed));
    EXPECT_EQ(FilterRows(history, QuickFilter(typed)), kept);
    // Typed one character at a time, each result narrowing the last, it comes out the same.
    std::vector<int> rows = FilterRows(history, QuickFilter(u""));
    for (size_t length = 1; length <= typed.size(); ++length)
      rows = FilterRows(history, QuickFilter(typed.substr(0, length)), rows);
    EXPECT_EQ(rows, kept);
  }
}

// What a row shows: "…" where its line was cut before the match, marks in brackets.
std::string Shown(const HistoryItem& entry, const QuickRow& row) {
  const std::u16string text = entry.wide.empty() ? AnsiToUtf16(entry.text) : entry.wide;
  std::u16string shown = row.cutBefore ? u"…" : u"";
  size_t at = row.text.start;
  for (size_t i = 0; i < row.markCount; ++i) {
    const size_t start = row.text.start + row.marks[i].start;
    shown += text.substr(at, start - at) + u"[" + text.substr(start, row.marks[i].length) + u"]";
    at = start + row.marks[i].length;
  }
  return Utf16ToUtf8(shown + text.substr(at, row.text.start + row.text.length - at));
}

TEST(QuickRow, ShowsTheLineOfTheFirstMatchWithEveryTypedWordMarked) {
  const std::u16string x40(40, u'x'), smiles = u"\U0001F642", x60(60, u'x');
  std::u16string manySmiles;
  for (int i = 0; i < 60; ++i) manySmiles += smiles;
  const std::tuple<std::u16string, std::u16string, std::string> cases[] = {
      {u"Hi Sam,\r\nthe meeting is at ten", u"meet TEN", "the [meet]ing is at [ten]"},
      {u"Meeting notes\nmeet at ten", u"meet", "[Meet]ing notes"},
      {u"Hi Sam,\r\n\r\n  see you at ten \r\nthe meeting", u"meeting ten", "see you at [ten] "},
      {u"  Hi Sam,  \r\nthe meeting", u"", "Hi Sam,  "},
      {u"Hi Sam,\r\nthe meeting", u"zzz", "Hi Sam,"},
      // Cut to a label's length, or before a match beyond it, a surrogate pair as one character.
      {u"meeting " + x40 + u" meeting", u"meet", "[meet]ing " + Utf16ToUtf8(x40) + " [m]"},
      {u"Dear all,\r\n" + x60 + u" meeting", u"meet", "…xxxxxxxxx [meet]ing"},
      {manySmiles + u" встреча", u"ВСТРЕЧА",
       "…" + Utf16ToUtf8(manySmiles.substr(0, 18)) + " [встреча]"},
      // Wide texts in their own letters, in any case.
      {u"Καλημέρα\nη συνάντηση, ΣΥΝΆΝΤΗΣΗ", u"συνάντηση", "η [συνάντηση], [ΣΥΝΆΝΤΗΣΗ]"},
      {u"Ж\r\nŠkoda", u"škoda", "[Škoda]"},
  };
  for (const auto& [text, typed, shown] : cases) {
    const HistoryItem entry{Utf16ToAnsi(text), InAnsi(text) ? u"" : text};
    EXPECT_EQ(Shown(entry, QuickRowMarker(typed).RowOf(entry)), shown) << Utf16ToUtf8(typed);
  }
}

// A word typed in one case finds a wide entry holding it in the other, for every capital of the
// scripts matched without case. Unicode's pairs by ranges: first and last capital, step, and the
// distance to the lower case; then the pairs no range holds (the final sigma and long s too).
TEST(QuickFilter, EveryCapitalAndItsLowerCaseFindEachOther) {
  const int ranges[][4] = {
      {'A', 'Z', 1, 0x20},      {0xC0, 0xD6, 1, 0x20},   {0xD8, 0xDE, 1, 0x20},  // Latin-1
      {0x100, 0x12E, 2, 1},     {0x132, 0x136, 2, 1},    {0x139, 0x147, 2, 1},   // Extended-A
      {0x14A, 0x176, 2, 1},     {0x179, 0x17D, 2, 1},    {0x370, 0x372, 2, 1},   // Greek
      {0x376, 0x376, 1, 1},     {0x386, 0x386, 1, 0x26}, {0x388, 0x38A, 1, 0x25},
      {0x38C, 0x38C, 1, 0x40},  {0x38E, 0x38F, 1, 0x3F}, {0x391, 0x3A1, 1, 0x20},
      {0x3A3, 0x3AB, 1, 0x20},  {0x3D8, 0x3EE, 2, 1},    {0x3F7, 0x3FA, 3, 1},
      {0x3FD, 0x3FF, 1, -0x82}, {0x400, 0x40F, 1, 0x50}, {0x410, 0x42F, 1, 0x20},  // Cyrillic
      {0x460, 0x480, 2, 1},     {0x48A, 0x4BE, 2, 1},    {0x4C1, 0x4CD, 2, 1},
      {0x4D0, 0x52E, 2, 1},     {0x531, 0x556, 1, 0x30},  // Armenian
  };
  std::vector<std::pair<int, int>> pairs = {{0x178, 0xFF},  {0x37F, 0x3F3}, {0x3CF, 0x3D7},
                                            {0x3F4, 0x3B8}, {0x3F9, 0x3F2}, {0x4C0, 0x4CF},
                                            {0x3A3, 0x3C2}, {'S', 0x17F}};
  for (const auto& [first, last, step, toLower] : ranges)
    for (int c = first; c <= last; c += step) pairs.emplace_back(c, c + toLower);
  // Ω, which the code page lacks, makes both the word and the entry wide.
  const auto entry = [](int c) { return HistoryItem{"??", {u'Ω', static_cast<char16_t>(c)}}; };
  const auto typed = [](int c) { return QuickFilter({u'ω', static_cast<char16_t>(c)}); };
  for (const auto& [capital, lower] : pairs) {
    EXPECT_TRUE(typed(capital).Matches(entry(lower))) << std::hex << capital;
    EXPECT_TRUE(typed(lower).Matches(entry(capital))) << std::hex << lower;
  }
  EXPECT_FALSE(typed(0xD7).Matches(entry(0xF7))) << "× and ÷ are no letters";
}

TEST(HotKeyText, ReadsModifiersAndOneKeyAndRefusesTheRest) {
  // The text, why it is refused (none when it is read), the modifiers and the key.
  // clang-format off
  const struct { const char *text, *why; unsigned modifiers, key; } cases[] = {
      {"Ctrl+Shift+V", nullptr, kHotKeyControl | kHotKeyShift, 'V'},
      {"control+alt+9", nullptr, kHotKeyControl | kHotKeyAlt, '9'},
      {"Win+space", nullptr, kHotKeyWin, 0x20}, {"F12", nullptr, 0, 0x7B},
      {"Shift+F1", nullptr, kHotKeyShift, 0x70}, {"alt+f24", nullptr, kHotKeyAlt, 0x87},
      {"V", "it needs Ctrl, Alt or Win", 0, 0}, {"Shift+V", "it needs Ctrl, Alt or Win", 0, 0},
      {"Ctrl+Shift", "it names no key", 0, 0}, {"Ctrl+V+W", "it names two keys", 0, 0},
      {"Ctrl+Ctrl+V", "Ctrl is named twice", 0, 0}, {"Ctrl++V", "\"\" is no key name", 0, 0},
      {"Ctrl+Hyper+V", "\"Hyper\" is no key name", 0, 0},
      {"Ctrl+F25", "\"F25\" is no key name", 0, 0}};
  // clang-format on
  for (const auto& c : cases) {
    const HotKeyParse parsed = ParseHotKey(c.text);
    EXPECT_EQ(parsed.hotKey.value_or(HotKey{0, 0}), (HotKey{c.modifiers, c.key})) << c.text;
    EXPECT_EQ(parsed.problem,
              c.why ? "\"" + std::string(c.text) + "\" is not a hotkey: " + c.why : std::string())
        << c.text;
  }
  EXPECT_TRUE(!ParseHotKey("").hotKey && ParseHotKey("").problem.empty()) << "off, not wrong";
}

TEST(QuickWindowPlace, BelowTheCaretWhollyOnTheScreenAndThePreviewBeside) {
  const Rect screen{0, 0, 1000, 700};
  const Size window{300, 200};
  const std::pair<Rect, Point> cases[] = {
      {{100, 100, 101, 116}, {100, 116}},
      {{100, 600, 101, 616}, {100, 400}},  // no room below: above the caret
      {{900, 100, 901, 116}, {700, 116}},  // kept from the right edge
      {{-50, 100, -50, 100}, {0, 100}},    // the mouse beyond the left edge
      {{100, 150, 101, 650}, {100, 0}},    // a caret taller than the room: at the top
  };
  for (const auto& [caret, origin] : cases)
    EXPECT_EQ(QuickWindowOrigin(caret, window, screen), origin) << caret.left << "," << caret.top;
  const std::pair<Rect, Point> previews[] = {
      {{100, 100, 400, 300}, {400, 100}},
      {{600, 100, 900, 300}, {200, 100}},  // no room at the right
      {{100, 600, 400, 800}, {400, 500}},
      {{150, 100, 850, 300}, {0, 100}},  // no room either side
  };
  for (const auto& [quick, origin] : previews)
    EXPECT_EQ(PreviewOrigin(quick, {400, 200}, screen), origin) << quick.left << "," << quick.top;
}

// Centred on the work area unless the strip would cover part of it; then below or above it,
// whichever is nearer, and in the taller band, shortened, when neither fits.
TEST(HelpWindowRect, CentredOnTheWorkAreaAndClearOfTheStrip) {
  const Rect screen{0, 0, 1280, 800};
  // The work area, the strip, and the help window's place.
  const std::tuple<Rect, Rect, Rect> cases[] = {
      {screen, {0, 0, 300, 26}, {380, 180, 900, 620}},
      {screen, {400, 300, 700, 326}, {380, 326, 900, 766}},
      {screen, {400, 500, 700, 526}, {380, 60, 900, 500}},
      {{1280, 40, 2560, 1024}, {1300, 45, 1600, 71}, {1660, 312, 2180, 752}},  // taskbar on top
      {{0, 0, 800, 480}, {100, 200, 400, 226}, {140, 226, 660, 480}},
      {{0, 0, 640, 400}, {0, 0, 300, 26}, {60, 26, 580, 400}},
  };
  for (const auto& [workArea, strip, place] : cases)
    EXPECT_EQ(HelpWindowRect({520, 440}, workArea, strip), place) << strip.left << "," << strip.top;
}

}  // namespace
}  // namespace pelmo
