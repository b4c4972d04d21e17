// Searching a text for a pattern with letters compared without case, in the program's ANSI code
// page (Windows-1252) or in UTF-16, without making lower-case copies of the text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmo {

class CaselessFinder {
 public:
  explicit CaselessFinder(const std::string& pattern);
  // Where the pattern first starts in `text`, npos when nowhere; an empty pattern is at 0.
  size_t Find(std::string_view text) const;
  bool FoundIn(std::string_view text) const { return Find(text) != std::string_view::npos; }
  size_t Length() const { return m_pattern.size(); }

 private:
  // One byte of the pattern in either case, looked for in every byte of a machine word at once.
  struct WordProbe {
    WordProbe(const std::string& lowerPattern, size_t at);
    // The high bit of each byte of the word read at `start` + `at` that may be the pattern's byte.
    size_t Hits(const char* start) const;

    size_t at;        // the byte's position in the pattern
    size_t caseBits;  // the bits in which its two cases differ, in every byte of the word
    size_t bytes;     // the byte with those bits set, in every byte of the word
  };

  bool MatchesAt(const char* start) const;

  std::string m_pattern;  // in lower case
  WordProbe m_rare[2];    // the pattern's two least common bytes: few starts have both
};

// Lower case of every capital of the scripts typed texts are matched in: Latin (Latin-1 and Latin
// Extended-A), Greek (the final sigma as sigma), Cyrillic and Armenian. Every other unit stays.
std::u16string LowerCaseWide(std::u16string_view text);
// Where `lowerPattern` (in lower case) first starts in `text` in any case, npos when nowhere.
size_t FindCaselessWide(std::u16string_view text, std::u16string_view lowerPattern);
// A typed text in the code page, when the code page holds all of it.
std::optional<std::string> InAnsi(const std::u16string& typed);

}  // namespace pelmo
