#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "framework/FileReplace.h"

namespace pelmo {

namespace {

// A second copy of Pelmo replacing the same file at the same moment, or a virus scanner looking
// at the new file, holds the target open for a moment: the replace waits that out.
constexpr ULONGLONG kReplaceTimeoutMs = 2000;
constexpr DWORD kFirstReplacePauseMs = 10;
constexpr DWORD kLongestReplacePauseMs = 250;

bool HeldByAnother(DWORD code) {
  return code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
         code == ERROR_LOCK_VIOLATION;
}

std::string LastErrorText(DWORD code = ::GetLastError()) {
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
  const ULONGLONG start = ::GetTickCount64();
  for (DWORD pause = kFirstReplacePauseMs;; pause = std::min(2 * pause, kLongestReplacePauseMs)) {
    if (::MoveFileExA(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return std::string();
    }
    const DWORD code = ::GetLastError();
    if (!HeldByAnother(code) || ::GetTickCount64() - start >= kReplaceTimeoutMs) {
      return LastErrorText(code);
    }
    ::Sleep(pause);
  }
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
