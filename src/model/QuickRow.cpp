#include "model/QuickRow.h"

#include <algorithm>
#include <string_view>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

// Shown before a match that lies beyond a label's length in its line.
constexpr size_t kCharactersBeforeMatch = 10;

size_t Find(const CaselessFinder& word, std::string_view text) {
  return word.Find(text);
}
size_t Find(const std::u16string& lowerWord, std::u16string_view text) {
  return FindCaselessWide(text, lowerWord);
}
size_t LengthOf(const CaselessFinder& word) {
  return word.Length();
}
size_t LengthOf(const std::u16string& word) {
  return word.size();
}

// Where `characters` characters after `at` end, or before `at` begin, in either form of a text:
// a surrogate pair is one character, as in labels.
size_t After(std::string_view text, size_t at, size_t characters) {
  return std::min(text.size(), at + characters);
}
size_t After(std::u16string_view text, size_t at, size_t characters) {
  return at + UnitsOfCharacters(text.substr(at), characters);
}
size_t Before(std::string_view, size_t at, size_t characters) {
  return at - std::min(at, characters);
}
size_t Before(std::u16string_view text, size_t at, size_t characters) {
  for (; characters > 0 && at > 0; --characters)
    at -= at >= 2 && IsLowSurrogate(text[at - 1]) && IsHighSurrogate(text[at - 2]) ? 2 : 1;
  return at;
}

template <typename Char>
size_t OffsetIn(std::basic_string_view<Char> text, std::basic_string_view<Char> part) {
  return static_cast<size_t>(part.data() - text.data());
}

// The part of `text` shown, given where the first match lies.
template <typename Char>
std::basic_string_view<Char> ShownPart(std::basic_string_view<Char> text,
                                       std::basic_string_view<Char> label, size_t first,
                                       size_t length, bool& cutBefore) {
  const size_t labelStart = OffsetIn(text, label);
  if (first >= labelStart && first + length <= labelStart + label.size()) return label;
  const size_t lineStart =
      first == 0 ? 0 : text.find_last_of(kLineEnds<Char>, first - 1) + 1;  // npos + 1 is 0
  const std::basic_string_view<Char> line = FirstLineTrimmed(text.substr(lineStart));
  const size_t lineOffset = OffsetIn(text, line);
  // A match of white space or line ends only: the label, as with no match.
  if (first < lineOffset || first >= lineOffset + line.size()) return label;
  const size_t at = first - lineOffset;
  size_t from = 0;
  if (at + length > After(line, 0, kLabelBytes)) from = Before(line, at, kCharactersBeforeMatch);
  cutBefore = from > 0;
  return line.substr(from, After(line, from, kLabelBytes) - from);
}

template <typename Char, typename Word>
QuickRow RowIn(std::basic_string_view<Char> text, std::basic_string_view<Char> label,
               const std::vector<Word>& words) {
  constexpr size_t kNowhere = std::basic_string_view<Char>::npos;
  size_t first = kNowhere, firstLength = 0;
  for (const Word& word : words) {
    const size_t length = LengthOf(word);
    // Only a match that starts before the first one so far counts.
    const size_t at = Find(word, first == kNowhere ? text : text.substr(0, first + length - 1));
    if (at != kNowhere) first = at, firstLength = length;
  }
  QuickRow row;
  const std::basic_string_view<Char> shown =
      first == kNowhere ? label : ShownPart(text, label, first, firstLength, row.cutBefore);
  row.text = {OffsetIn(text, shown), shown.size()};
  if (first == kNowhere) return row;

  // A label's length is at most two code units a character.
  std::array<bool, 2 * kLabelBytes> marked{};
  const size_t shownEnd = row.text.start + shown.size();
  for (const Word& word : words) {
    const size_t length = LengthOf(word);
    // Matches that begin before the part or run on after it are marked where they show.
    const size_t from = row.text.start - std::min(row.text.start, length - 1);
    const std::basic_string_view<Char> around =
        text.substr(from, std::min(text.size(), shownEnd + length - 1) - from);
    for (size_t at = Find(word, around); at != kNowhere;) {
      const size_t start = std::max(from + at, row.text.start);
      const size_t end = std::min(from + at + length, shownEnd);
      for (size_t i = start; i < end; ++i) marked[i - row.text.start] = true;
      const size_t next = Find(word, around.substr(at + 1));
      at = next == kNowhere ? kNowhere : at + 1 + next;
    }
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    if (!marked[i]) continue;
    if (i > 0 && marked[i - 1])
      ++row.marks[row.markCount - 1].length;
    else
      row.marks[row.markCount++] = {i, 1};
  }
  return row;
}

}  // namespace

QuickRow QuickRowMarker::RowOf(const HistoryItem& entry) const {
  if (entry.wide.empty()) return RowIn(std::string_view(entry.text), LabelIn(entry), m_words.ansi);
  return RowIn(std::u16string_view(entry.wide), WideLabelIn(entry), m_words.wide);
}

}  // namespace pelmo
