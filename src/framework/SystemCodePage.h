// Text between UTF-16 and the system's ANSI code page, converted the way the system converts the
// clipboard's text, so that an entry's ANSI text is what a program reading CF_TEXT would get.
#pragma once

#include <string>
#include <string_view>

namespace pelmo {

std::string ToSystemAnsi(std::u16string_view wide);
std::u16string FromSystemAnsi(std::string_view ansi);

// The UTF-16 text when its ANSI form `ansi` lost characters of it; empty when the code page holds
// it exactly, so that only texts that need it keep a wide copy.
std::u16string WideIfLostInAnsi(std::u16string wide, const std::string& ansi);

}  // namespace pelmo
