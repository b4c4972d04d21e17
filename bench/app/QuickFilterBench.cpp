// The quick window's filter over a history of 100 MB (100,000 entries of 1 KB of words): the
// time of each keystroke while a text is typed, when every keystroke filters the whole history
// and when it narrows the previous keystroke's list, as the window does; and what opening the
// window costs (the list of every entry, before anything is typed) at 100 and 100,000 entries.
//
//   quick_filter_bench
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/QuickFilter.h"

namespace {

constexpr int kEntries = 100000;
constexpr size_t kEntryBytes = 1024;

pelmo::History MakeHistory() {
  static const char* const kWords[] = {"the",  "Clipboard", "of",      "and",   "Text",
                                       "copy", "paste",     "caf\xE9", "Entry", "to",
                                       "a",    "Strip",     "in",      "find",  "program"};
  std::mt19937 random(7);
  std::vector<std::unique_ptr<pelmo::HistoryItem>> entries(kEntries);
  for (size_t i = 0; i < entries.size(); ++i) {
    entries[i] = std::make_unique<pelmo::HistoryItem>();
    std::string& text = entries[i]->text;
    while (text.size() < kEntryBytes) {
      text += kWords[random() % (sizeof kWords / sizeof *kWords)];
      text += random() % 12 ? ' ' : '\n';
    }
    text.resize(kEntryBytes);
    // A few entries hold the words typed below.
    if (i % 997 == 0) text += " window report";
  }
  pelmo::History history;
  history.AppendBottom(entries);
  return history;
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

}  // namespace

int main() {
  const pelmo::History history = MakeHistory();
  pelmo::History small;
  for (int i = 0; i < 100; ++i) small.InsertTop(history.At(i).text, pelmo::kPlain);
  const pelmo::History* const histories[] = {&small, &history};
  std::vector<int> narrowed;  // every row of the big history, as the window opens on it
  for (const pelmo::History* opened : histories) {
    const auto start = std::chrono::steady_clock::now();
    narrowed = pelmo::FilterRows(*opened, pelmo::QuickFilter(u""));
    std::printf("opening with %zu entries: %.2f ms\n", narrowed.size(), Milliseconds(start));
  }
  const std::u16string typed = u"window rep";
  std::printf("%-14s %10s %10s %8s\n", "typed", "whole ms", "narrow ms", "rows");
  double worstWhole = 0, worstNarrow = 0;
  for (size_t length = 1; length <= typed.size(); ++length) {
    const pelmo::QuickFilter filter(typed.substr(0, length));
    auto start = std::chrono::steady_clock::now();
    const std::vector<int> whole = pelmo::FilterRows(history, filter);
    const double wholeMs = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    narrowed = pelmo::FilterRows(history, filter, narrowed);
    const double narrowMs = Milliseconds(start);
    worstWhole = std::max(worstWhole, wholeMs);
    worstNarrow = std::max(worstNarrow, narrowMs);
    std::printf("%-14s %10.1f %10.1f %8zu\n",
                std::string(typed.begin(), typed.begin() + static_cast<long>(length)).c_str(),
                wholeMs, narrowMs, narrowed.size());
    if (whole != narrowed) std::printf("  the two lists differ\n");
  }
  std::printf("worst keystroke: %.1f ms filtering everything, %.1f ms narrowing\n", worstWhole,
              worstNarrow);
  return 0;
}
