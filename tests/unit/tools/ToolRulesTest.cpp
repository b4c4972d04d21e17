// The settings in the INI file, and the rules of the settings form and the tool windows.
#include <gtest/gtest.h>

#include <map>

#include "../TestSupport.h"
#include "model/QuickReplace.h"
#include "model/Settings.h"
#include "tools/ClipBook.h"
#include "tools/Concatenate.h"
#include "tools/InlineLayout.h"
#include "tools/SettingsForm.h"

namespace pelmo {
namespace {

using test::Shown;
using test::Strings;

// With `every`, each key missing from `values` holds that number. A write to the settings
// section is recorded under its key alone.
class FakeProfile : public Profile {
 public:
  int GetInt(const char* section, const char* key, int defaultValue) override {
    const auto found = values.find({section, key});
    return found != values.end() ? found->second : every.value_or(defaultValue);
  }
  void WriteInt(const char* section, const char* key, int value) override {
    const std::string name = section + std::string("/") + key;
    writes.push_back({section == std::string(kSettingsSection) ? key : name, value});
    values[{section, key}] = value;
  }
  void Set(const char* key, int value) { values[{kSettingsSection, key}] = value; }

  std::map<std::pair<std::string, std::string>, int> values;
  std::optional<int> every;
  std::vector<std::pair<std::string, int>> writes;
};

std::vector<int> Values(const Settings& s) {
  return {s.captureHTML, s.softButtons, s.deleteAfter, s.calculator, s.ignoreMore, s.save,
          s.minimize,    s.hide,        s.autoFocus,   s.autoPaste,  s.quickRep,   s.hideDesk,
          s.oem,         s.inlineMode,  s.preview,     s.bigFont,    s.keepTop};
}

// With one number stored under every key, each option shows its read rule: exactly 1, raw,
// counts only above 5, and AutoPaste raw only while AutoFocus is on. Without keys: the defaults.
// (The keys' names are checked by SaveOrderAndValues, which sees them written.)
TEST(Settings, ReadRules) {
  // Every key's number; the options in read order.
  const std::pair<std::optional<int>, std::vector<int>> cases[] = {
      {std::nullopt, {1, 0, 100, 20, 20000, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0}},
      {1, {1, 1, 100, 20, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {5, {0, 0, 100, 20, 5, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 0, 0}},
      {6, {0, 0, 6, 6, 6, 0, 0, 0, 0, 0, 6, 6, 6, 6, 6, 0, 0}},
  };
  for (const auto& [stored, values] : cases) {
    FakeProfile profile;
    profile.every = stored;
    EXPECT_EQ(Values(ReadSettings(profile)), values) << "every key = " << stored.value_or(-1);
  }
  // AutoPaste is taken as stored (not only when 1), with AutoFocus on as it is when absent.
  FakeProfile profile;
  profile.Set("AutoPaste", 3);
  EXPECT_EQ(ReadSettings(profile).autoPaste, 3);
}

// Help opens on the first start only ("NewWindow" is not 1), which is recorded once.
TEST(Settings, OnlyTheFirstStartAsksForHelpAndRecordsIt) {
  FakeProfile profile;
  EXPECT_TRUE(TakeFirstRun(profile));
  EXPECT_FALSE(TakeFirstRun(profile));
  EXPECT_EQ(profile.writes, (decltype(profile.writes){{"NewWindow", 1}}));
  profile.Set("NewWindow", 2);
  EXPECT_TRUE(TakeFirstRun(profile));
}

TEST(Settings, TheStoredPositionIsUsedOnlyStrictlyInsideTheScreen) {
  const Size screen{1280, 800};
  const std::pair<Point, bool> cases[] = {
      {{10, 10}, true},    {{1279, 799}, true}, {{0, 10}, false},    {{10, 0}, false},
      {{1280, 10}, false}, {{10, 800}, false},  {{10, 1000}, false}, {{-50, 10}, false}};
  for (const auto& [stored, used] : cases)
    EXPECT_EQ(StartPosition(stored, screen).has_value(), used) << stored.x << "," << stored.y;
}

// Saving writes the position, then every option in order, on/off ones as 1 or 0. A window hidden
// above the screen keeps the position the minimize action stored.
TEST(Settings, SaveOrderAndValues) {
  FakeProfile profile;
  profile.Set("Inline", 2);
  profile.Set("SoftButtons", 2);
  profile.Set("Delete After", 250);
  Settings s = ReadSettings(profile);
  s.ignoreMore = 12345;
  SaveSettings(profile, s, {40, 0, 340, 30});
  // clang-format off
  std::vector<std::pair<std::string, int>> expected = {
      {"Window Position/X", 40}, {"Window Position/Y", 0}, {"Delete After", 250}, {"Save", 1},
      {"Minimize", 0}, {"Hide", 0}, {"AutoFocus", 1}, {"AutoPaste", 0}, {"QuickRep", 0},
      {"OEM", 0}, {"Inline", 1}, {"Preview", 1}, {"HideDesk", 0}, {"BigFont", 0},
      {"KeepTop", 0}, {"Calculator", 20}, {"CaptureHTML", 1}, {"SoftButtons", 0},
      {"IgnoreMore", 12345}};
  // clang-format on
  EXPECT_EQ(profile.writes, expected);

  profile.writes.clear();
  SaveSettings(profile, s, {40, -1, 340, 29});
  expected.erase(expected.begin(), expected.begin() + 2);
  EXPECT_EQ(profile.writes, expected);
}

TEST(QuickReplace, MatchesTheWholeTextExactlyFirstPairFirst) {
  const std::vector<QuickRepItem> pairs = {
      {"sig", "first"}, {"sig", "second"}, {"", "no text"}, {"Addr", "address"}};
  // The text, and the replacement or "-" when no pair matches.
  const std::pair<std::string, std::string> cases[] = {
      {"sig", "first"}, {"SIG", "-"},        {" sig", "-"},   {"sig\r\n", "-"},
      {"addr", "-"},    {"Addr", "address"}, {"", "no text"}, {"si", "-"},
  };
  for (const auto& [text, replacement] : cases) {
    const QuickRepItem* found = FindQuickRep(pairs, text);
    EXPECT_EQ(found ? found->text : "-", replacement) << text;
  }
}

TEST(ClipBook, EntriesSplitAtTheFirstLineFeed) {
  const HistoryItem entry = MakeClipBookEntry("name", u"name", {"line 1\nline 2", u""});
  EXPECT_EQ(Shown(entry), "name\nline 1\nline 2");
  EXPECT_EQ(ClipBookName(entry.text), "name");
  for (const auto& [text, name, rest] :
       {std::tuple("\nthe text", "", "the text"),
        std::tuple("no line feed", "no line feed", "no line feed")})
    EXPECT_EQ(ClipBookName(text) + "|" + ClipBookText({text, u""}).text,
              std::string(name) + "|" + rest);

  // A wide text keeps its UTF-16 form under the name, and is put back whole.
  const HistoryItem greek = MakeClipBookEntry("n?", u"nΩ", {"??\n?", u"Γα\nω"});
  EXPECT_EQ(Shown(greek), "n?\n??\n? | nΩ\nΓα\nω");
  EXPECT_EQ(Shown(ClipBookText(greek)), "??\n? | Γα\nω");
  EXPECT_EQ(ClipBookName(greek.wide), u"nΩ");
  EXPECT_EQ(ProposedClipBookName("ten chars!"), "ten chars!");
  EXPECT_EQ(ProposedClipBookName(std::string(100, 'n')), std::string(35, 'n'));
}

TEST(Concatenate, JoinsTheChosenItemsEachFollowedByTheDelimiter) {
  std::vector<HistoryItem> items = {{"a", u""}, {"b", u""}, {"c", u""}, {"d", u""}};
  std::vector<int> selected = {0, 1, 3};
  const auto join = [&](int itemChoice, unsigned first, int delimiterChoice, const char* string) {
    const ConcatenateChoice choice{delimiterChoice, string, itemChoice, first};
    const std::optional<HistoryItem> joined = Concatenate(items, selected, choice, AnsiToUtf16);
    return joined ? Shown(*joined) : "-";
  };
  EXPECT_EQ(join(kFirstItems, 3, kEachOnNewLine, ""), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(join(kFirstItems, 10, kEachOnNewLine, ""), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(join(kFirstItems, 0, kEachOnNewLine, ""), "");
  EXPECT_EQ(join(kAllItems, 0, kDelimiterString, "\\n"), "a\nb\nc\nd\n");
  EXPECT_EQ(join(kFirstItems, 2, kDelimiterString, " ,"), "a ,b ,");
  EXPECT_EQ(join(kFirstItems, 2, kDelimiterString, "\\n\\n"), "a\\n\\nb\\n\\n");
  EXPECT_EQ(join(kSelectedItems, 0, kDelimiterString, "+"), "a+b+d+");
  EXPECT_EQ(join(kSelectedReversed, 0, kDelimiterString, "+"), "d+b+a+");
  selected.clear();
  EXPECT_EQ(join(kSelectedReversed, 0, kEachOnNewLine, ""), "-") << "none selected: window stays";

  // A chosen wide text makes the result keep one: the UTF-16 forms joined with the delimiter.
  items = {{"caf\xE9", u""}, {"??", u"Ωω"}, {"x", u""}};
  EXPECT_EQ(join(kFirstItems, 2, kDelimiterString, "\xA7"), "caf\xE9\xA7??\xA7 | café§Ωω§");
}

TEST(Concatenate, RowsAreNumberedTrimmedAndCutAndOneSelectedRowProposesTheFirstN) {
  EXPECT_EQ(ConcatenateRow(3, " \t\r\nfirst\r\nsecond"), "3  first\r\nsecond");
  EXPECT_EQ(ConcatenateRow(12, std::string(60, 'x')), "12  " + std::string(50, 'x'));
  EXPECT_EQ(ConcatenateRow(1, std::u16string(u" Καλημέρα")), u"1  Καλημέρα");
  EXPECT_EQ(ConcatenateRow(1, std::u16string(60, u'Ω')), u"1  " + std::u16string(50, u'Ω'));
  EXPECT_EQ(ConcatenateRow(1, std::u16string()), u"") << "no wide text, no wide row";

  ConcatenateChoice choice;
  FollowSelection({2}, choice);  // the first three rows reach the selected one
  EXPECT_EQ(std::make_pair(choice.itemChoice, choice.firstCount),
            (std::pair<int, unsigned>(kFirstItems, 3)));
  FollowSelection({0, 2}, choice);
  EXPECT_EQ(choice.itemChoice, kSelectedItems);
}

// The task buttons are the last task switch, else the first rebar; both parts are needed.
TEST(InlineLayout, FindsTheTaskButtonsAndTheNotificationAreaAmongTheTaskbarsChildren) {
  using Found = std::pair<int, int>;  // the task buttons and the notification area, or -1
  const std::pair<Strings, Found> cases[] = {
      {{"ReBarWindow32", "MSTaskSwWClass", "MSTaskSwWClass", "ReBarWindow32", "TrayNotifyWnd"},
       {2, 4}},
      {{"TrayNotifyWnd", "ReBarWindow32", "Button", "ReBarWindow32"}, {1, 0}},
      {{"Button", "MSTaskSwWClass"}, {-1, -1}},
      {{"TrayNotifyWnd", "Button"}, {-1, -1}}};
  for (const auto& [classes, found] : cases) {
    const std::optional<TaskbarParts> parts = FindTaskbarParts(classes);
    EXPECT_EQ(parts ? Found(parts->taskSwitch, parts->notifyArea) : Found(-1, -1), found)
        << classes[1];
  }
}

TEST(InlineLayout, TheWindowFillsTheGapBeforeTheNotificationAreaAndExpandingRestoresItsWidth) {
  const Rect taskSwitch{60, 2, 900, 28}, notifyArea{1000, 4, 1100, 26};
  const InlinePlacement placed = PlaceInline(taskSwitch, notifyArea, 150);
  EXPECT_EQ(placed.taskSwitch, (Rect{60, 2, 850, 28}));
  EXPECT_EQ(placed.inlineWindow, (Rect{850, 4, 1000, 26}));
  EXPECT_EQ(PlaceInline(taskSwitch, notifyArea, 0).inlineWindow, (Rect{900, 4, 1000, 26}))
      << "no width taken yet: the default";

  // Expanding restores the width in effect before collapsing: each width set, and Collapsed().
  InlineCollapse c;
  EXPECT_EQ((std::vector<int>{c.Toggle(170, 9), c.Collapsed(), c.Toggle(9, 9), c.Collapsed(),
                              c.Toggle(170, 12)}),
            (std::vector<int>{9, true, 170, false, 12}));
}

TEST(SettingsForm, CountsAreUnsignedAndMustFitTheOptionAndAnOptionOnIsShownChecked) {
  const std::pair<const char*, int> counts[] = {
      {" \t3 ", 3}, {"0", 0},   {"2147483647", 2147483647}, {"-3", -1},
      {"", -1},     {"3x", -1}, {"2147483648", -1},         {"4294967295", -1}};
  for (const auto& [text, count] : counts) EXPECT_EQ(ParseCount(text).value_or(-1), count) << text;
  for (int on : {0, 1, 2, 5, -1}) EXPECT_EQ(ShownChecked(on), on != 0) << on;
}

}  // namespace
}  // namespace pelmo
