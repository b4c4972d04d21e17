// Where the options live: sections of keys with integer values (the INI file in the program, a
// map in tests). Missing keys read as the given default.
#pragma once

namespace pelmo {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual int GetInt(const char* section, const char* key, int defaultValue) = 0;
  virtual void WriteInt(const char* section, const char* key, int value) = 0;
};

}  // namespace pelmo
