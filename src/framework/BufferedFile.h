// Files for the archive: reading, and saving that never destroys the previous good file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
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

// A block read ahead from a source. `fill(data, size)` reads up to `size` bytes and returns
// how many it read. Requests of a whole block or more go straight to the source.
class ReadBuffer {
 public:
  explicit ReadBuffer(size_t capacity) : bytes_(capacity) {}

  // Returns the bytes copied: fewer than `size` only when the source runs dry.
  template <typename Fill>
  size_t Read(void* data, size_t size, Fill fill) {
    char* out = static_cast<char*>(data);
    size_t done = std::min(size, end_ - next_);
    std::memcpy(out, bytes_.data() + next_, done);
    next_ += done;
    if (size - done >= bytes_.size()) return done + fill(out + done, size - done);
    if (done < size) {
      end_ = fill(bytes_.data(), bytes_.size());
      next_ = std::min(size - done, end_);
      std::memcpy(out + done, bytes_.data(), next_);
      done += next_;
    }
    return done;
  }

 private:
  std::vector<char> bytes_;
  size_t next_ = 0;  // first unread byte
  size_t end_ = 0;   // end of the bytes read ahead
};

// A file opened for reading, in large blocks: many small system calls would slow down loading a
// big history.
class InputFile {
 public:
  // Why a file could not be opened.
  struct OpenFailure {
    bool missing = false;  // there is no such file: the only silent case
    std::string reason;    // otherwise: why the file that is there cannot be read
  };

  // Empty when the file does not exist or cannot be opened (a folder of that name, no
  // permission, locked by another program); `failure`, when given, then tells which.
  static std::optional<InputFile> Open(const std::string& path, OpenFailure* failure = nullptr);

  // Reads up to `size` bytes; fewer only at the end of the file or on a read error.
  size_t Read(void* data, size_t size);
  bool HasReadError() const { return std::ferror(file_.get()) != 0; }
  // The size when the file was opened.
  std::uint64_t Size() const { return size_; }

 private:
  InputFile(FilePtr file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

  static constexpr size_t kReadBlockSize = 1 << 20;

  FilePtr file_;
  std::uint64_t size_;
  ReadBuffer buffer_{kReadBlockSize};
};

// Writes "<target>.<process id>.tmp" beside the target and puts it in the target's place only on
// Commit, once every byte is on the disk. Destroyed without a successful Commit, or after a
// failed write, flush or close, it removes the temporary file and leaves the target as it was.
// A complete file that cannot take the target's place is kept as "<target>.unsaved" (or
// "<target>.unsaved2" and on, when that name is taken), and the error says so: it holds what was
// to be saved. The temporary name is the process's own, so two programs saving the same file at
// once each publish their own complete file, one after the other, never a mixture. Writes are
// gathered into large blocks: many small system calls would halve the speed of saving a big
// history.
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

// Removes the temporary files that saves of files named "<stem>..." left behind when their
// process ended before the replace (killed, crashed): nothing would ever reuse them. A temporary
// file of a process that still runs may be a save in progress, and stays.
void RemoveAbandonedTempFiles(const std::string& stem);

// Copies `source` to `target` safely (the previous target stays until the copy is complete).
// Returns false, copying nothing, when `source` does not exist. Throws FileError.
bool CopyFileSafely(const std::string& source, const std::string& target);

}  // namespace pelmo
