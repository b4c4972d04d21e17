// The options' profile: the INI file named after the executable, kept by the system in the
// Windows directory.
#pragma once

#include <string>

#include "framework/Profile.h"

namespace pelmo {

class IniProfile : public Profile, public TextProfile {
 public:
  // "<executable base name>.INI", without a directory.
  IniProfile();

  int GetInt(const char* section, const char* key, int defaultValue) override;
  void WriteInt(const char* section, const char* key, int value) override;
  std::string GetString(const char* section, const char* key, const char* defaultValue) override;
  void WriteString(const char* section, const char* key, const std::string& value) override;

 private:
  std::string m_fileName;
};

}  // namespace pelmo
