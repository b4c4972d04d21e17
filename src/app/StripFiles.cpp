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

}  // namespace

void StripFiles::StartItemsRead(HWND window) {
  const std::string path = m_workspace.Files().ItemsPath();
  try {
    m_itemsRead = std::async(std::launch::async, [path, window] {
      Loaded<ItemsFile> read = ReadItemsFile(path);
      ::PostMessageA(window, WM_ITEMS_READ, 0, 0);
      return read;
    });
  } catch (const std::system_error&) {
    // No thread to be had: read here and now.
    m_itemsRead = std::async(std::launch::deferred, ReadItemsFile, path);
    TakeItemsRead();
  }
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
