#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

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

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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

bool ProcessRunning(unsigned long id) {
  struct Closer {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
  };
  const std::unique_ptr<void, Closer> process(
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  if (!process) return ::GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
  DWORD code = 0;
  return !::GetExitCodeProcess(process.get(), &code) || code == STILL_ACTIVE;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const std::string pattern = folder + "*";
  HANDLE first = ::FindFirstFileA(pattern.c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return names;
  struct Closer {
    void operator()(HANDLE handle) const { ::FindClose(handle); }
  };
  const std::unique_ptr<void, Closer> search(first);
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileA(search.get(), &found));
  return names;
}

}  // namespace pelmo
