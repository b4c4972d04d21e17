#include "web/LinkRecognition.h"

#include <algorithm>

namespace pelmo {

namespace {

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// In order of preference, whatever their positions. A secure web address is a web address: the
// two schemes share the first rank, where the earlier of them wins.
constexpr std::string_view kPrefixRanks[][2] = {
    {"http://", "https://"}, {"ftp://"}, {"www."}, {"ftp."}};
constexpr std::string_view kTerminators = " \"\n\r";
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
constexpr std::string_view kPageEnd = ".htm";
constexpr size_t kLongestLink = 70;
constexpr size_t kShortestLink = 9;

// The first position at or after `from` where `find` matches and a character starts. `find` is a
// fast byte search; a match inside a double-byte character is skipped by walking the characters
// from the last known start up to it, so the text is walked once in all.
template <typename Find>
size_t FindOnCharacter(std::string_view text, const LeadBytes& leadBytes, Find find) {
  size_t character = 0;  // always the start of a character
  size_t found = find(size_t{0});
  if (leadBytes.none()) return found;
  while (found != std::string_view::npos) {
    while (character < found) {
      character += leadBytes[static_cast<unsigned char>(text[character])] ? 2 : 1;
    }
    if (character == found) return found;
    found = find(character);
  }
  return found;
}

// The first `what` at or after `from`. The byte search looks for the pattern's first byte that is
// not a letter (':' or '.'): prose is made of letters, so a search for "h", "f" or "w" would
// stop every few bytes of a long text.
size_t FindAnchored(std::string_view text, std::string_view what, size_t from) {
  const size_t anchor = std::min(what.find_first_not_of(kLetters), what.size() - 1);
  for (size_t at = text.find(what[anchor], from + anchor); at != std::string_view::npos;
       at = text.find(what[anchor], at + 1)) {
    if (text.compare(at - anchor, what.size(), what) == 0) return at - anchor;
  }
  return std::string_view::npos;
}

size_t FindText(std::string_view text, std::string_view what, const LeadBytes& leadBytes) {
  return FindOnCharacter(text, leadBytes,
                         [&](size_t from) { return FindAnchored(text, what, from); });
}

// The earliest prefix of one rank.
size_t FindRank(std::string_view text, const std::string_view (&rank)[2],
                const LeadBytes& leadBytes) {
  size_t start = std::string_view::npos;
  for (std::string_view prefix : rank) {
    if (!prefix.empty()) start = std::min(start, FindText(text, prefix, leadBytes));
  }
  return start;
}

}  // namespace

std::string ExtractLink(std::string_view text, const LeadBytes& leadBytes) {
  size_t start = std::string_view::npos;
  for (const auto& rank : kPrefixRanks) {
    start = FindRank(text, rank, leadBytes);
    if (start != std::string_view::npos) break;
  }
  if (start == std::string_view::npos) return std::string();

  std::string_view link = text.substr(start);
  const size_t end = FindOnCharacter(
      link, leadBytes, [&](size_t from) { return link.find_first_of(kTerminators, from); });
  if (end != std::string_view::npos) {
    link = link.substr(0, end);
  } else if (const size_t page = FindText(link, kPageEnd, leadBytes);
             page != std::string_view::npos) {
    link = link.substr(0, page + kPageEnd.size() + 1);
  } else {
    link = link.substr(0, kLongestLink);
  }

  const size_t first = link.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return std::string();
  link = link.substr(first, link.find_last_not_of(kWhiteSpace) - first + 1);
  if (link.size() < kShortestLink) return std::string();
  return std::string(link);
}

}  // namespace pelmo
