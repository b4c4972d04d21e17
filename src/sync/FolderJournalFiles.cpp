#include "sync/FolderJournalFiles.h"

#include <algorithm>
#include <cstdio>

#include "framework/BufferedFile.h"
#include "framework/FileReplace.h"

namespace pelmo {

FolderJournalFiles::FolderJournalFiles(const std::string& folder) : m_folder(folder) {
  if (!m_folder.empty() && m_folder.back() != '\\' && m_folder.back() != '/') m_folder += '/';
}

std::vector<std::string> FolderJournalFiles::Journals() {
  return FileNamesIn(m_folder);
}

std::optional<JournalBytes> FolderJournalFiles::Read(const std::string& name, size_t offset,
                                                     size_t count) {
  const FilePtr file(std::fopen((m_folder + name).c_str(), "rb"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return std::nullopt;
  const long size = std::ftell(file.get());
  if (size < 0) return std::nullopt;
  JournalBytes read;
  read.size = static_cast<size_t>(size);
  if (offset >= read.size) return read;
  if (std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) return std::nullopt;
  read.bytes.resize(std::min(count, read.size - offset));
  read.bytes.resize(std::fread(read.bytes.data(), 1, read.bytes.size(), file.get()));
  if (std::ferror(file.get())) return std::nullopt;
  return read;
}

bool FolderJournalFiles::Append(const std::string& name, const std::string& bytes) {
  const FilePtr file(std::fopen((m_folder + name).c_str(), "ab"));
  if (!file) return false;
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // the record goes out in one write
  return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
         FlushToDisk(file.get()).empty();
}

bool FolderJournalFiles::Replace(const std::string& name, const std::string& bytes) {
  try {
    SafeFile file(m_folder + name);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
    return true;
  } catch (const FileError&) {
    return false;
  }
}

}  // namespace pelmo
