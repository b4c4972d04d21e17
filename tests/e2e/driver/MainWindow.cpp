#include "MainWindow.h"

#include "Utf8.h"

namespace {

const int kHistoryControl = 1000;
const UINT kAnswerTimeoutMs = 5000;

// Every question is asked with a time limit: a hung or dying window must not hang the driver.
bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &answer)) {
    return false;
  }
  result = static_cast<LRESULT>(answer);
  return true;
}

}  // namespace

MainWindow MainWindow::Find() {
  MainWindow window;
  window.dialog_ = FindWindowW(L"#32770", L"Pelmo");
  if (window.dialog_) window.history_ = GetDlgItem(window.dialog_, kHistoryControl);
  if (!window.history_) window.dialog_ = nullptr;
  return window;
}

// The rows are asked for in UTF-16: across processes Wine answers the narrow messages with UTF-16
// bytes anyway.
bool MainWindow::ReadRows(std::vector<std::string>& rows) const {
  rows.clear();
  LRESULT count = 0;
  if (!history_ || !Ask(history_, CB_GETCOUNT, 0, 0, count) || count == CB_ERR) return false;
  for (LRESULT row = 0; row < count; ++row) {
    LRESULT length = 0;
    if (!Ask(history_, CB_GETLBTEXTLEN, row, 0, length) || length == CB_ERR) return false;
    std::wstring text(length + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(history_, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(&text[0]), copied) ||
        copied == CB_ERR) {
      return false;
    }
    text.resize(copied);
    rows.push_back(ToUtf8(text));
  }
  return true;
}
