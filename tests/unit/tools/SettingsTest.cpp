#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/Settings.h"

namespace pelmo {
namespace {

// An in-memory profile that records the writes it receives.
class FakeProfile : public Profile {
 public:
  int GetInt(const char* section, const char* key, int defaultValue) override {
    const auto found = values.find({section, key});
    return found == values.end() ? defaultValue : found->second;
  }
  void WriteInt(const char* section, const char* key, int value) override {
    writes.push_back({std::string(section) + "/" + key, value});
    values[{section, key}] = value;
  }
  void Set(const char* key, int value) { values[{kSettingsSection, key}] = value; }

  std::map<std::pair<std::string, std::string>, int> values;
  std::vector<std::pair<std::string, int>> writes;
};

std::vector<int> Values(const Settings& s) {
  return {s.captureHTML, s.softButtons, s.deleteAfter, s.calculator, s.ignoreMore, s.save,
          s.minimize,    s.hide,        s.autoFocus,   s.autoPaste,  s.quickRep,   s.hideDesk,
          s.oem,         s.inlineMode,  s.preview,     s.bigFont,    s.keepTop};
}

const char* const kKeysInReadOrder[] = {
    "CaptureHTML", "SoftButtons", "Delete After", "Calculator", "IgnoreMore", "Save",
    "Minimize",    "Hide",        "AutoFocus",    "AutoPaste",  "QuickRep",   "HideDesk",
    "OEM",         "Inline",      "Preview",      "BigFont",    "KeepTop"};

// With one number stored under every key, each option shows its read rule: exactly 1, raw,
// counts only above 5, and AutoPaste raw only while AutoFocus is on. Without keys: the defaults.
TEST(Settings, ReadRules) {
  const struct {
    std::optional<int> stored;
    std::vector<int> values;  // in read order
  } cases[] = {
      {std::nullopt, {1, 0, 100, 20, 20000, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0}},
      {1, {1, 1, 100, 20, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {5, {0, 0, 100, 20, 5, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 0, 0}},
      {6, {0, 0, 6, 6, 6, 0, 0, 0, 0, 0, 6, 6, 6, 6, 6, 0, 0}},
  };
  for (const auto& c : cases) {
    FakeProfile profile;
    if (c.stored)
      for (const char* key : kKeysInReadOrder) profile.Set(key, *c.stored);
    EXPECT_EQ(Values(ReadSettings(profile)), c.values) << "every key = " << c.stored.value_or(-1);
  }
}

// AutoPaste is taken as stored (not only when 1), but only with AutoFocus on, as it is when absent.
TEST(Settings, AutoPasteNeedsAutoFocus) {
  FakeProfile profile;
  profile.Set("AutoPaste", 3);
  EXPECT_EQ(ReadSettings(profile).autoPaste, 3);
  profile.Set("AutoFocus", 0);
  EXPECT_EQ(ReadSettings(profile).autoPaste, 0);
}

TEST(Settings, TheStoredPositionIsUsedOnlyStrictlyInsideTheScreen) {
  const Size screen{1280, 800};
  const struct {
    Point stored;
    bool used;
  } cases[] = {{{10, 10}, true},   {{1279, 799}, true}, {{0, 10}, false},
               {{10, 0}, false},   {{1280, 10}, false}, {{10, 800}, false},
               {{10, 1000}, false}, {{-50, 10}, false}};
  for (const auto& c : cases) {
    const std::optional<Point> start = StartPosition(c.stored, screen);
    EXPECT_EQ(start.has_value(), c.used) << c.stored.x << "," << c.stored.y;
  }
}

// Saving writes the position, then every option in its order: numbers as they are, on/off
// options as 1 or 0. A window hidden above the screen keeps the position the minimize action
// stored.
TEST(Settings, SaveOrderAndValues) {
  FakeProfile profile;
  profile.Set("Inline", 2);
  profile.Set("SoftButtons", 2);
  profile.Set("Delete After", 250);
  Settings s = ReadSettings(profile);
  s.ignoreMore = 12345;
  SaveSettings(profile, s, {40, 0, 340, 30});
  std::vector<std::pair<std::string, int>> expected = {
      {"Window Position/X", 40},       {"Window Position/Y", 0},
      {"Settings /Delete After", 250}, {"Settings /Save", 1},
      {"Settings /Minimize", 0},       {"Settings /Hide", 0},
      {"Settings /AutoFocus", 1},      {"Settings /AutoPaste", 0},
      {"Settings /QuickRep", 0},       {"Settings /OEM", 0},
      {"Settings /Inline", 1},         {"Settings /Preview", 1},
      {"Settings /HideDesk", 0},       {"Settings /BigFont", 0},
      {"Settings /KeepTop", 0},        {"Settings /Calculator", 20},
      {"Settings /CaptureHTML", 1},    {"Settings /SoftButtons", 0},
      {"Settings /IgnoreMore", 12345},
  };
  EXPECT_EQ(profile.writes, expected);

  profile.writes.clear();
  SaveSettings(profile, s, {40, -1, 340, 29});
  expected.erase(expected.begin(), expected.begin() + 2);
  EXPECT_EQ(profile.writes, expected);
}

}  // namespace
}  // namespace pelmo
