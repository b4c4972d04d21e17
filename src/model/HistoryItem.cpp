#include "model/HistoryItem.h"

namespace pelmo {

namespace {
constexpr const char* kWhiteSpace = " \t\n\v\f\r";
}  // namespace

std::string MakeLabel(HistoryItem& item) {
  item.multiLine = item.text.find('\n') != std::string::npos ? 1 : 0;
  std::string label = item.text.substr(0, kLabelBytes);
  const size_t first = label.find_first_not_of(kWhiteSpace);
  if (first == std::string::npos) return std::string();
  label = label.substr(first, label.find_last_not_of(kWhiteSpace) - first + 1);
  const size_t lineEnd = label.find_first_of("\r\n");
  if (lineEnd != std::string::npos) label.resize(lineEnd);
  return label;
}

}  // namespace pelmo
