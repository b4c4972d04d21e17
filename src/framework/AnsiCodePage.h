// Conversions between the ANSI code page (Windows-1252) and Unicode, done with a table so that
// they give the same result on every platform.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace pelmo {

inline bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
inline bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

// How many code units the first `characters` characters of `text` take, a surrogate pair being one
// character (as it is one '?' in the code page).
size_t UnitsOfCharacters(std::u16string_view text, size_t characters);

// UTF-16 code units to Windows-1252; characters the code page lacks become '?'.
std::string Utf16ToAnsi(std::u16string_view text);
// Windows-1252 bytes to UTF-16; every byte maps to one unit and back.
std::u16string AnsiToUtf16(std::string_view text);

// Windows-1252 bytes to UTF-8. Every byte maps to a character, so the result is always valid.
std::string AnsiToUtf8(std::string_view text);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// One byte in lower case: the letter pairs of Windows-1252, every other byte as it is.
constexpr unsigned char AnsiFold(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
    return static_cast<unsigned char>(byte + 0x20);
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<unsigned char>(byte + 0x10);
  if (byte == 0x9F) return 0xFF;
  return byte;
}

// The bytes that start a double-byte character in the system's ANSI code page, in which the
// clipboard's text arrives: none in single-byte code pages, and none natively.
using LeadBytes = std::bitset<256>;
const LeadBytes& AnsiLeadBytes();

}  // namespace pelmo
