#include "sync/FolderWatch.h"

namespace pelmo {

FolderWatch::FolderWatch(const std::string& folder, HWND window, UINT message)
    : m_change(::FindFirstChangeNotificationA(
          folder.c_str(), FALSE,
          FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)),
      m_stop(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  if (Watching() && m_stop) m_thread = std::thread(&FolderWatch::Wait, this, window, message);
}

FolderWatch::~FolderWatch() {
  if (m_thread.joinable()) {
    ::SetEvent(m_stop);
    m_thread.join();
  }
  if (Watching()) ::FindCloseChangeNotification(m_change);
  if (m_stop) ::CloseHandle(m_stop);
}

void FolderWatch::Wait(HWND window, UINT message) {
  const HANDLE handles[] = {m_stop, m_change};
  while (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    if (!m_posted.exchange(true)) ::PostMessageA(window, message, 0, 0);
    if (!::FindNextChangeNotification(m_change)) break;
  }
}

}  // namespace pelmo
