#include "app/RunningCopy.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "framework/ModulePath.h"

namespace pelmo {

std::string RunningCopyName(const std::string& modulePath) {
  // A path may be longer than a name may be: its FNV-1a hash stands for it.
  uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : modulePath) {
    hash ^= static_cast<unsigned char>(std::toupper(c));
    hash *= 1099511628211ull;
  }
  char name[40];
  std::snprintf(name, sizeof name, "Pelmo-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

RunningCopy::RunningCopy() {
  const std::string name = "Local\\" + RunningCopyName(ModuleFileName());
  m_mutex.reset(::CreateMutexA(nullptr, FALSE, name.c_str()));
  m_first = !m_mutex || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void RunningCopy::OpenFirst() const {
  ::PostMessageA(HWND_BROADCAST, OpenMessage(), 0, 0);
}

UINT RunningCopy::OpenMessage() {
  static const UINT message =
      ::RegisterWindowMessageA((RunningCopyName(ModuleFileName()) + "-open").c_str());
  return message;
}

}  // namespace pelmo
