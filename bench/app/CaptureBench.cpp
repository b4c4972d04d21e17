// Cost of one capture (WM_DRAWCLIPBOARD to the main window: read the clipboard, make the entry,
// insert its row, evict the bottom one) with a short and a very long history, next to the cost
// of the list control's own row insertion at the top. Run under Wine:
//   scripts/wine-run build/win64/bench/app/capture_bench.exe   (or build/win32)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>

#include "app/MainDialog.h"
#include "framework/Clipboard.h"
#include "framework/ModulePath.h"
#include "resource.h"

namespace {

constexpr int kCaptures = 10000;

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

double MicrosecondsPer(std::chrono::steady_clock::duration elapsed, int count) {
  return std::chrono::duration<double, std::micro>(elapsed).count() / count;
}

pelmo::CHistoryCombo& HistoryCombo(pelmo::CMainDialog& dialog) {
  return dynamic_cast<pelmo::CHistoryCombo&>(
      *pelmo::CWnd::FromHandle(::GetDlgItem(dialog.m_hWnd, IDC_HISTORY)));
}

// Fills the history to `rows` entries without going through the clipboard.
void Prefill(pelmo::Workspace& workspace, pelmo::CHistoryCombo& combo, int rows) {
  pelmo::History& history = workspace.history;
  history.DeleteAll();
  std::vector<std::unique_ptr<pelmo::HistoryItem>> entries;
  for (int i = 0; i < rows; ++i) {
    entries.push_back(std::make_unique<pelmo::HistoryItem>());
    entries.back()->text = "prefilled entry " + std::to_string(i);
  }
  history.AppendBottom(entries);
  // Every row in the drop-down now, as when the window has taken them all.
  history.FillView(combo, std::numeric_limits<int>::max());
}

double CaptureCost(pelmo::CMainDialog& dialog, pelmo::Workspace& workspace, int maximum,
                   int prefilled) {
  workspace.options.deleteAfter = maximum;
  Prefill(workspace, HistoryCombo(dialog), prefilled);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCaptures; ++i) ::SendMessageA(dialog.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
  return MicrosecondsPer(std::chrono::steady_clock::now() - start, kCaptures);
}

// The list control alone: insert a row at the top (and drop the bottom one when full).
double InsertionCost(HWND combo, int rows, bool evict) {
  ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < rows; ++i)
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("prefilled entry"));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCaptures; ++i) {
    ::SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("benchmark text"));
    if (evict) {
      const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
      ::SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
    }
  }
  return MicrosecondsPer(std::chrono::steady_clock::now() - start, kCaptures);
}

}  // namespace

int main() {
  pelmo::Workspace workspace(pelmo::ModuleFileName());
  pelmo::CMainDialog dialog(workspace);
  if (!dialog.Create(nullptr)) {
    std::fputs("capture_bench: the main window could not be created\n", stderr);
    return 1;
  }
  Pump();
  pelmo::WriteClipboardText(dialog.m_hWnd, "benchmark text");
  Pump();

  HWND combo = HistoryCombo(dialog).m_hWnd;
  const int longHistory = 100000 - kCaptures;
  std::printf("%d captures each, microseconds per capture\n", kCaptures);
  std::printf("%-34s %10s %14s\n", "history", "capture", "row insertion");
  std::printf("%-34s %10.1f %14.1f\n", "maximum 100 (100 rows)",
              CaptureCost(dialog, workspace, 100, 100), InsertionCost(combo, 100, true));
  std::printf("%-34s %10.1f %14.1f\n", "maximum 100,000 (90,000 -> 100,000)",
              CaptureCost(dialog, workspace, 100000, longHistory),
              InsertionCost(combo, longHistory, false));
  workspace.history.DeleteAll();
  dialog.DestroyWindow();
  return 0;
}
