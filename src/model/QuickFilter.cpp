#include "model/QuickFilter.h"

#include <algorithm>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

std::vector<std::u16string> TypedWords(std::u16string_view typed) {
  std::vector<std::u16string> words;
  for (size_t start = 0; start < typed.size();) {
    if (IsBlank(typed[start])) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < typed.size() && !IsBlank(typed[end])) ++end;
    words.emplace_back(typed.substr(start, end - start));
    start = end;
  }
  return words;
}

std::optional<std::string> InAnsi(const std::u16string& word) {
  std::string ansi = Utf16ToAnsi(word);
  if (AnsiToUtf16(ansi) != word) return std::nullopt;
  return ansi;
}

QuickFilter::QuickFilter(const std::u16string& typed) {
  for (const std::u16string& word : TypedWords(typed)) {
    if (std::optional<std::string> ansi = InAnsi(word))
      m_ansiWords.emplace_back(*ansi);
    else
      m_wideWords.push_back(LowerCaseWide(word));
  }
}

bool QuickFilter::Matches(const HistoryItem& entry) const {
  for (const CaselessFinder& word : m_ansiWords)
    if (!word.FoundIn(entry.text)) return false;
  if (m_wideWords.empty()) return true;
  if (entry.wide.empty()) return false;
  const std::u16string wide = LowerCaseWide(entry.wide);
  return std::all_of(m_wideWords.begin(), m_wideWords.end(), [&](const std::u16string& word) {
    return wide.find(word) != std::u16string::npos;
  });
}

std::vector<int> FilterRows(const History& history, const QuickFilter& filter) {
  std::vector<int> rows;
  for (int row = 0; row < history.Count(); ++row)
    if (filter.Matches(history.At(row))) rows.push_back(row);
  return rows;
}

std::vector<int> FilterRows(const History& history, const QuickFilter& filter,
                            const std::vector<int>& candidates) {
  std::vector<int> rows;
  for (const int row : candidates)
    if (filter.Matches(history.At(row))) rows.push_back(row);
  return rows;
}

}  // namespace pelmo
