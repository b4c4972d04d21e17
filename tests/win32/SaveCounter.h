// Counts the saves of one file as they happen: every save puts a finished temporary file in the
// file's place, which the directory reports as a rename to the file's name.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace pelmo::test {

class SaveCounter {
 public:
  explicit SaveCounter(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = path.substr(0, slash);
    m_name = path.substr(slash + 1);
    m_folder = ::CreateFileA(
        folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    m_stop = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this] { Watch(); });
    ::WaitForSingleObject(m_ready, 5000);
  }
  ~SaveCounter() {
    ::SetEvent(m_stop);
    m_thread.join();
    ::CloseHandle(m_folder);
    ::CloseHandle(m_stop);
    ::CloseHandle(m_ready);
  }

  // Saves seen so far; waits a moment for reports still on their way.
  int Count() const {
    ::Sleep(300);
    return m_count;
  }

 private:
  void Watch() {
    alignas(DWORD) char buffer[16384];
    OVERLAPPED overlapped{};
    overlapped.hEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool first = true;
    for (;;) {
      ::ResetEvent(overlapped.hEvent);
      if (!::ReadDirectoryChangesW(m_folder, buffer, sizeof buffer, FALSE,
                                   FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &overlapped, nullptr))
        break;
      if (first) ::SetEvent(m_ready), first = false;
      const HANDLE waits[] = {overlapped.hEvent, m_stop};
      if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) break;
      DWORD bytes = 0;
      if (!::GetOverlappedResult(m_folder, &overlapped, &bytes, FALSE) || bytes == 0) continue;
      for (auto* info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(buffer);;) {
        const std::wstring name(info->FileName, info->FileNameLength / sizeof(WCHAR));
        const bool renamedToFile = info->Action == FILE_ACTION_RENAMED_NEW_NAME ||
                                   info->Action == FILE_ACTION_ADDED;
        if (renamedToFile && name == std::wstring(m_name.begin(), m_name.end())) ++m_count;
        if (!info->NextEntryOffset) break;
        info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(reinterpret_cast<char*>(info) +
                                                          info->NextEntryOffset);
      }
    }
    ::CancelIo(m_folder);
    ::CloseHandle(overlapped.hEvent);
    ::SetEvent(m_ready);
  }

  std::string m_name;
  HANDLE m_folder;
  HANDLE m_stop;
  HANDLE m_ready;
  std::atomic<int> m_count{0};
  std::thread m_thread;
};

}  // namespace pelmo::test
