#include "model/CalculatorHistory.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace pelmo {

namespace {

size_t Limited(size_t count, unsigned limit) {
  return std::min<size_t>(count, std::max(limit, kMinCalculatorHistory));
}

}  // namespace

Loaded<std::vector<std::string>> LoadCalculatorHistory(const std::string& path, unsigned limit) {
  Loaded<std::vector<std::string>> result;
  std::optional<InputFile> file = result.Open(path);
  if (!file) return result;
  std::vector<std::string>& entries = result.content;
  ArchiveReader archive(*file);
  size_t count = 0;
  try {
    count = Limited(static_cast<std::uint32_t>(archive.ReadInt32()), limit);
    // Nothing is reserved from the count: the list grows only with what the file holds.
    for (size_t i = 0; i < count; ++i) entries.push_back(archive.ReadString());
  } catch (const ArchiveError& e) {
    const std::string where =
        entries.size() < count
            ? "entry " + std::to_string(entries.size() + 1) + " of " + std::to_string(count) + ": "
            : "entry count: ";
    result.error = ArchiveError(e.Offset(), where + e.Problem());
  } catch (const std::bad_alloc&) {
    result.error = ArchiveError(archive.Offset(), "more entries than fit in memory");
  }
  std::reverse(entries.begin(), entries.end());
  return result;
}

void SaveCalculatorHistory(const std::string& path, const std::vector<std::string>& newestFirst,
                           unsigned limit) {
  const size_t count = Limited(newestFirst.size(), limit);
  SaveArchive(path, [&](ArchiveWriter& archive) {
    archive.WriteCount(count);
    for (size_t i = count; i-- > 0;) archive.WriteString(newestFirst[i]);
  });
}

}  // namespace pelmo
