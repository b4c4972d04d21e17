#include "app/RunningCopy.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/ModulePath.h"

namespace pelmo {

namespace {

// The name every copy of this executable derives from its path, which Windows compares without
// case. A path may be longer than a name may be: its FNV-1a hash stands for it.
const std::string& Name() {
  static const std::string name = [] {
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : ModuleFileName()) {
      hash ^= static_cast<unsigned char>(std::toupper(c));
      hash *= 1099511628211ull;
    }
    char text[40];
    std::snprintf(text, sizeof text, "Pelmo-%016llx", static_cast<unsigned long long>(hash));
    return std::string(text);
  }();
  return name;
}

}  // namespace

RunningCopy::RunningCopy() {
  m_mutex.reset(::CreateMutexA(nullptr, FALSE, ("Local\\" + Name()).c_str()));
  m_first = !m_mutex || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void RunningCopy::OpenFirst() const {
  ::PostMessageA(HWND_BROADCAST, OpenMessage(), 0, 0);
}

UINT RunningCopy::OpenMessage() {
  static const UINT message = ::RegisterWindowMessageA((Name() + "-open").c_str());
  return message;
}

}  // namespace pelmo
