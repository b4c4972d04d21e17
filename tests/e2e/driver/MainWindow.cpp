#include "MainWindow.h"

#include "Controls.h"

namespace {

const int kHistoryControl = 1000;

}  // namespace

MainWindow MainWindow::Find() {
  MainWindow window;
  window.dialog_ = FindWindowW(L"#32770", L"Pelmo");
  if (window.dialog_) window.history_ = GetDlgItem(window.dialog_, kHistoryControl);
  if (!window.history_) window.dialog_ = nullptr;
  return window;
}

bool MainWindow::ReadRows(std::vector<std::string>& rows) const {
  return ReadComboRows(history_, rows);
}
