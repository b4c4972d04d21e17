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
  std::optional<InputFile> file = InputFile::Open(m_folder + name);
  if (!file) return std::nullopt;
  JournalBytes read;
  read.size = static_cast<size_t>(file->Size());
  if (offset >= read.size) return read;
  // Bytes before the offset are read past: the file has no seek, and a journal is short.
  std::string skipped(std::min<size_t>(offset, 1 << 16), '\0');
  for (size_t left = offset; left > 0;) {
    const size_t step = std::min(left, skipped.size());
    if (file->Read(skipped.data(), step) != step) return std::nullopt;
    left -= step;
  }
  read.bytes.resize(std::min(count, read.size - offset));
  read.bytes.resize(file->Read(read.bytes.data(), read.bytes.size()));
  if (file->HasReadError()) return std::nullopt;
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
