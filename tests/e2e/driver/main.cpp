// pelmo-driver: reads the running Pelmo from another process, for the end-to-end tests.
//
//   pelmo-driver wait-window [MS]      wait until the main window exists and has joined the
//                                      clipboard viewer chain
//   pelmo-driver rows [MIN [MS]]       print the history rows, one per line, top first, once
//                                      there are at least MIN (waiting up to MS)
//   pelmo-driver wait-gone IMAGE [MS]  wait until no process of IMAGE (e.g. "Pelmo.exe") runs
//   pelmo-driver windows               list the top-level windows (for failure reports)
//   pelmo-driver command ID            send the main window the command ID (a menu entry)
//   pelmo-driver strip                 print "enabled" or "disabled": the main window's state
//   pelmo-driver wait-dialog CAPTION [MS]  wait until a dialog with that caption is shown
//   pelmo-driver press CAPTION ID...   click the buttons ID... of that dialog, in order
//   pelmo-driver text CAPTION ID       print the text of the dialog's control ID
//   pelmo-driver type CAPTION ID TEXT  put TEXT into the dialog's edit box ID
//   pelmo-driver list CAPTION ID       print the rows of the dialog's combo box ID, top first
//   pelmo-driver answer TITLE TEXT     wait for the prompt window TITLE, type TEXT into its edit
//                                      box (1009) and press OK
//   pelmo-driver export-links PATH [MS]  "Web...", "Export as HTML" saved as PATH, window closed
//
// Exit status: 0 done, 1 not done within the time, 2 wrong usage.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Controls.h"
#include "MainWindow.h"
#include "ProcessList.h"
#include "Utf8.h"
#include "WebExport.h"

