// The quick window's hotkey as the INI file keeps it: modifiers and one key joined by '+', like
// "Ctrl+Shift+V". Empty means no hotkey.
#pragma once

#include <optional>
#include <string>

namespace pelmo {

// RegisterHotKey's modifier bits, and a virtual-key code.
inline constexpr unsigned kHotKeyAlt = 1;
inline constexpr unsigned kHotKeyControl = 2;
inline constexpr unsigned kHotKeyShift = 4;
inline constexpr unsigned kHotKeyWin = 8;

struct HotKey {
  unsigned modifiers = 0;
  unsigned key = 0;
};
inline bool operator==(HotKey a, HotKey b) {
  return a.modifiers == b.modifiers && a.key == b.key;
}

inline constexpr const char* kDefaultQuickWindowKey = "Ctrl+Shift+V";

struct HotKeyParse {
  std::optional<HotKey> hotKey;  // none for an empty text, or a refused one
  std::string problem;           // why the text was refused, in plain words; empty when it was not
};

// Names are read without case: Ctrl (or Control), Alt, Shift and Win, then a letter, a digit,
// F1 to F24 or Space. A key other than F1 to F24 needs Ctrl, Alt or Win, so that a hotkey never
// takes ordinary typing away from every program.
HotKeyParse ParseHotKey(const std::string& text);

}  // namespace pelmo
