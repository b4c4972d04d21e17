// Off_t must be 64 bits for files beyond 2 GB in the 32-bit build.
#define _FILE_OFFSET_BITS 64

#include "framework/BufferedFile.h"

#include <sys/types.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "framework/FileReplace.h"

namespace pelmo {

namespace {

constexpr const char* kTempSuffix = ".tmp";
constexpr const char* kUnsavedSuffix = ".unsaved";
// Names tried for a file kept aside before it stays under its temporary name.
constexpr int kUnsavedNames = 99;

std::string ErrnoText() {
  return std::strerror(errno);
}

std::string TempFileName(const std::string& target, unsigned long processId) {
  return target + "." + std::to_string(processId) + kTempSuffix;
}

// The process id in a temporary name "<stem><name>.<id>.tmp"; nullopt for any other name.
std::optional<unsigned long> TempFileOwner(const std::string& name, const std::string& stem) {
  const size_t suffix = std::strlen(kTempSuffix);
  if (name.size() <= stem.size() + suffix || name.compare(0, stem.size(), stem) != 0 ||
      name.compare(name.size() - suffix, suffix, kTempSuffix) != 0) {
    return std::nullopt;
  }
  const std::string body = name.substr(stem.size(), name.size() - stem.size() - suffix);
  const size_t dot = body.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return std::nullopt;
  const std::string digits = body.substr(dot + 1);
  if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != digits.npos)
    return std::nullopt;
  const unsigned long long id = std::stoull(digits);
  if (id > std::numeric_limits<unsigned long>::max()) return std::nullopt;
  return static_cast<unsigned long>(id);
}

// Moves a complete file that could not replace `target` to a name no sweep of abandoned
// temporary files removes and no later save writes over; returns where it is.
std::string KeepAside(const std::string& temp, const std::string& target) {
  for (int n = 1; n <= kUnsavedNames; ++n) {
    const std::string name = target + kUnsavedSuffix + (n > 1 ? std::to_string(n) : "");
    if (CheckInputPath(name).missing && std::rename(temp.c_str(), name.c_str()) == 0) return name;
  }
  return temp;
}

}  // namespace

FileError::FileError(const std::string& path, const std::string& what)
    : std::runtime_error(path + ": " + what) {}

std::optional<InputFile> InputFile::Open(const std::string& path, OpenFailure* failure) {
  OpenFailure ignored;
  OpenFailure& why = failure ? *failure : ignored;
  // Only a missing file is no error: anything else that is there and cannot be read (a folder,
  // no permission, a file another program holds without sharing) must be told apart from it.
  const InputPathCheck check = CheckInputPath(path);
  why.missing = check.missing;
  why.reason = check.problem;
  if (check.missing || !check.problem.empty()) return std::nullopt;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    why.reason = ErrnoText();
    return std::nullopt;
  }
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  std::uint64_t size = 0;
  if (fseeko(file.get(), 0, SEEK_END) == 0) {
    const off_t end = ftello(file.get());
    if (end > 0) size = static_cast<std::uint64_t>(end);
  }
  // Not seekable: the size stays 0 and the first read reports the file as too short.
  if (fseeko(file.get(), 0, SEEK_SET) != 0) {
    why.reason = ErrnoText();
    return std::nullopt;
  }
  return InputFile(std::move(file), size);
}

size_t InputFile::Read(void* data, size_t size) {
  return buffer_.Read(data, size, [this](void* block, size_t blockSize) {
    return std::fread(block, 1, blockSize, file_.get());
  });
}

SafeFile::SafeFile(std::string target)
    : target_(std::move(target)), temp_(TempFileName(target_, CurrentProcessId())) {
  file_.reset(std::fopen(temp_.c_str(), "wb"));
  if (!file_) throw FileError(target_, "cannot create " + temp_ + ": " + ErrnoText());
  std::setvbuf(file_.get(), nullptr, _IONBF, 0);
  buffer_.reserve(kWriteBufferSize);
}

SafeFile::~SafeFile() {
  if (file_) {
    file_.reset();
    std::remove(temp_.c_str());
  }
}

void SafeFile::Write(const void* data, size_t size) {
  if (buffer_.size() + size > kWriteBufferSize) Drain();
  if (size >= kWriteBufferSize) {
    WriteThrough(data, size);
  } else {
    const char* bytes = static_cast<const char*>(data);
    buffer_.insert(buffer_.end(), bytes, bytes + size);
  }
}

void SafeFile::Drain() {
  WriteThrough(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void SafeFile::WriteThrough(const void* data, size_t size) {
  if (std::fwrite(data, 1, size, file_.get()) != size) Fail("cannot write: " + ErrnoText());
}

void SafeFile::Commit() {
  Drain();
  std::string error = FlushToDisk(file_.get());
  if (error.empty() && std::fclose(file_.release()) != 0) error = ErrnoText();
  if (!error.empty()) Fail("cannot write: " + error);
  error = ReplaceFileAtomically(temp_, target_);
  if (!error.empty()) {
    throw FileError(target_, "cannot replace it: " + error + ". What was to be saved is kept in " +
                                 KeepAside(temp_, target_) + ".");
  }
}

void SafeFile::Fail(const std::string& what) {
  file_.reset();
  std::remove(temp_.c_str());
  throw FileError(target_, what);
}

void RemoveAbandonedTempFiles(const std::string& stem) {
  const size_t slash = stem.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : stem.substr(0, slash + 1);
  const std::string stemName = stem.substr(folder.size());
  for (const std::string& name : FileNamesIn(folder)) {
    const std::optional<unsigned long> owner = TempFileOwner(name, stemName);
    if (owner && !ProcessRunning(*owner)) std::remove((folder + name).c_str());
  }
}

bool CopyFileSafely(const std::string& source, const std::string& target) {
  InputFile::OpenFailure failure;
  std::optional<InputFile> input = InputFile::Open(source, &failure);
  if (!input) {
    if (failure.missing) return false;
    throw FileError(source, "cannot be read: " + failure.reason);
  }
  SafeFile output(target);
  std::vector<char> block(1 << 16);
  while (const size_t got = input->Read(block.data(), block.size()))
    output.Write(block.data(), got);
  if (input->HasReadError()) throw FileError(source, "cannot be read to the end");
  output.Commit();
  return true;
}

}  // namespace pelmo
