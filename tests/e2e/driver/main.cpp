// pelmo-driver: reads the running Pelmo from another process, for the end-to-end tests. Its
// commands are in kUsage. Exit status: 0 done, 1 not done within the time, 2 wrong usage.
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

const char kUsage[] =
    "usage: pelmo-driver COMMAND, one of\n"
    "  wait-window MS     until the main window has joined the clipboard viewer chain\n"
    "  rows [MIN [MS]]    the history rows, top first, once there are at least MIN\n"
    "  windows            the top-level windows and their places (left top right bottom)\n"
    "  command ID         sends the main window a command (a menu entry)\n"
    "  stand-in MS        a focused window with a caret (StandIn.h says what it prints)\n"
    "  watch LOG          the reference clipboard viewer (ClipboardTools.h)\n"
    "  copy COUNT MS PREFIX   copies COUNT texts MS apart, as a Windows program does\n"
    "  sequence           the clipboard's sequence number\n"
    "  protect SECRET     what the INI file keeps of a sync passphrase for this Windows user\n";
const int kHistoryControl = 1000;
const UINT kAnswerTimeoutMs = 5000;

// Window texts leave the driver in UTF-8, as the Linux side reads them.
std::string ToUtf8(const std::wstring& text) {
  return pelmo::Utf16ToUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

// Every question is asked with a time limit: a hung or dying window must not hang the driver. An
// answer CB_ERR counts as none.
bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer))
    return false;
  result = static_cast<LRESULT>(answer);
  return result != CB_ERR;
}

// Pelmo's main window as another process sees it: the dialog "Pelmo" with the drop-down, control
// 1000. Null when there is none.
HWND FindMainWindow() {
  HWND dialog = FindWindowW(L"#32770", L"Pelmo");
  return dialog && GetDlgItem(dialog, kHistoryControl) ? dialog : nullptr;
}

// The drop-down's rows, top first, in UTF-8. False when the window stopped answering or went.
// They are asked for in UTF-16: across processes Wine answers the narrow messages with UTF-16
// bytes anyway.
bool ReadRows(HWND dialog, std::vector<std::string>& rows) {
  const HWND history = GetDlgItem(dialog, kHistoryControl);
  rows.clear();
  LRESULT count = 0;
  if (!Ask(history, CB_GETCOUNT, 0, 0, count)) return false;
  for (LRESULT row = 0; row < count; ++row) {
    LRESULT length = 0, copied = 0;
    if (!Ask(history, CB_GETLBTEXTLEN, row, 0, length)) return false;
    std::wstring text(length + 1, L'\0');
    if (!Ask(history, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(&text[0]), copied)) return false;
    text.resize(copied);
    rows.push_back(ToUtf8(text));
  }
  return true;
}

bool ParseNumber(const char* text, unsigned long& value) {
  char* end = nullptr;
  value = std::strtoul(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0';
}

int WaitWindow(unsigned long ms) {
  // Heading the clipboard viewer chain, the program has captured the text there at start.
  const auto joined = [] { return FindMainWindow() && GetClipboardViewer() == FindMainWindow(); };
  if (PumpUntil(joined, ms)) return 0;
  std::fputs(FindMainWindow() ? "pelmo-driver: the main window is not in the viewer chain\n"
                              : "pelmo-driver: no Pelmo main window\n",
             stderr);
  return 1;
}

int Rows(unsigned long minimum, unsigned long ms) {
  std::vector<std::string> rows;
  bool read = false;
  const bool enough = PumpUntil(
      [&] {
        const HWND window = FindMainWindow();
        read = window && ReadRows(window, rows);
        return read && rows.size() >= minimum;
      },
      ms);
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
  if (!read)
    std::fputs("pelmo-driver: no Pelmo main window to read\n", stderr);
  else if (!enough)
    std::fprintf(stderr, "pelmo-driver: %u rows, expected at least %lu\n",
                 static_cast<unsigned>(rows.size()), minimum);
  return enough ? 0 : 1;
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
  const std::string command = argc > 1 ? argv[1] : "";
  // Whether there are `least` to `most` numbers (read into `n`, the rest 0), then `texts` texts.
  std::vector<unsigned long> n;
  const auto takes = [&](const char* name, int least, int most, int texts) {
    const int count = argc - 2 - texts;
    if (command != name || count < least || count > most) return false;
    n.assign(most, 0);
    for (int i = 0; i < count; ++i)
      if (!ParseNumber(argv[2 + i], n[i])) return false;
    return true;
  };
  const char* text = argv[argc - 1];
  if (takes("wait-window", 1, 1, 0)) return WaitWindow(n[0]);
  if (takes("rows", 0, 2, 0)) return Rows(n[0], n[1]);
  // A command as a menu entry or a button of the window sends it.
  if (takes("command", 1, 1, 0)) {
    const HWND window = FindMainWindow();
    return window && PostMessageW(window, WM_COMMAND, n[0], 0) ? 0 : 1;
  }
  if (takes("stand-in", 1, 1, 0)) return RunStandIn(n[0]);
  if (takes("watch", 0, 0, 1)) return RunReferenceViewer(text);
  if (takes("copy", 2, 2, 1)) return CopyTexts(n[0], n[1], text);
  if (takes("protect", 0, 0, 1))
    return std::printf("%s\n", pelmo::ProtectForUser(text).c_str()) < 0;
  if (takes("sequence", 0, 0, 0))
    return std::printf("%lu\n", static_cast<unsigned long>(GetClipboardSequenceNumber())) < 0;
  if (takes("windows", 0, 0, 0)) return EnumWindows(PrintTopLevelWindow, 0) ? 0 : 1;
  std::fputs(kUsage, stderr);
  return 2;
}
