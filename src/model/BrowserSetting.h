// The browser the links window starts: its full path in the settings file, section "PATH", key
// "BROWSER". It is read afresh at every use, so a choice made elsewhere in the meantime counts.
// The system reads that file: a file it cannot read reads as one without the key, and a write
// that fails changes nothing, so no file can be lost here.
#pragma once

#include <string>

#include "framework/Profile.h"

namespace pelmo {

class BrowserSetting {
 public:
  explicit BrowserSetting(TextProfile& profile) : m_profile(profile) {}

  // Empty when none was chosen.
  std::string Load();
  void Save(const std::string& browser);

 private:
  TextProfile& m_profile;
};

}  // namespace pelmo
