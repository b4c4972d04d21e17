#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>

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

bool IsFolder(const std::string& path) {
  struct stat status;
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

InputPathCheck CheckInputPath(const std::string& path) {
  InputPathCheck check;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      check.missing = true;
    } else {
      check.problem = std::strerror(errno);
    }
  } else if (S_ISDIR(info.st_mode)) {
    check.problem = "it is a folder";
  } else if (!S_ISREG(info.st_mode)) {
    check.problem = "it is not a plain file";  // a FIFO would block the open
  }
  return check;
}

unsigned long CurrentProcessId() {
  return static_cast<unsigned long>(::getpid());
}

bool ProcessRunning(unsigned long id) {
  // Beyond pid_t a number is no process; a negative one would name a process group.
  if (id == 0 || id > static_cast<unsigned long>(std::numeric_limits<pid_t>::max())) return false;
  return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  struct Closer {
    void operator()(DIR* dir) const { ::closedir(dir); }
  };
  const std::unique_ptr<DIR, Closer> dir(::opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    struct stat info;
    const std::string name = entry->d_name;
    if (::stat((folder + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
  }
  return names;
}

}  // namespace pelmo
