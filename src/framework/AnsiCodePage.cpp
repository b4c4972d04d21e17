#include "framework/AnsiCodePage.h"

#include <algorithm>
#include <cstdint>

namespace pelmo {

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the C1 control of the
// same value, as the platform's own conversion does; every other byte is its own code point.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t AnsiToCodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

char CodePointToAnsi(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  const auto* end = std::end(kHighControls);
  const auto* found = std::find(std::begin(kHighControls), end, unit);
  return found == end ? '?' : static_cast<char>(0x80 + (found - std::begin(kHighControls)));
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

size_t UnitsOfCharacters(std::u16string_view text, size_t characters) {
  size_t units = 0;
  for (; characters > 0 && units < text.size(); --characters) {
    const bool pair =
        IsHighSurrogate(text[units]) && units + 1 < text.size() && IsLowSurrogate(text[units + 1]);
    units += pair ? 2 : 1;
  }
  return units;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair is one character outside the code page: one '?', not two.
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      result += '?';
      ++i;
    } else {
      result += CodePointToAnsi(text[i]);
    }
  }
  return result;
}

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string result(text.size(), u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    result[i] = AnsiToCodePoint(static_cast<unsigned char>(text[i]));
  return result;
}

std::string AnsiToUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) AppendUtf8(result, AnsiToCodePoint(static_cast<unsigned char>(c)));
  return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      cp = 0xFFFD;
    }
    AppendUtf8(result, cp);
  }
  return result;
}

}  // namespace pelmo
