// The option set, how it is read from and written to the profile (INI file), and the rules for
// the main window's stored position.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/Geometry.h"
#include "framework/Profile.h"

namespace pelmo {

constexpr const char* kSettingsSection = "Settings ";  // the trailing blank is part of the name
constexpr const char* kPositionSection = "Window Position";

// Every option with its built-in value, which holds until the profile is read. On/off options
// are on when non-zero.
struct Settings {
  int captureHTML = 0;
  int softButtons = 0;
  int deleteAfter = 100;   // item maximum of the history
  int calculator = 20;     // entry maximum of the calculator's history
  int ignoreMore = 10000;  // longer captured texts are ignored
  int save = 0;
  int minimize = 0;
  int hide = 0;
  int autoFocus = 0;
  int autoPaste = 0;
  int quickRep = 0;
  int hideDesk = 0;
  int oem = 0;
  int inlineMode = 0;
  int preview = 0;
  int bigFont = 0;
  int keepTop = 0;
};

// Whether a captured text becomes an entry: it is not empty, and it was not longer than
// "IgnoreMore" as it was read (Quick Replace may have swapped it since).
inline bool TakesText(const Settings& settings, const std::string& text, long long lengthAsRead) {
  return !text.empty() && lengthAsRead <= settings.ignoreMore;
}

// True on the first start ("NewWindow" is not 1), which it then records.
bool TakeFirstRun(Profile& profile);

// What is wrong with the quick window's key is told once per key text, not at every start: the
// profile keeps the key last told ("QuickWindowKeyTold"). `tell` says it and answers whether it
// could; a key told in vain is told again the next time.
void TellOncePerKey(TextProfile& profile, const std::string& key,
                    const std::function<bool()>& tell);

// The options as stored, each by its read rule, over the built-in values.
Settings ReadSettings(Profile& profile);

// Writes the position (unless the window is hidden above the screen) and every option.
void SaveSettings(Profile& profile, const Settings& settings, const Rect& window);

Point ReadPosition(Profile& profile);
void WritePosition(Profile& profile, Point position);

// Where the window starts: the stored position when it lies strictly inside the screen,
// otherwise empty (the window stays where its template put it).
std::optional<Point> StartPosition(Point stored, Size screen);
// Where minimizing moves the window: one window height above the screen, out of sight.
Point MinimizedPosition(const Rect& window);
// Where opening moves the window: the stored position, each coordinate beyond the screen or
// negative replaced by 0.
Point OpenPosition(Point stored, Size screen);
// Saving keeps the position the minimize action stored while the window is out of sight.
bool SavesPosition(const Rect& window);

}  // namespace pelmo
