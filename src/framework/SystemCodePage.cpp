#include "framework/SystemCodePage.h"

#include <windows.h>

namespace pelmo {

std::string ToSystemAnsi(std::u16string_view wide) {
  if (wide.empty()) return std::string();
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int size = ::WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, units, length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

std::u16string FromSystemAnsi(std::string_view ansi) {
  if (ansi.empty()) return std::u16string();
  const int length = static_cast<int>(ansi.size());
  const int size = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  std::u16string wide(static_cast<size_t>(size), u'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        size);
  return wide;
}

std::u16string WideIfLostInAnsi(std::u16string wide, const std::string& ansi) {
  // Exact when the ANSI text converts back to the very same characters; a best-fit mapping
  // (an accent dropped) fails that test as surely as a question mark does.
  if (FromSystemAnsi(ansi) == wide) wide.clear();
  return wide;
}

}  // namespace pelmo