namespace {

const unsigned long kDefaultWaitMs = 10000;
const DWORD kPollMs = 50;

int Usage() {
  std::fputs(
      "usage: pelmo-driver wait-window [MS] | rows [MIN [MS]] | wait-gone IMAGE [MS] | windows\n"
      "       | command ID | strip | wait-dialog CAPTION [MS] | press CAPTION ID...\n"
      "       | text CAPTION ID | type CAPTION ID TEXT | list CAPTION ID | answer TITLE TEXT\n"
      "       | export-links PATH [MS]\n",
      stderr);
  return 2;
}

bool ParseNumber(const char* text, unsigned long& value) {
  char* end = nullptr;
  value = std::strtoul(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0';
}

// Polls `done` until it holds or `ms` milliseconds have passed; true when it holds.
template <typename Done>
bool WaitFor(Done done, unsigned long ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(kPollMs);
  }
  return true;
}

int WaitWindow(unsigned long ms) {
  if (WaitFor([] { return MainWindow::Find().HeadsViewerChain(); }, ms)) return 0;
  std::fputs(MainWindow::Find() ? "pelmo-driver: the main window is not in the viewer chain\n"
                                : "pelmo-driver: no Pelmo main window\n",
             stderr);
  return 1;
}

int Rows(unsigned long minimum, unsigned long ms) {
  std::vector<std::string> rows;
  bool read = false;
  const bool enough = WaitFor(
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

int WaitGone(const char* image, unsigned long ms) {
  const std::wstring name = FromUtf8(image);
  if (WaitFor([&] { return !IsImageRunning(name); }, ms)) return 0;
  std::fprintf(stderr, "pelmo-driver: %s still runs\n", image);
  return 1;
}

BOOL CALLBACK PrintTopLevelWindow(HWND hwnd, LPARAM) {
  wchar_t className[256] = L"";
  wchar_t text[256] = L"";
  GetClassNameW(hwnd, className, 256);
  GetWindowTextW(hwnd, text, 256);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  std::printf("%s pid %lu class \"%s\" text \"%s\"\n",
              IsWindowVisible(hwnd) ? "visible" : "hidden ", static_cast<unsigned long>(process),
              ToUtf8(className).c_str(), ToUtf8(text).c_str());
  return TRUE;
}

// The control ID of the dialog CAPTION, which must be shown now.
HWND DialogControl(const char* caption, const char* id) {
  unsigned long number = 0;
  HWND dialog = FindDialog(FromUtf8(caption));
  if (!dialog) std::fprintf(stderr, "pelmo-driver: no dialog \"%s\"\n", caption);
  if (!dialog || !ParseNumber(id, number)) return nullptr;
  HWND control = GetDlgItem(dialog, static_cast<int>(number));
  if (!control) std::fprintf(stderr, "pelmo-driver: \"%s\" has no control %s\n", caption, id);
  return control;
}

int Press(int count, char** ids, const char* caption) {
  for (int i = 0; i < count; ++i) {
    if (!Click(DialogControl(caption, ids[i]))) return 1;
  }
  return 0;
}

int PrintText(const char* caption, const char* id) {
  std::string text;
  if (!ReadText(DialogControl(caption, id), text)) return 1;
  std::printf("%s\n", text.c_str());
  return 0;
}

int Type(const char* caption, const char* id, const char* text) {
  HWND control = DialogControl(caption, id);
  return control && SetWindowTextW(control, FromUtf8(text).c_str()) ? 0 : 1;
}

int PrintList(const char* caption, const char* id) {
  std::vector<std::string> rows;
  if (!ReadComboRows(DialogControl(caption, id), rows)) return 1;
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
  return 0;
}

int Answer(const char* title, const char* text) {
  const std::wstring wideTitle = FromUtf8(title);
  HWND prompt = nullptr;
  if (!WaitFor([&] { return (prompt = FindWindowW(L"#32770", wideTitle.c_str())) != nullptr; },
               kDefaultWaitMs)) {
    std::fprintf(stderr, "pelmo-driver: no window \"%s\"\n", title);
    return 1;
  }
  const int kEditControl = 1009;
  SetDlgItemTextW(prompt, kEditControl, FromUtf8(text).c_str());
  PostMessageW(prompt, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return 0;
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
  if (command == "wait-gone" && (argc == 3 || argc == 4)) {
    if (argc == 4 && !ParseNumber(argv[3], ms)) return Usage();
    return WaitGone(argv[2], ms);
  }
  if (command == "command" && argc == 3) {
    if (!ParseNumber(argv[2], ms)) return Usage();
    return MainWindow::Find().PostCommand(static_cast<int>(ms)) ? 0 : 1;
  }
  if (command == "strip" && argc == 2) {
    const MainWindow window = MainWindow::Find();
    if (!window) return 1;
    std::printf("%s\n", window.IsEnabled() ? "enabled" : "disabled");
    return 0;
  }
  if (command == "wait-dialog" && (argc == 3 || argc == 4)) {
    if (argc == 4 && !ParseNumber(argv[3], ms)) return Usage();
    const std::wstring caption = FromUtf8(argv[2]);
    if (WaitFor([&] { return FindDialog(caption) != nullptr; }, ms)) return 0;
    std::fprintf(stderr, "pelmo-driver: no dialog \"%s\"\n", argv[2]);
    return 1;
  }
  if (command == "press" && argc >= 4) return Press(argc - 3, argv + 3, argv[2]);
  if (command == "text" && argc == 4) return PrintText(argv[2], argv[3]);
  if (command == "type" && argc == 5) return Type(argv[2], argv[3], argv[4]);
  if (command == "list" && argc == 4) return PrintList(argv[2], argv[3]);
  if (command == "answer" && argc == 4) return Answer(argv[2], argv[3]);
  if (command == "export-links" && (argc == 3 || argc == 4)) {
    if (argc == 4 && !ParseNumber(argv[3], ms)) return Usage();
    return ExportLinks(FromUtf8(argv[2]), ms);
  }
  if (command == "windows" && argc == 2) {
    EnumWindows(PrintTopLevelWindow, 0);
    return 0;
  }
  return Usage();
}
