#include "app/StripFiles.h"

#include <chrono>
#include <system_error>

#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "framework/WindowMessages.h"

namespace pelmo {

namespace {

void Report(const FileOutcome& outcome, UINT icon) {
  if (!outcome.problem.empty()) AppMessageBox(outcome.problem, MB_OK | icon);
}

// A file up to this size reads in milliseconds (1 MB of 40-byte entries in about 6 ms under Wine)
// and is not worth a thread: under Wine a thread writes about 1 MB of stack, which stays with the
// process after the thread has ended.
constexpr ULONGLONG kQuickReadBytes = 1 << 20;

// Whether the file is short or missing; a missing or unreadable one is told at once by the read.
bool ReadsQuickly(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return true;
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) <= kQuickReadBytes;
}

}  // namespace

void StripFiles::StartItemsRead(HWND window) {
  const std::string path = m_workspace.Files().ItemsPath();
  if (!ReadsQuickly(path)) {
    try {
      m_itemsRead = std::async(std::launch::async, [path, window] {
        Loaded<ItemsFile> read = ReadItemsFile(path);
        ::PostMessageA(window, WM_ITEMS_READ, 0, 0);
        return read;
      });
      return;
    } catch (const std::system_error&) {
      // No thread to be had: read here, as a short file is.
    }
  }
  // Read on this thread when the message comes, once the window is up.
  m_itemsRead = std::async(std::launch::deferred, ReadItemsFile, path);
  ::PostMessageA(window, WM_ITEMS_READ, 0, 0);
}

void StripFiles::TakeItemsRead() {
  if (!m_itemsRead.valid()) return;
  if (m_itemsRead.wait_for(std::chrono::seconds(0)) == std::future_status::timeout) {
    WaitCursor wait;
    m_itemsRead.wait();
  }
  const FileOutcome outcome = m_workspace.TakeItems(m_itemsRead.get());
  m_itemsTaken();
  Report(outcome, MB_ICONEXCLAMATION);
}

void StripFiles::LoadQuickRep() {
  Report(m_workspace.LoadQuickRep(), MB_ICONEXCLAMATION);
}

void StripFiles::Save(bool items) {
  if (items) {
    TakeItemsRead();
    Report(m_workspace.SaveItems(), MB_ICONHAND);
  }
  Report(m_workspace.SaveQuickRep(), MB_ICONHAND);
}

}  // namespace pelmo
