#include "ProcessList.h"

#include <windows.h>
//
#include <tlhelp32.h>

namespace {

class Snapshot {
 public:
  Snapshot() : handle_(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)) {}
  ~Snapshot() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;

  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

bool IsImageRunning(const std::wstring& imageName) {
  Snapshot snapshot;
  if (snapshot.get() == INVALID_HANDLE_VALUE) return true;  // unknown: not proven gone
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (lstrcmpiW(entry.szExeFile, imageName.c_str()) == 0) return true;
  }
  return false;
}
