#include "app/QuickWindowHotKey.h"

#include "framework/ModulePath.h"
#include "model/HotKeyText.h"
#include "model/Settings.h"

namespace pelmo {

namespace {

std::string WithAdvice(const std::string& problem) {
  std::string advice = problem;
  advice += " Pelmo goes on without the quick window's key; set another as QuickWindowKey in the [";
  advice += kSettingsSection;
  advice += "] section of " + ModuleBaseName() + ".INI.";
  return advice;
}

}  // namespace

std::string QuickWindowHotKey::Take(HWND window, const std::string& text) {
  if (m_window && window == m_window && text == m_text) return {};
  Release();
  m_text = text;
  const HotKeyParse parse = ParseHotKey(text);
  if (!parse.hotKey)
    return parse.problem.empty() ? std::string()
                                 : WithAdvice("QuickWindowKey " + parse.problem + ".");
  if (!::RegisterHotKey(window, kId, parse.hotKey->modifiers | MOD_NOREPEAT, parse.hotKey->key))
    return WithAdvice("Another program already uses " + text + ".");
  m_window = window;
  return {};
}

void QuickWindowHotKey::Release() {
  if (m_window) ::UnregisterHotKey(m_window, kId);
  m_window = nullptr;
  m_text.clear();
}

}  // namespace pelmo
