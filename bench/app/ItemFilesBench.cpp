// Saving and loading an items file of 100,000 entries of 1 KB, next to a plain sequential write
// and read of the same bytes on the same disk.
//
//   item_files_bench [DIRECTORY]     (default: the system's temporary directory)
//
// Both writes end with the data flushed to the disk; both reads find the file in the system's
// cache and bring its bytes into fresh memory.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ItemFiles.h"

namespace {

constexpr int kEntries = 100000;
constexpr size_t kEntryBytes = 1024;
constexpr int kRounds = 5;
constexpr size_t kChunk = 1 << 20;

// The best time of `work`; `release` frees the previous round's result before the clock starts,
// so that no round pays for giving memory back.
template <typename Release, typename Work>
double BestSeconds(Release release, Work work) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    release();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

template <typename Work>
double BestSeconds(Work work) {
  return BestSeconds([] {}, work);
}

void PlainWrite(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  for (size_t at = 0; at < bytes.size(); at += kChunk) {
    std::fwrite(bytes.data() + at, 1, std::min(kChunk, bytes.size() - at), file);
  }
  std::fflush(file);
  ::fsync(::fileno(file));
  std::fclose(file);
}

// Reads the file into a new buffer of its size: like loading, it brings the bytes into memory
// that was not touched before.
std::unique_ptr<char[]> PlainRead(const std::string& path, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::unique_ptr<char[]> bytes(new char[size]);
  for (size_t total = 0, got;
       total < size &&
       (got = std::fread(bytes.get() + total, 1, std::min(kChunk, size - total), file)) > 0;) {
    total += got;
  }
  std::fclose(file);
  return bytes;
}

void Report(const char* what, double seconds, double plainSeconds, double megabytes) {
  std::printf("%-6s %8.3f s %8.1f MB/s   plain %8.3f s %8.1f MB/s   ratio %.2f\n", what, seconds,
              megabytes / seconds, plainSeconds, megabytes / plainSeconds, plainSeconds / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dir =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::string itemsPath = (dir / "item_files_bench.clp").string();
  const std::string plainPath = (dir / "item_files_bench.bin").string();

  std::vector<pelmo::HistoryItem> stored(kEntries);
  pelmo::ItemsFileView view;
  for (int i = 0; i < kEntries; ++i) {
    std::string& text = stored[i].text;
    text.resize(kEntryBytes);
    for (size_t j = 0; j < kEntryBytes; ++j) text[j] = static_cast<char>('a' + (i + j) % 26);
    view.history.push_back(&stored[i]);
  }

  const double saveSeconds = BestSeconds([&] { pelmo::SaveItemsFile(itemsPath, view); });
  std::string bytes;
  bytes.resize(std::filesystem::file_size(itemsPath));
  std::FILE* saved = std::fopen(itemsPath.c_str(), "rb");
  const size_t got = std::fread(bytes.data(), 1, bytes.size(), saved);
  std::fclose(saved);
  bytes.resize(got);
  const double writeSeconds = BestSeconds([&] { PlainWrite(plainPath, bytes); });

  pelmo::Loaded<pelmo::ItemsFile> loaded;
  const double loadSeconds =
      BestSeconds([&] { loaded = {}; }, [&] { loaded = pelmo::LoadItemsFile(itemsPath); });
  const size_t entries = loaded.content.history.size();
  loaded = {};
  std::unique_ptr<char[]> read;
  const double readSeconds =
      BestSeconds([&] { read.reset(); }, [&] { read = PlainRead(plainPath, bytes.size()); });

  const double megabytes = static_cast<double>(bytes.size()) / 1e6;
  std::printf("%d entries of %zu bytes, file of %.1f MB in %s (best of %d)\n", kEntries,
              kEntryBytes, megabytes, dir.string().c_str(), kRounds);
  Report("save", saveSeconds, writeSeconds, megabytes);
  Report("load", loadSeconds, readSeconds, megabytes);
  std::remove(itemsPath.c_str());
  std::remove(plainPath.c_str());
  return entries == static_cast<size_t>(kEntries) ? 0 : 1;
}
