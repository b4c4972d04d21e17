#include "model/QuickFilter.h"

#include <algorithm>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

QuickFilter::QuickFilter(const std::u16string& typed) {
  for (size_t start = 0; start < typed.size();) {
    if (IsBlank(typed[start])) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < typed.size() && !IsBlank(typed[end])) ++end;
    const std::u16string word = typed.substr(start, end - start);
    const std::string ansi = Utf16ToAnsi(word);
    if (AnsiToUtf16(ansi) == word)
      m_ansiWords.emplace_back(ansi);
    else
      m_wideWords.push_back(LowerCaseWide(word));
    start = end;
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
