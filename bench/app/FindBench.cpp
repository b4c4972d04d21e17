// Find next over a history of 100 MB (100,000 entries of 1 KB of words), for a text that is in no
// entry: the search reads every byte once. Next to it, a memchr scan of the same entries for a
// byte they do not hold, and the same search through lower-case copies of each entry. The texts
// run from rare letters to only the commonest ones, and from long to a single letter.
//
//   find_bench
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/AnsiCodePage.h"
#include "model/History.h"

namespace {

constexpr int kEntries = 100000;
constexpr size_t kEntryBytes = 1024;
constexpr int kRounds = 5;

// The way find next used to work: a lower-case copy of every entry.
std::string LowerCopy(std::string text) {
  for (char& c : text) c = static_cast<char>(pelmo::AnsiFold(static_cast<unsigned char>(c)));
  return text;
}

pelmo::History MakeHistory(size_t& bytes) {
  static const char* const kWords[] = {"the",
                                       "Clipboard",
                                       "of",
                                       "and",
                                       "Text",
                                       "window",
                                       "copy",
                                       "paste",
                                       "caf\xE9",
                                       "Entry",
                                       "to",
                                       "history",
                                       "ready",
                                       "a",
                                       "Strip",
                                       "in",
                                       "find",
                                       "next",
                                       "\xDC"
                                       "ber",
                                       "program"};
  std::mt19937 random(7);
  std::vector<std::unique_ptr<pelmo::HistoryItem>> entries;
  bytes = 0;
  for (int i = 0; i < kEntries; ++i) {
    std::string text;
    while (text.size() < kEntryBytes) {
      text += kWords[random() % (sizeof kWords / sizeof *kWords)];
      text += random() % 12 ? ' ' : '\n';
    }
    text.resize(kEntryBytes);
    bytes += text.size();
    entries.push_back(std::make_unique<pelmo::HistoryItem>());
    entries.back()->text = std::move(text);
  }
  pelmo::History history;
  history.AppendBottom(entries);
  return history;
}

template <typename Work>
double BestSeconds(Work work) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

void Report(const char* what, size_t bytes, double seconds) {
  std::printf("%-44s %8.1f ms %8.0f MB/s\n", what, seconds * 1e3, bytes / seconds / 1e6);
}

}  // namespace

int main() {
  size_t bytes = 0;
  const pelmo::History history = MakeHistory(bytes);
  const int count = history.Count();
  int sink = 0;

  Report("memchr of an absent byte", bytes, BestSeconds([&] {
           for (int row = 0; row < count; ++row) {
             const std::string& text = history.At(row).text;
             sink += std::memchr(text.data(), '\x01', text.size()) != nullptr;
           }
         }));
  for (const char* missing :
       {"zebra crossing", "The end of the road", "the tea at one", "tea", "ot", "z"}) {
    const std::string label = std::string("find next, miss \"") + missing + "\"";
    const std::u16string typed = pelmo::AnsiToUtf16(missing);
    Report(label.c_str(), bytes,
           BestSeconds([&] { sink += pelmo::FindNext(history, typed, count / 2).row; }));
  }
  Report("lower-case copy of each entry, then find", bytes, BestSeconds([&] {
           const std::string pattern = LowerCopy("zebra crossing");
           for (int row = 0; row < count; ++row)
             sink += LowerCopy(history.At(row).text).find(pattern) != std::string::npos;
         }));
  return sink == 12345 ? 1 : 0;
}
