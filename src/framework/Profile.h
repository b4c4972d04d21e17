// Where the options live: sections of keys with integer values (the INI file in the program, a
// map in tests), and the few that are texts. Missing keys read as the given default.
#pragma once

#include <string>

namespace pelmo {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual int GetInt(const char* section, const char* key, int defaultValue) = 0;
  virtual void WriteInt(const char* section, const char* key, int value) = 0;
};

class TextProfile {
 public:
  virtual ~TextProfile() = default;
  virtual std::string GetString(const char* section, const char* key, const char* defaultValue) = 0;
  virtual void WriteString(const char* section, const char* key, const std::string& value) = 0;
};

}  // namespace pelmo
