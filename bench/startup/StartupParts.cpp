// Pelmo's start taken apart for bench/startup/run: the steps of CMultiClipboardApp::InitInstance
// and CMainDialog::OnInitDialog, made with Pelmo's own objects in the same order, one at a time.
// After each step it prints "<milliseconds the step took> <step>" and waits for a line on its
// input, while the runner weighs the memory the process has written so far; the time spent
// waiting is not counted. The first line gives the wall clock in milliseconds when the program
// reached its entry point, so that the runner can tell the time the process took to get there.
// The parts that wait until the window has been painted follow its first paint; the last line,
// "0 done", needs no answer, and the program then stays until it is closed.
//
// A step added to Pelmo's start must be added here too: the runner prints the sum of the steps
// beside Pelmo.exe's own figures, and a gap between them shows what this file leaves out.
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <utility>

#include "app/AppTaskbarIcon.h"
#include "app/ClipboardViewer.h"
#include "app/MainFrame.h"
#include "app/QuickWindowHotKey.h"
#include "app/RunningCopy.h"
#include "app/StripClipboardPort.h"
#include "app/StripControls.h"
#include "app/StripFiles.h"
#include "app/StripInline.h"
#include "app/StripPlacement.h"
#include "app/StripTimers.h"
#include "framework/BufferedFile.h"
#include "framework/Dialog.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "framework/WindowMessages.h"
#include "model/ItemFiles.h"
#include "model/Workspace.h"
#include "resource.h"

namespace pelmo {
namespace {

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// When the runner last answered: the steps that are not one call are timed from there.
LARGE_INTEGER g_answered;

// Prints a line for the runner and waits for its answer: it weighs the memory meanwhile.
void Tell(const char* format, double number, const char* name) {
  std::printf(format, number, name);
  std::fflush(stdout);
  char line[16];
  if (!std::fgets(line, sizeof line, stdin)) ::ExitProcess(1);
  g_answered = Now();
}

// Tells the time since the runner last answered as the time of step `name`.
void TellSinceAnswer(const char* name) {
  Tell("%.2f %s\n", Milliseconds(g_answered, Now()), name);
}

// Runs `step` and tells its time.
template <typename Step>
void Measure(const char* name, Step&& step) {
  const LARGE_INTEGER start = Now();
  std::forward<Step>(step)();
  Tell("%.2f %s\n", Milliseconds(start, Now()), name);
}

// CMainDialog's start without its commands: the same members, made in the same order.
class PartsDialog : public CDialog {
 public:
  explicit PartsDialog(Workspace& workspace)
      : CDialog(IDD_MAIN),
        m_workspace(workspace),
        m_port(workspace, {[] {}, [] { return false; }}),
        m_files(workspace, [] {}) {}

 protected:
  BOOL OnInitDialog() override {
    TellSinceAnswer("main window from its template");

    Measure("first run check", [&] { m_placement.TakeFirstRun(); });
    Measure("button pictures and tips", [&] {
      m_controls.AutoLoad(m_hWnd);
      CDialog::OnInitDialog();
      m_workspace.history.AddView(&m_controls.history);
      SetWindowText("Pelmo");
      m_controls.SetUpTools();
    });
    Measure("position, topmost", [&] { m_placement.Restore(m_hWnd); });
    Measure("clipboard viewer, first capture", [&] {
      m_port.Attach(m_hWnd);
      m_viewer.Join(m_hWnd);
    });
    Measure("options", [&] {
      m_workspace.options = m_placement.ReadSettings();
      m_controls.SetFlat(m_workspace.options.softButtons != 0);
    });
    Measure("items file, read started", [&] {
      if (m_workspace.options.save) m_files.StartItemsRead(m_hWnd);
    });
    Measure("Quick Replace file", [&] { m_files.LoadQuickRep(); });
    Measure("size, timers", [&] {
      StripPlacement::FitAround(m_hWnd, m_controls.down.m_hWnd, m_controls.history.m_hWnd,
                                m_controls.menu.m_hWnd);
      if (m_workspace.options.minimize) StripPlacement::MinimizeSoon(m_hWnd);
      m_controls.history.SetPreview(m_workspace.options.preview != 0);
    });
    ::SetTimer(m_hWnd, kPaintedTimer, 0, nullptr);
    return TRUE;
  }

  void DoDataExchange(DataExchange& dx) override { m_controls.Exchange(dx); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (m_viewer.OnMessage(message, wParam, lParam)) return 0;
    switch (message) {
      case WM_ITEMS_READ:
        m_files.TakeItemsRead();
        return 0;
      case WM_PAINT:
        if (!m_painted) {
          const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
          m_painted = true;
          TellSinceAnswer("shown, a short items file read, painted");
          return result;
        }
        break;
      case WM_TIMER:
        if (wParam != kPaintedTimer) break;
        ::KillTimer(m_hWnd, kPaintedTimer);
        Measure("tray icon, after the paint", [&] { m_trayIcon.Start(); });
        Measure("quick window hotkey",
                [&] { m_hotKey.Take(m_hWnd, m_placement.QuickWindowKey()); });
        Measure("drop target", [&] { m_controls.history.RegisterDropTarget(); });
        std::puts("0 done");
        std::fflush(stdout);
        return 0;
      case WM_CLOSE:
        EndDialog(IDOK);
        return 0;
      case WM_DESTROY:
        m_hotKey.Release();
        m_viewer.Leave();
        return Default(message, wParam, lParam);
      default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }

 private:
  Workspace& m_workspace;
  StripControls m_controls;
  StripClipboardPort m_port;
  ClipboardViewer m_viewer{m_port.Capture()};
  StripPlacement m_placement;
  StripFiles m_files;
  StripInline m_inline;
  CAppTaskbarIcon m_trayIcon{*this, m_inline};
  QuickWindowHotKey m_hotKey;
  bool m_painted = false;
};

class PartsApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    std::optional<RunningCopy> runningCopy;
    Measure("running copy check", [&] { runningCopy.emplace(); });
    Measure("common controls", [] {
      INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
      ::InitCommonControlsEx(&controls);
    });
    CMainFrame frame;
    Measure("hidden frame window", [&] {
      m_pMainWnd = &frame;
      frame.Create("Pelmo");
      ::ShowWindow(frame.m_hWnd, SW_HIDE);
      ::UpdateWindow(frame.m_hWnd);
    });
    Measure("temporary files left by saves",
            [] { RemoveAbandonedTempFiles(ItemFileName(ModuleFileName(), ".")); });
    Workspace workspace(ModuleFileName());
    std::optional<PartsDialog> dialog;
    Measure("tray icon's window", [&] { dialog.emplace(workspace); });
    dialog->DoModal();
    return FALSE;
  }
};

}  // namespace
}  // namespace pelmo

int main() {
  FILETIME now;
  ::GetSystemTimePreciseAsFileTime(&now);
  // From 100 ns units since 1601 to milliseconds since 1970.
  const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  pelmo::Tell("%.0f %s\n", static_cast<double>(ticks / 10000 - 11644473600000ULL), "started");
  pelmo::PartsApp app;
  app.InitInstance();
  return 0;
}
