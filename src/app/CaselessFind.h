// Searching a text for a pattern with letters compared without case, in the program's ANSI code
// page (Windows-1252), without making lower-case copies of the text.
#pragma once

#include <string>

namespace pelmo {

// One byte in lower case.
unsigned char AnsiFold(unsigned char byte);

class CaselessFinder {
 public:
  explicit CaselessFinder(const std::string& pattern);
  // Whether `text` holds the pattern; an empty pattern is in every text.
  bool FoundIn(const std::string& text) const;

 private:
  bool MatchesAt(const char* start) const;

  std::string m_pattern;  // in lower case
  size_t m_anchor = 0;    // the position of the pattern's least common byte
  // The bytes whose lower case is the anchor's (the same twice when there is one).
  unsigned char m_anchorBytes[2];
};

}  // namespace pelmo
