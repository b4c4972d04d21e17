// Memory under a steady stream of copies: the main window captures texts that another program
// copies (bench/app/capture-memory feeds them from X), with the history at its maximum of 100
// entries. At every checkpoint it prints what the heaps hold in live blocks and what they keep
// committed, and the lengths of the lists that a capture may grow; at the end, the block sizes
// whose live count grew most since the first checkpoint. Live bytes that climb with the copies
// are a leak, and the block size names it; live bytes that stay flat while the process's private
// memory (which capture-memory adds) climbs are memory the allocator keeps.
//
//   capture_memory_bench.exe COPIES [CHECKPOINT...]
// Each text starts with "copy NNNNNN "; the run ends once copy COPIES is at the top of the
// history, or when no new copy came for 20 s.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "framework/ModulePath.h"

namespace {

constexpr DWORD kIdleLimitMs = 20000;

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// The number of the copy at the top of the history, 0 when the top is none of ours.
long TopCopy(pelmo::History& history) {
  if (history.Count() == 0) return 0;
  const std::string& text = history.At(0).text;
  if (text.compare(0, 5, "copy ") != 0) return 0;
  return std::strtol(text.c_str() + 5, nullptr, 10);
}

struct HeapFigures {
  size_t live = 0;                    // bytes in blocks handed out
  size_t committed = 0;               // bytes of the heaps' regions backed by memory
  std::map<size_t, long> liveBlocks;  // how many live blocks there are of each size
};

HeapFigures WalkHeaps() {
  HeapFigures figures;
  std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  for (HANDLE heap : heaps) {
    if (!::HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_REGION)
        figures.committed += entry.Region.dwCommittedSize;
      else if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
        figures.live += entry.cbData;
        ++figures.liveBlocks[entry.cbData];
      }
    }
    ::HeapUnlock(heap);
  }
  return figures;
}

HeapFigures PrintCheckpoint(long copy, pelmo::Workspace& workspace) {
  HeapFigures heaps = WalkHeaps();
  std::printf("%8ld %10zu %10zu %6d %7zu\n", copy, heaps.live / 1024, heaps.committed / 1024,
              workspace.history.Count(), workspace.links.size());
  std::fflush(stdout);
  return heaps;
}

// The block sizes whose live count grew most between two checkpoints.
void PrintGrowth(const HeapFigures& from, const HeapFigures& to, long fromCopy, long toCopy) {
  std::vector<std::pair<long, size_t>> growth;
  for (const auto& [size, count] : to.liveBlocks) {
    const auto before = from.liveBlocks.find(size);
    const long grown = count - (before == from.liveBlocks.end() ? 0 : before->second);
    if (grown > 0) growth.emplace_back(grown, size);
  }
  std::sort(growth.rbegin(), growth.rend());
  std::printf("live blocks added from copy %ld to %ld, by size:", fromCopy, toCopy);
  growth.resize(std::min<size_t>(growth.size(), 3));
  for (size_t i = 0; i < growth.size(); ++i)
    std::printf("%s %ld x %zu bytes", i ? "," : "", growth[i].first, growth[i].second);
  std::printf("%s\n", growth.empty() ? " none" : "");
}

}  // namespace

int main(int argc, char** argv) {
  const long copies = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  std::vector<long> checkpoints;
  for (int i = 2; i < argc; ++i) checkpoints.push_back(std::strtol(argv[i], nullptr, 10));
  checkpoints.push_back(copies);

  pelmo::Workspace workspace(pelmo::ModuleFileName());
  pelmo::CMainDialog dialog(workspace);
  if (!dialog.Create(nullptr)) {
    std::fputs("capture_memory_bench: the main window could not be created\n", stderr);
    return 1;
  }
  Pump();
  workspace.options.deleteAfter = 100;
  std::printf("%8s %10s %10s %6s %7s\n", "copies", "live KB", "heap KB", "rows", "links");
  PrintCheckpoint(0, workspace);

  std::optional<std::pair<long, HeapFigures>> first;
  std::pair<long, HeapFigures> last;
  size_t next = 0;
  long top = 0;
  DWORD lastProgress = ::GetTickCount();
  while (next < checkpoints.size() && ::GetTickCount() - lastProgress < kIdleLimitMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    Pump();
    const long now = TopCopy(workspace.history);
    if (now == top) continue;
    top = now;
    lastProgress = ::GetTickCount();
    for (; next < checkpoints.size() && top >= checkpoints[next]; ++next) {
      last = {checkpoints[next], PrintCheckpoint(checkpoints[next], workspace)};
      if (!first) first = last;
    }
  }
  if (next < checkpoints.size()) {
    std::printf("stopped: no new copy for %lu s after copy %ld\n", kIdleLimitMs / 1000, top);
    last = {top, PrintCheckpoint(top, workspace)};
  }
  if (first && last.first > first->first)
    PrintGrowth(first->second, last.second, first->first, last.first);
  // Stays until its input ends, so that the runner can read the process's memory at the end too.
  while (std::getchar() != EOF) {
  }
  workspace.history.DeleteAll();
  dialog.DestroyWindow();
  return next < checkpoints.size() ? 1 : 0;
}
