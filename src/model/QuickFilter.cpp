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

QuickFilter::QuickFilter(const std::u16string& typed) {
  for (const std::u16string& word : TypedWords(typed)) {
    if (std::optional<std::string> ansi = InAnsi(word))
      m_ansiWords.emplace_back(*ansi);
    else
      m_allInAnsi = false;
    m_wideWords.push_back(LowerCaseWide(word));
  }
}

bool QuickFilter::Matches(const HistoryItem& entry) const {
  if (!entry.wide.empty()) {
    return std::all_of(m_wideWords.begin(), m_wideWords.end(), [&](const std::u16string& word) {
      return FindCaselessWide(entry.wide, word) != std::u16string::npos;
    });
  }
  return m_allInAnsi &&
         std::all_of(m_ansiWords.begin(), m_ansiWords.end(),
                     [&](const CaselessFinder& word) { return word.FoundIn(entry.text); });
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
