#include "model/Settings.h"

#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>

namespace pelmo {

namespace {

enum class ReadRule {
  kExactlyOne,      // on only when the stored number is 1
  kRaw,             // the stored number unchanged
  kCountAboveFive,  // used only when greater than 5, otherwise the built-in value stays
  kRawIfAutoFocus,  // raw, but read only with AutoFocus on, and off otherwise
};

enum class Form { kOnOff, kNumber };  // on/off options are written as 1 or 0

struct Option {
  const char* key;
  int Settings::*member;
  int absent;  // the value of a missing key
  ReadRule rule;
  Form form;
};

// In read order.
constexpr Option kOptions[] = {
    {"CaptureHTML", &Settings::captureHTML, 1, ReadRule::kExactlyOne, Form::kOnOff},
    {"SoftButtons", &Settings::softButtons, 0, ReadRule::kExactlyOne, Form::kOnOff},
    {"Delete After", &Settings::deleteAfter, 0, ReadRule::kCountAboveFive, Form::kNumber},
    {"Calculator", &Settings::calculator, 0, ReadRule::kCountAboveFive, Form::kNumber},
    {"IgnoreMore", &Settings::ignoreMore, 20000, ReadRule::kRaw, Form::kNumber},
    {"Save", &Settings::save, 1, ReadRule::kExactlyOne, Form::kOnOff},
    {"Minimize", &Settings::minimize, 0, ReadRule::kExactlyOne, Form::kOnOff},
    {"Hide", &Settings::hide, 0, ReadRule::kExactlyOne, Form::kOnOff},
    {"AutoFocus", &Settings::autoFocus, 1, ReadRule::kExactlyOne, Form::kOnOff},
    {"AutoPaste", &Settings::autoPaste, 0, ReadRule::kRawIfAutoFocus, Form::kOnOff},
    {"QuickRep", &Settings::quickRep, 0, ReadRule::kRaw, Form::kOnOff},
    {"HideDesk", &Settings::hideDesk, 0, ReadRule::kRaw, Form::kOnOff},
    {"OEM", &Settings::oem, 0, ReadRule::kRaw, Form::kOnOff},
    {"Inline", &Settings::inlineMode, 0, ReadRule::kRaw, Form::kOnOff},
    {"Preview", &Settings::preview, 1, ReadRule::kRaw, Form::kOnOff},
    {"BigFont", &Settings::bigFont, 0, ReadRule::kExactlyOne, Form::kOnOff},
    {"KeepTop", &Settings::keepTop, 0, ReadRule::kExactlyOne, Form::kOnOff},
};

constexpr const char* kWriteOrder[] = {
    "Delete After", "Save",       "Minimize",    "Hide",        "AutoFocus",  "AutoPaste",
    "QuickRep",     "OEM",        "Inline",      "Preview",     "HideDesk",   "BigFont",
    "KeepTop",      "Calculator", "CaptureHTML", "SoftButtons", "IgnoreMore",
};

static_assert(std::size(kOptions) == std::size(kWriteOrder), "every option is written");

const Option& OptionNamed(const char* key) {
  for (const Option& option : kOptions) {
    if (std::strcmp(option.key, key) == 0) return option;
  }
  throw std::logic_error(std::string("no option ") + key);
}

void ReadOption(Profile& profile, const Option& option, Settings& settings) {
  int& value = settings.*option.member;
  if (option.rule == ReadRule::kRawIfAutoFocus && !settings.autoFocus) {
    value = 0;
    return;
  }
  const int stored = profile.GetInt(kSettingsSection, option.key, option.absent);
  switch (option.rule) {
    case ReadRule::kExactlyOne:
      value = stored == 1 ? 1 : 0;
      break;
    case ReadRule::kCountAboveFive:
      if (stored > 5) value = stored;
      break;
    case ReadRule::kRaw:
    case ReadRule::kRawIfAutoFocus:
      value = stored;
      break;
  }
}

}  // namespace

bool TakeFirstRun(Profile& profile) {
  if (profile.GetInt(kSettingsSection, "NewWindow", 0) == 1) return false;
  profile.WriteInt(kSettingsSection, "NewWindow", 1);
  return true;
}

void TellOncePerKey(TextProfile& profile, const std::string& key,
                    const std::function<bool()>& tell) {
  constexpr const char* kTold = "QuickWindowKeyTold";
  if (profile.GetString(kSettingsSection, kTold, "") != key && tell())
    profile.WriteString(kSettingsSection, kTold, key);
}

Settings ReadSettings(Profile& profile) {
  Settings settings;
  for (const Option& option : kOptions) ReadOption(profile, option, settings);
  return settings;
}

void SaveSettings(Profile& profile, const Settings& settings, const Rect& window) {
  if (SavesPosition(window)) WritePosition(profile, {window.left, window.top});
  for (const char* key : kWriteOrder) {
    const Option& option = OptionNamed(key);
    const int value = settings.*option.member;
    profile.WriteInt(kSettingsSection, key, option.form == Form::kOnOff ? value != 0 : value);
  }
}

Point ReadPosition(Profile& profile) {
  return {profile.GetInt(kPositionSection, "X", 0), profile.GetInt(kPositionSection, "Y", 0)};
}

void WritePosition(Profile& profile, Point position) {
  profile.WriteInt(kPositionSection, "X", position.x);
  profile.WriteInt(kPositionSection, "Y", position.y);
}

std::optional<Point> StartPosition(Point stored, Size screen) {
  if (stored.x > 0 && stored.y > 0 && stored.x < screen.width && stored.y < screen.height) {
    return stored;
  }
  return std::nullopt;
}

Point MinimizedPosition(const Rect& window) {
  return {window.left, window.top - window.bottom};
}

Point OpenPosition(Point stored, Size screen) {
  const auto clamp = [](int value, int limit) { return value > limit || value < 0 ? 0 : value; };
  return {clamp(stored.x, screen.width), clamp(stored.y, screen.height)};
}

bool SavesPosition(const Rect& window) {
  return window.top >= 0;
}

}  // namespace pelmo
