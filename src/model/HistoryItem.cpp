#include "model/HistoryItem.h"

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

template <typename Char>
constexpr Char kWhiteSpace[] = {' ', '\t', '\n', '\v', '\f', '\r', 0};
template <typename Char>
constexpr Char kLineEnds[] = {'\r', '\n', 0};

// Trims the white space from both ends, then cuts before the first line end.
template <typename Char>
std::basic_string<Char> FirstLineTrimmed(std::basic_string<Char> label) {
  const size_t first = label.find_first_not_of(kWhiteSpace<Char>);
  if (first == label.npos) return {};
  label = label.substr(first, label.find_last_not_of(kWhiteSpace<Char>) - first + 1);
  const size_t lineEnd = label.find_first_of(kLineEnds<Char>);
  if (lineEnd != label.npos) label.resize(lineEnd);
  return label;
}

}  // namespace

std::string Label(const HistoryItem& item) {
  return FirstLineTrimmed(item.text.substr(0, kLabelBytes));
}

std::string MakeLabel(HistoryItem& item) {
  item.multiLine = item.text.find('\n') != std::string::npos ? 1 : 0;
  return Label(item);
}

std::u16string WideLabel(const HistoryItem& item) {
  const std::u16string& wide = item.wide;
  size_t units = 0;
  for (size_t characters = 0; characters < kLabelBytes && units < wide.size(); ++characters) {
    const bool pair =
        IsHighSurrogate(wide[units]) && units + 1 < wide.size() && IsLowSurrogate(wide[units + 1]);
    units += pair ? 2 : 1;
  }
  return FirstLineTrimmed(wide.substr(0, units));
}

}  // namespace pelmo
