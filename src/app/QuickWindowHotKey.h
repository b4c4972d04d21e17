// The quick window's hotkey, held for the strip's window from its text (the INI file's
// "QuickWindowKey", like "Ctrl+Shift+V"; empty for none). A text that is no hotkey, or a key that
// another program already holds, leaves the program without it, and says why.
#pragma once

#include <windows.h>

#include <string>

namespace pelmo {

class QuickWindowHotKey {
 public:
  // The id WM_HOTKEY brings.
  static constexpr int kId = 1;

  QuickWindowHotKey() = default;
  QuickWindowHotKey(const QuickWindowHotKey&) = delete;
  QuickWindowHotKey& operator=(const QuickWindowHotKey&) = delete;
  ~QuickWindowHotKey() { Release(); }

  // Holds the key `text` names for `window`, letting go of the one held before. Empty when it is
  // held (or `text` names none); otherwise why the program goes on without it, in plain words.
  std::string Take(HWND window, const std::string& text);
  void Release();

 private:
  HWND m_window = nullptr;  // the window the key is held for; none while no key is held
  std::string m_text;       // the text of the key held, or tried
};

}  // namespace pelmo
