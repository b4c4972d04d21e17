#include "model/HotKeyText.h"

#include <algorithm>
#include <cctype>

namespace pelmo {

namespace {

constexpr unsigned kFirstFunctionKey = 0x70;  // F1
constexpr unsigned kSpaceKey = 0x20;
constexpr int kFunctionKeys = 24;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

unsigned ModifierNamed(const std::string& name) {
  if (name == "ctrl" || name == "control") return kHotKeyControl;
  if (name == "alt") return kHotKeyAlt;
  if (name == "shift") return kHotKeyShift;
  if (name == "win") return kHotKeyWin;
  return 0;
}

std::optional<unsigned> KeyNamed(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(name[0])));
  if (name == "space") return kSpaceKey;
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' &&
      std::all_of(name.begin() + 1, name.end(), [](unsigned char c) { return std::isdigit(c); })) {
    const int number = std::stoi(name.substr(1));
    if (number >= 1 && number <= kFunctionKeys) return kFirstFunctionKey + (number - 1);
  }
  return std::nullopt;
}

HotKeyParse Refused(const std::string& text, const std::string& why) {
  return {std::nullopt, "\"" + text + "\" is not a hotkey: " + why};
}

}  // namespace

HotKeyParse ParseHotKey(const std::string& text) {
  if (text.empty()) return {};
  HotKey hotKey;
  bool haveKey = false;
  for (size_t start = 0;;) {
    const size_t plus = text.find('+', start);
    const std::string part = text.substr(start, plus == std::string::npos ? plus : plus - start);
    const std::string name = Lower(part);
    if (const unsigned modifier = ModifierNamed(name)) {
      if (hotKey.modifiers & modifier) return Refused(text, part + " is named twice");
      hotKey.modifiers |= modifier;
    } else if (const std::optional<unsigned> key = KeyNamed(name)) {
      if (haveKey) return Refused(text, "it names two keys");
      hotKey.key = *key;
      haveKey = true;
    } else {
      return Refused(text, "\"" + part + "\" is no key name");
    }
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  if (!haveKey) return Refused(text, "it names no key");
  const bool functionKey = hotKey.key >= kFirstFunctionKey;
  if (!functionKey && !(hotKey.modifiers & (kHotKeyControl | kHotKeyAlt | kHotKeyWin)))
    return Refused(text, "it needs Ctrl, Alt or Win");
  return {hotKey, {}};
}

}  // namespace pelmo
