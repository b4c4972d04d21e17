#include "tools/ClipBook.h"

namespace pelmo {

namespace {

constexpr size_t kProposedNameChars = 35;

template <typename String>
String TextAfterName(const String& entry) {
  const size_t lineFeed = entry.find('\n');
  return lineFeed == String::npos ? entry : entry.substr(lineFeed + 1);
}

}  // namespace

HistoryItem MakeClipBookEntry(const std::string& name, const std::u16string& wideName,
                              const HistoryItem& item) {
  HistoryItem entry;
  entry.text = name + '\n' + item.text;
  if (!item.wide.empty()) entry.wide = wideName + u'\n' + item.wide;
  return entry;
}

std::string ClipBookName(const std::string& entry) {
  return entry.substr(0, entry.find('\n'));
}

std::u16string ClipBookName(const std::u16string& entry) {
  return entry.substr(0, entry.find(u'\n'));
}

HistoryItem ClipBookText(const HistoryItem& entry) {
  HistoryItem text;
  text.text = TextAfterName(entry.text);
  if (!entry.wide.empty()) text.wide = TextAfterName(entry.wide);
  return text;
}

std::string ProposedClipBookName(const std::string& text) {
  return text.substr(0, kProposedNameChars);
}

}  // namespace pelmo
