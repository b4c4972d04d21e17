// Files for the archive: reading, and saving that never destroys the previous good file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelmo {

// A file that could not be created, written or replaced. The message names the file.
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& path, const std::string& what);
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for reading. Unbuffered: the archive keeps its own buffer.
class InputFile {
 public:
  // Empty when the file does not exist or cannot be opened.
  static std::optional<InputFile> Open(const std::string& path);

  // Reads up to `size` bytes; fewer only at the end of the file or on a read error.
  size_t Read(void* data, size_t size);
  bool HasReadError() const { return std::ferror(file_.get()) != 0; }
  // The size when the file was opened.
  std::uint64_t Size() const { return size_; }

 private:
  InputFile(FilePtr file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

  FilePtr file_;
  std::uint64_t size_;
};

// Writes "<target>.tmp" beside the target and puts it in the target's place only on Commit,
// once every byte is on the disk. Destroyed without a successful Commit, it removes the
// temporary file and leaves the target as it was. Writes are gathered into large blocks: many
// small system calls would halve the speed of saving a big history.
class SafeFile {
 public:
  explicit SafeFile(std::string target);  // throws FileError
  ~SafeFile();
  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;

  void Write(const void* data, size_t size);  // throws FileError
  void Commit();                              // throws FileError

 private:
  void Drain();
  void WriteThrough(const void* data, size_t size);
  [[noreturn]] void Fail(const std::string& what);

  static constexpr size_t kWriteBufferSize = 1 << 20;

  std::string target_;
  std::string temp_;
  FilePtr file_;
  std::vector<char> buffer_;
};

}  // namespace pelmo
