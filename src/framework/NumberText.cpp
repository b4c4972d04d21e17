#include "framework/NumberText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace pelmo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the blanks around the number; empty when nothing else is there.
std::string Trimmed(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool StartsWithNumber(const std::string& s, bool allowMinus) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || (allowMinus && s[i] == '-'))) ++i;
  return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

}  // namespace

std::optional<int> ParseSignedText(const std::string& text) {
  const std::string s = Trimmed(text);
  if (!StartsWithNumber(s, true)) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(s.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<unsigned> ParseUnsignedText(const std::string& text) {
  const std::string s = Trimmed(text);
  if (!StartsWithNumber(s, false)) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(s.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || value > UINT_MAX) return std::nullopt;
  return static_cast<unsigned>(value);
}

}  // namespace pelmo
