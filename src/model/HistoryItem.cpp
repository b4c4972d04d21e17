#include "model/HistoryItem.h"

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

template <typename Char>
constexpr Char kWhiteSpace[] = {' ', '\t', '\n', '\v', '\f', '\r', 0};

template <typename Char>
std::basic_string_view<Char> Trimmed(std::basic_string_view<Char> label) {
  const size_t first = label.find_first_not_of(kWhiteSpace<Char>);
  if (first == label.npos) return label.substr(0, 0);
  label = label.substr(first, label.find_last_not_of(kWhiteSpace<Char>) - first + 1);
  return label.substr(0, label.find_first_of(kLineEnds<Char>));
}

}  // namespace

std::string_view FirstLineTrimmed(std::string_view text) {
  return Trimmed(text);
}

std::u16string_view FirstLineTrimmed(std::u16string_view text) {
  return Trimmed(text);
}

std::string Label(const HistoryItem& item) {
  return std::string(LabelIn(item));
}

std::string MakeLabel(HistoryItem& item) {
  item.multiLine = item.text.find('\n') != std::string::npos ? 1 : 0;
  return Label(item);
}

std::u16string WideLabel(const HistoryItem& item) {
  return std::u16string(WideLabelIn(item));
}

std::string_view LabelIn(const HistoryItem& item) {
  return FirstLineTrimmed(std::string_view(item.text).substr(0, kLabelBytes));
}

std::u16string_view WideLabelIn(const HistoryItem& item) {
  const std::u16string_view wide = item.wide;
  return FirstLineTrimmed(wide.substr(0, UnitsOfCharacters(wide, kLabelBytes)));
}

}  // namespace pelmo
