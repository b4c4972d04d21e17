#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "framework/FileReplace.h"

namespace pelmo {

namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0) return std::strerror(errno);
  return std::string();
}

std::string ReplaceFileAtomically(const std::string& source, const std::string& target) {
  if (std::rename(source.c_str(), target.c_str()) != 0) return std::strerror(errno);
  // The rename itself lives in the directory; without this a power cut may undo it.
  const int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return std::string();
}

}  // namespace pelmo
