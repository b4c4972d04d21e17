#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "framework/FileReplace.h"

namespace pelmo {

namespace {

std::string LastErrorText() {
  const DWORD code = ::GetLastError();
  char buffer[256] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? "system error " + std::to_string(code) : text;
}

}  // namespace

std::string FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0 || ::_commit(::_fileno(file)) != 0) return std::strerror(errno);
  return std::string();
}

std::string ReplaceFileAtomically(const std::string& source, const std::string& target) {
  if (!::MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorText();
  }
  return std::string();
}

InputPathCheck CheckInputPath(const std::string& path) {
  InputPathCheck check;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
      check.missing = true;
    } else {
      check.problem = LastErrorText();
    }
  } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    check.problem = "it is a folder";
  }
  return check;
}

unsigned long CurrentProcessId() {
  return ::GetCurrentProcessId();
}

}  // namespace pelmo
