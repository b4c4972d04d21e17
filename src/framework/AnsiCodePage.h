// Conversions between the ANSI code page (Windows-1252) and Unicode, done with a table so that
// they give the same result on every platform.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace pelmo {

// UTF-16 code units to Windows-1252; characters the code page lacks become '?'.
std::string Utf16ToAnsi(std::u16string_view text);

// Windows-1252 bytes to UTF-8. Every byte maps to a character, so the result is always valid.
std::string AnsiToUtf8(std::string_view text);

// The bytes that start a double-byte character in the system's ANSI code page, in which the
// clipboard's text arrives: none in single-byte code pages, and none natively.
using LeadBytes = std::bitset<256>;
const LeadBytes& AnsiLeadBytes();

}  // namespace pelmo
