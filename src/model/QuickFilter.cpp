#include "model/QuickFilter.h"

#include <algorithm>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

SearchWords::SearchWords(std::u16string_view typed) {
  for (size_t start = 0; start < typed.size();) {
    if (IsBlank(typed[start])) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < typed.size() && !IsBlank(typed[end])) ++end;
    const std::u16string word(typed.substr(start, end - start));
    if (std::optional<std::string> inAnsi = InAnsi(word))
      ansi.emplace_back(*inAnsi);
    else
      allInAnsi = false;
    wide.push_back(LowerCaseWide(word));
    start = end;
  }
}

bool QuickFilter::Matches(const HistoryItem& entry) const {
  if (!entry.wide.empty()) {
    return std::all_of(m_words.wide.begin(), m_words.wide.end(), [&](const std::u16string& word) {
      return FindCaselessWide(entry.wide, word) != std::u16string::npos;
    });
  }
  return m_words.allInAnsi &&
         std::all_of(m_words.ansi.begin(), m_words.ansi.end(),
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
