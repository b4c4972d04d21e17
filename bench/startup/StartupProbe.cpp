// Starts a Pelmo.exe and watches its start from outside, as a user would see it:
//   startup_probe PELMO.exe ROWS [close]
// Prints the seconds from launch until the main window is visible, until every one of ROWS rows is
// in its drop-down, the longest the window took to answer a message in between, the message boxes
// it showed (answered with OK at once), and its peak private memory. With "close", a close is sent
// as soon as the window is visible, and the seconds until the process has ended are printed
// instead of the rows. Used by bench/startup/big-history.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kHistoryControl = 1000;
constexpr UINT kAnswerWaitMs = 60000;

struct Found {
  DWORD process;
  HWND main = nullptr;
  HWND box = nullptr;  // a message box of the program
};

BOOL CALLBACK FindWindows(HWND hwnd, LPARAM param) {
  Found& found = *reinterpret_cast<Found*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  char name[32] = {};
  ::GetClassNameA(hwnd, name, sizeof name);
  if (process != found.process || std::strcmp(name, "#32770") != 0 || !::IsWindowVisible(hwnd))
    return TRUE;
  if (::GetDlgItem(hwnd, kHistoryControl))
    found.main = hwnd;
  else
    found.box = hwnd;
  return TRUE;
}

double Since(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// Sends `message` and waits for the answer; returns the seconds it took, the answer in `result`.
double Ask(HWND hwnd, UINT message, DWORD_PTR& result) {
  LARGE_INTEGER start;
  ::QueryPerformanceCounter(&start);
  result = 0;
  ::SendMessageTimeoutA(hwnd, message, 0, 0, SMTO_NORMAL, kAnswerWaitMs, &result);
  return Since(start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_probe PELMO.exe ROWS [close]\n", stderr);
    return 2;
  }
  const long rows = std::atol(argv[2]);
  const bool close = argc > 3 && std::strcmp(argv[3], "close") == 0;
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  LARGE_INTEGER launch;
  ::QueryPerformanceCounter(&launch);
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
    std::fprintf(stderr, "startup_probe: cannot start %s\n", argv[1]);
    return 1;
  }
  double visible = -1, filled = -1, slowest = 0;
  SIZE_T peak = 0;
  int boxes = 0;
  HWND main = nullptr;
  while (::WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory))
      peak = std::max<size_t>(peak, memory.PeakPagefileUsage);
    Found found{child.dwProcessId};
    ::EnumWindows(FindWindows, reinterpret_cast<LPARAM>(&found));
    if (found.box) {
      std::printf("  message box at %.2f s\n", Since(launch));
      ++boxes;
      ::PostMessageA(found.box, WM_COMMAND, IDOK, 0);
    }
    if (found.main && !main) {
      main = found.main;
      visible = Since(launch);
      if (close) ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (main && !close) {
      DWORD_PTR count = 0;
      slowest = std::max(slowest, Ask(main, WM_NULL, count));
      Ask(::GetDlgItem(main, kHistoryControl), CB_GETCOUNT, count);
      if (static_cast<long>(count) >= rows) {
        filled = Since(launch);
        break;
      }
    }
    ::Sleep(10);
  }
  std::printf("  window visible %.2f s", visible);
  if (close) {
    std::printf(", close sent then, process ended %.2f s", Since(launch));
  } else {
    std::printf(", %ld rows %.2f s, longest wait for an answer %.2f s", rows, filled, slowest);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(child.hProcess, INFINITE);
  }
  std::printf(", peak private %.0f MB, %d message boxes\n", static_cast<double>(peak) / (1 << 20),
              boxes);
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  return 0;
}
