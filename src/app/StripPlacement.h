// Where the strip stands and what it keeps in the INI file: its start position, the minimize out
// of sight above the screen and back, its size around its controls, and the position and options
// written at the end.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/IniProfile.h"
#include "model/HotKeyText.h"
#include "model/Settings.h"

namespace pelmo {

class StripPlacement {
 public:
  // True on the first start, which it then records.
  bool TakeFirstRun() { return pelmo::TakeFirstRun(m_profile); }
  Settings ReadSettings() { return pelmo::ReadSettings(m_profile); }
  // The quick window's hotkey as text: read only, it is never written.
  std::string QuickWindowKey() {
    return m_profile.GetString(kSettingsSection, "QuickWindowKey", kDefaultQuickWindowKey);
  }
  // Calls `tell` unless it told of trouble with this very key before.
  void TellOncePerKey(const std::string& key, const std::function<bool()>& tell) {
    pelmo::TellOncePerKey(m_profile, key, tell);
  }
  // Writes the position (unless the window is out of sight) and every option.
  void Save(HWND window, const Settings& settings);

  // Topmost at the stored position when it lies inside the screen, otherwise where it stands.
  void Restore(HWND window);
  // Sizes the window to reach just past `rightmost` and `lowest`, two of its controls, and to
  // hold the whole of `leftmost`, which may reach to its bottom edge.
  static void FitAround(HWND window, HWND rightmost, HWND lowest, HWND leftmost);
  // Out of sight above the screen, storing the position; or back at the stored position.
  void Minimize(HWND window);
  void Open(HWND window);
  // Minimizes a moment after the start, when the window has been seen.
  static void MinimizeSoon(HWND window);
  // The timer of MinimizeSoon; false for any other.
  bool OnTimer(HWND window, WPARAM timer);

 private:
  IniProfile m_profile;
};

}  // namespace pelmo
