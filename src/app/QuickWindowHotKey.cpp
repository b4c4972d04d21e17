#include "app/QuickWindowHotKey.h"

#include "framework/WinApp.h"
#include "model/HotKeyText.h"
#include "model/Settings.h"

namespace pelmo {

void QuickWindowHotKey::Take(HWND window, const std::string& text) {
  if (m_window && window == m_window && text == m_text) return;
  Release();
  m_text = text;
  const HotKeyParse parse = ParseHotKey(text);
  if (!parse.hotKey) {
    if (!parse.problem.empty()) Tell("QuickWindowKey " + parse.problem + ".");
    return;
  }
  if (::RegisterHotKey(window, kId, parse.hotKey->modifiers | MOD_NOREPEAT, parse.hotKey->key))
    m_window = window;
  else
    Tell("Another program already uses " + text + ".");
}

void QuickWindowHotKey::Release() {
  if (m_window) ::UnregisterHotKey(m_window, kId);
  m_window = nullptr;
  m_text.clear();
}

void QuickWindowHotKey::Tell(const std::string& problem) {
  if (m_told == m_text) return;
  m_told = m_text;
  AppMessageBox(problem +
                    "\nPelmo goes on without the quick window's key; set another as "
                    "QuickWindowKey in the [" + kSettingsSection + "] section of its INI file.",
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace pelmo
