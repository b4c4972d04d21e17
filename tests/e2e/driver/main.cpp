// pelmo-driver: reads the running Pelmo from another process, for the end-to-end tests.
//   wait-window [MS]   until the main window has joined the clipboard viewer chain
//   rows [MIN [MS]]    the history rows, top first, once there are at least MIN
//   windows            the top-level windows and their places (left top right bottom)
//   command ID         sends the main window a command (a menu entry)
//   stand-in [MS]      a focused window with a caret (StandIn.h says what it prints)
//   watch LOG          the reference clipboard viewer (ClipboardTools.h)
//   copy COUNT MS PREFIX   copies COUNT texts MS apart, as a Windows program does
//   hold MS TEXT       copies TEXT, holding the clipboard open for MS
//   sequence           the clipboard's sequence number
// Exit status: 0 done, 1 not done within the time, 2 wrong usage.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ClipboardTools.h"
#include "StandIn.h"
#include "framework/Aead.h"
#include "framework/AnsiCodePage.h"

namespace {

const unsigned long kDefaultWaitMs = 10000;
const int kHistoryControl = 1000;
const UINT kAnswerTimeoutMs = 5000;

// Window texts leave the driver in UTF-8, as the Linux side reads them.
std::string ToUtf8(const std::wstring& text) {
  return pelmo::Utf16ToUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

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

// Pelmo's main window as another process sees it: dialog "Pelmo", control 1000 the drop-down.
class MainWindow {
 public:
  // The first such window on the desktop, or an empty object when there is none.
  static MainWindow Find() {
    MainWindow window;
    window.dialog_ = FindWindowW(L"#32770", L"Pelmo");
    if (window.dialog_) window.history_ = GetDlgItem(window.dialog_, kHistoryControl);
    if (!window.history_) window.dialog_ = nullptr;
    return window;
  }

  explicit operator bool() const { return dialog_ != nullptr; }

  // Whether the window heads the clipboard viewer chain: the program has joined it, and with that
  // captured the text that was on the clipboard at start.
  bool HeadsViewerChain() const { return dialog_ && GetClipboardViewer() == dialog_; }

  // Sends a command, as a menu entry or a button of the window does. False when it could not be
  // posted.
  bool PostCommand(int id) const { return dialog_ && PostMessageW(dialog_, WM_COMMAND, id, 0); }

  // The drop-down's rows, top first, in UTF-8. False when the window stopped answering or went.
  // They are asked for in UTF-16: across processes Wine answers the narrow messages with UTF-16
  // bytes anyway.
  bool ReadRows(std::vector<std::string>& rows) const {
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

 private:
  HWND dialog_ = nullptr;
  HWND history_ = nullptr;
};

int Usage() {
  std::fputs(
      "usage: pelmo-driver wait-window [MS] | rows [MIN [MS]] | windows | command ID | "
      "stand-in [MS] | watch LOG | copy COUNT MS PREFIX | copy-private TEXT | hold MS TEXT | "
      "sequence | protect SECRET\n",
      stderr);
  return 2;
}

bool ParseNumber(const char* text, unsigned long& value) {
  char* end = nullptr;
  value = std::strtoul(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0';
}

int WaitWindow(unsigned long ms) {
  if (PumpUntil([] { return MainWindow::Find().HeadsViewerChain(); }, ms)) return 0;
  std::fputs(MainWindow::Find() ? "pelmo-driver: the main window is not in the viewer chain\n"
                                : "pelmo-driver: no Pelmo main window\n",
             stderr);
  return 1;
}

int Rows(unsigned long minimum, unsigned long ms) {
  std::vector<std::string> rows;
  bool read = false;
  const bool enough = PumpUntil(
      [&] {
        const MainWindow window = MainWindow::Find();
        read = window && window.ReadRows(rows);
        return read && rows.size() >= minimum;
      },
      ms);
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
  if (enough) return 0;
  if (!read) {
    std::fputs("pelmo-driver: no Pelmo main window to read\n", stderr);
    return 1;
  }
  std::fprintf(stderr, "pelmo-driver: %u rows, expected at least %lu\n",
               static_cast<unsigned>(rows.size()), minimum);
  return 1;
}

BOOL CALLBACK PrintTopLevelWindow(HWND hwnd, LPARAM) {
  wchar_t className[256] = L"";
  wchar_t text[256] = L"";
  GetClassNameW(hwnd, className, 256);
  GetWindowTextW(hwnd, text, 256);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  RECT r{};
  GetWindowRect(hwnd, &r);
  std::printf("%s pid %lu class \"%s\" text \"%s\" at %ld %ld %ld %ld\n",
              IsWindowVisible(hwnd) ? "visible" : "hidden ", static_cast<unsigned long>(process),
              ToUtf8(className).c_str(), ToUtf8(text).c_str(), r.left, r.top, r.right, r.bottom);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  // Rows end with a bare line feed, as the Linux side reads them.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  unsigned long minimum = 0;
  unsigned long ms = kDefaultWaitMs;
  if (command == "wait-window" && argc <= 3) {
    if (argc == 3 && !ParseNumber(argv[2], ms)) return Usage();
    return WaitWindow(ms);
  }
  if (command == "rows" && argc <= 4) {
    ms = 0;
    if (argc >= 3 && !ParseNumber(argv[2], minimum)) return Usage();
    if (argc == 4 && !ParseNumber(argv[3], ms)) return Usage();
    return Rows(minimum, ms);
  }
  if (command == "command" && argc == 3) {
    if (!ParseNumber(argv[2], ms)) return Usage();
    return MainWindow::Find().PostCommand(static_cast<int>(ms)) ? 0 : 1;
  }
  if (command == "stand-in" && argc <= 3) {
    if (argc == 3 && !ParseNumber(argv[2], ms)) return Usage();
    return RunStandIn(ms);
  }
  if (command == "watch" && argc == 3) return RunReferenceViewer(argv[2]);
  unsigned long count = 0;
  if (command == "copy" && argc == 5) {
    if (!ParseNumber(argv[2], count) || !ParseNumber(argv[3], ms)) return Usage();
    return CopyTexts(count, ms, argv[4]);
  }
  if (command == "hold" && argc == 4) {
    if (!ParseNumber(argv[2], ms)) return Usage();
    return HoldClipboard(ms, argv[3]);
  }
  if (command == "copy-private" && argc == 3) return CopyPrivate(argv[2]);
  if (command == "protect" && argc == 3) {
    // What the INI file keeps of a sync passphrase, for the Windows user running this.
    std::printf("%s\n", pelmo::ProtectForUser(argv[2]).c_str());
    return 0;
  }
  if (command == "sequence" && argc == 2) {
    std::printf("%lu\n", static_cast<unsigned long>(GetClipboardSequenceNumber()));
    return 0;
  }
  if (command == "windows" && argc == 2) {
    EnumWindows(PrintTopLevelWindow, 0);
    return 0;
  }
  return Usage();
}
