#include "framework/IniProfile.h"

#include <windows.h>

#include "framework/ModulePath.h"

namespace pelmo {

IniProfile::IniProfile() : m_fileName(ModuleBaseName() + ".INI") {}

int IniProfile::GetInt(const char* section, const char* key, int defaultValue) {
  return static_cast<int>(::GetPrivateProfileIntA(section, key, defaultValue, m_fileName.c_str()));
}

void IniProfile::WriteInt(const char* section, const char* key, int value) {
  ::WritePrivateProfileStringA(section, key, std::to_string(value).c_str(), m_fileName.c_str());
}

std::string IniProfile::GetString(const char* section, const char* key, const char* defaultValue) {
  // The call cuts the value to the buffer: grow until it fits.
  std::string value(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetPrivateProfileStringA(section, key, defaultValue, &value[0],
                                   static_cast<DWORD>(value.size()), m_fileName.c_str());
    if (length + 1 < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(value.size() * 2);
  }
}

void IniProfile::WriteString(const char* section, const char* key, const std::string& value) {
  ::WritePrivateProfileStringA(section, key, value.c_str(), m_fileName.c_str());
}

}  // namespace pelmo
