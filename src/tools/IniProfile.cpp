#include "tools/IniProfile.h"

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

}  // namespace pelmo
