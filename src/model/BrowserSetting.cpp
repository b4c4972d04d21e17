#include "model/BrowserSetting.h"

namespace pelmo {

namespace {

constexpr const char* kBrowserSection = "PATH";
constexpr const char* kBrowserKey = "BROWSER";

}  // namespace

std::string BrowserSetting::Load() {
  return m_profile.GetString(kBrowserSection, kBrowserKey, "");
}

void BrowserSetting::Save(const std::string& browser) {
  m_profile.WriteString(kBrowserSection, kBrowserKey, browser);
}

}  // namespace pelmo
