// Watches the sync folder with the system's change notifications, never by polling: a thread of
// its own only waits for a change and posts a message to the strip, whose thread does the work.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace pelmo {

class FolderWatch {
 public:
  // Posts `message` to `window` after changes to the files of `folder`; Watching() says whether
  // the folder could be watched.
  FolderWatch(const std::string& folder, HWND window, UINT message);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  bool Watching() const { return m_change != INVALID_HANDLE_VALUE; }
  // The window took the message: the next change posts another. Changes meanwhile are not lost,
  // the one message stands for them all.
  void Taken() { m_posted = false; }

 private:
  void Wait(HWND window, UINT message);

  HANDLE m_change = INVALID_HANDLE_VALUE;
  HANDLE m_stop = nullptr;
  std::atomic<bool> m_posted{false};
  std::thread m_thread;
};

}  // namespace pelmo
