// What the unit tests share: a fresh directory for a test's files (removed with them afterwards),
// the bytes of files, the file formats' building blocks, a profile in memory, entries as text.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "framework/AnsiCodePage.h"
#include "framework/Profile.h"
#include "model/HistoryItem.h"

namespace pelmo::test {

using Strings = std::vector<std::string>;

class TempDir {
 public:
  TempDir() { std::filesystem::create_directories(path_); }
  ~TempDir() { std::filesystem::remove_all(path_, ignored_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // The names of the files in it, sorted: what a save left behind.
  Strings Names() const {
    Strings names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  inline static std::atomic<int> serial_{0};
  std::error_code ignored_;  // what keeps the removal from throwing at a test's end
  const std::filesystem::path path_ =
      std::filesystem::temp_directory_path() /
      ("pelmo-test-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
       "-" + std::to_string(serial_++));
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A 32-bit little-endian count, and a short archive string (one length byte, then the text).
inline std::string Int32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}

inline std::string Text(const std::string& text) {
  return static_cast<char>(text.size()) + text;
}

// A list of short archive strings: its count, then each text.
inline std::string List(const Strings& texts) {
  std::string bytes = Int32(static_cast<std::uint32_t>(texts.size()));
  for (const std::string& text : texts) bytes += Text(text);
  return bytes;
}

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A profile of texts that records every key it is given as "section/key".
struct MapProfile : TextProfile {
  std::string GetString(const char* section, const char* key, const char* none) override {
    const auto found = values.find(std::string(section) + "/" + key);
    return found == values.end() ? none : found->second;
  }
  void WriteString(const char* section, const char* key, const std::string& value) override {
    values[std::string(section) + "/" + key] = value;
  }
  std::map<std::string, std::string> values;
};

// An entry as its text, followed by " | " and its wide text (in UTF-8) when it keeps one.
inline std::string Shown(const HistoryItem& entry) {
  return entry.wide.empty() ? entry.text : entry.text + " | " + Utf16ToUtf8(entry.wide);
}

}  // namespace pelmo::test
