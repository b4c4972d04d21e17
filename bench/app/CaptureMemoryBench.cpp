// Memory under a steady stream of copies: the main window captures texts that another program
// copies (bench/app/capture-memory feeds them, from X or from a Windows program), with the history
// at its maximum of 100 entries. At every checkpoint it prints what the heaps hold in live blocks
// and what they keep committed, and the lengths of the lists that a capture may grow; at the end,
// the block sizes whose live count grew most since the first checkpoint. Live bytes that climb
// with the copies are a leak, and the block size names it; live bytes that stay flat while the
// process's private memory (which capture-memory adds) climbs are memory the allocator keeps.
//
// With --plain, a plain clipboard viewer takes the main window's place: it reads each change's
// CF_TEXT and CF_UNICODETEXT, as a program that wants both forms of the text does, and keeps the
// last 100 texts. What it gains under the same stream is what the system charges any program for
// reading the clipboard so.
//
//   capture_memory_bench.exe COPIES [--plain] [CHECKPOINT...]
// Each text starts with "copy NNNNNN "; the run ends once copy COPIES has come, or when no new
// copy came for 20 s. After each change it has handled it sets the event a Windows feeder waits
// for (ClipboardFeeder.cpp).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "HandledEvent.h"
#include "app/MainDialog.h"
#include "framework/ModulePath.h"

namespace {

constexpr DWORD kIdleLimitMs = 20000;
constexpr size_t kKept = 100;

HANDLE g_handled;

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// The number of the copy in `text`, 0 when it is none of ours.
long CopyNumber(const std::string& text) {
  if (text.compare(0, 5, "copy ") != 0) return 0;
  return std::strtol(text.c_str() + 5, nullptr, 10);
}

// What a checkpoint shows of the program that captures.
class Capturer {
 public:
  virtual ~Capturer() = default;
  // The number of the newest copy taken in.
  virtual long TopCopy() = 0;
  virtual int Rows() = 0;
  virtual size_t Links() = 0;
};

// Made before the main window that works on it.
struct WorkspaceHolder {
  pelmo::Workspace workspace{pelmo::ModuleFileName()};
};

// Pelmo's main window, telling the feeder each change it has handled.
class PelmoCapturer : private WorkspaceHolder, public Capturer, private pelmo::CMainDialog {
 public:
  PelmoCapturer() : CMainDialog(workspace) {
    if (!Create(nullptr)) return;
    Pump();
    workspace.options.deleteAfter = kKept;
  }
  ~PelmoCapturer() override {
    workspace.history.DeleteAll();
    DestroyWindow();
  }
  bool Ok() const { return m_hWnd != nullptr; }
  long TopCopy() override {
    return workspace.history.Count() ? CopyNumber(workspace.history.At(0).text) : 0;
  }
  int Rows() override { return workspace.history.Count(); }
  size_t Links() override { return workspace.links.size(); }

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    const LRESULT result = CMainDialog::WindowProc(message, wParam, lParam);
    if (message == WM_DRAWCLIPBOARD) ::SetEvent(g_handled);
    return result;
  }
};

// The least a clipboard viewer that keeps texts does.
class PlainCapturer : public Capturer {
 public:
  PlainCapturer() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.lpszClassName = "PlainClipboardViewer";
    ::RegisterClassA(&windowClass);
    m_window = ::CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_next = ::SetClipboardViewer(m_window);
  }
  ~PlainCapturer() override {
    ::ChangeClipboardChain(m_window, m_next);
    ::DestroyWindow(m_window);
  }
  long TopCopy() override { return m_kept.empty() ? 0 : CopyNumber(m_kept.front()); }
  int Rows() override { return static_cast<int>(m_kept.size()); }
  size_t Links() override { return 0; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PlainCapturer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
      case WM_DRAWCLIPBOARD:
        self->Read();
        if (self->m_next) ::SendMessageA(self->m_next, message, wParam, lParam);
        ::SetEvent(g_handled);
        return 0;
      case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == self->m_next)
          self->m_next = reinterpret_cast<HWND>(lParam);
        else if (self->m_next)
          ::SendMessageA(self->m_next, message, wParam, lParam);
        return 0;
      default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
  }

  // The ANSI text and then the Unicode one, as a program that wants both forms reads them.
  void Read() {
    if (!::OpenClipboard(m_window)) return;
    ::GetClipboardData(CF_TEXT);  // read, not kept
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
        const std::wstring wide(units, wcsnlen(units, ::GlobalSize(data) / sizeof(wchar_t)));
        ::GlobalUnlock(data);
        std::string text(wide.size(), '\0');
        std::transform(wide.begin(), wide.end(), text.begin(),
                       [](wchar_t unit) { return static_cast<char>(unit); });
        m_kept.push_front(std::move(text));
        if (m_kept.size() > kKept) m_kept.pop_back();
      }
    }
    ::CloseClipboard();
  }

  HWND m_window;
  HWND m_next = nullptr;
  std::deque<std::string> m_kept;
};

// The heap the figures themselves live on, left out of the walk: counting the blocks must not
// add blocks to count.
HANDLE FiguresHeap() {
  static const HANDLE heap = ::HeapCreate(0, 0, 0);
  return heap;
}

template <typename T>
struct FiguresAllocator {
  using value_type = T;
  FiguresAllocator() = default;
  template <typename U>
  FiguresAllocator(const FiguresAllocator<U>&) {}
  T* allocate(size_t count) {
    if (void* block = ::HeapAlloc(FiguresHeap(), 0, count * sizeof(T)))
      return static_cast<T*>(block);
    throw std::bad_alloc();
  }
  void deallocate(T* block, size_t) { ::HeapFree(FiguresHeap(), 0, block); }
  template <typename U>
  bool operator==(const FiguresAllocator<U>&) const {
    return true;
  }
  template <typename U>
  bool operator!=(const FiguresAllocator<U>&) const {
    return false;
  }
};

struct HeapFigures {
  size_t live = 0;       // bytes in blocks handed out
  size_t committed = 0;  // bytes of the heaps' regions backed by memory
  // How many live blocks there are of each size.
  std::map<size_t, long, std::less<>, FiguresAllocator<std::pair<const size_t, long>>> liveBlocks;
};

HeapFigures WalkHeaps() {
  HeapFigures figures;
  std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  for (HANDLE heap : heaps) {
    if (heap == FiguresHeap() || !::HeapLock(heap)) continue;
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

HeapFigures PrintCheckpoint(long copy, Capturer& capturer) {
  HeapFigures heaps = WalkHeaps();
  std::printf("%8ld %10zu %10zu %6d %7zu\n", copy, heaps.live / 1024, heaps.committed / 1024,
              capturer.Rows(), capturer.Links());
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
  const bool plain = argc > 2 && std::strcmp(argv[2], "--plain") == 0;
  std::vector<long> checkpoints;
  for (int i = plain ? 3 : 2; i < argc; ++i)
    checkpoints.push_back(std::strtol(argv[i], nullptr, 10));
  checkpoints.push_back(copies);

  // A copy of an earlier run still on the clipboard would count as this run's.
  if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }
  g_handled = ::CreateEventA(nullptr, FALSE, FALSE, kHandledEvent);
  std::unique_ptr<Capturer> capturer;
  if (plain) {
    capturer = std::make_unique<PlainCapturer>();
  } else {
    auto pelmo = std::make_unique<PelmoCapturer>();
    if (!pelmo->Ok()) {
      std::fputs("capture_memory_bench: the main window could not be created\n", stderr);
      return 1;
    }
    capturer = std::move(pelmo);
  }
  Pump();
  std::printf("%8s %10s %10s %6s %7s\n", "copies", "live KB", "heap KB", "rows", "links");
  PrintCheckpoint(0, *capturer);

  std::optional<std::pair<long, HeapFigures>> first;
  std::pair<long, HeapFigures> last;
  size_t next = 0;
  long top = 0;
  DWORD lastProgress = ::GetTickCount();
  while (next < checkpoints.size() && ::GetTickCount() - lastProgress < kIdleLimitMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    Pump();
    const long now = capturer->TopCopy();
    if (now == top) continue;
    top = now;
    lastProgress = ::GetTickCount();
    for (; next < checkpoints.size() && top >= checkpoints[next]; ++next) {
      last = {checkpoints[next], PrintCheckpoint(checkpoints[next], *capturer)};
      if (!first) first = last;
    }
  }
  if (next < checkpoints.size()) {
    std::printf("stopped: no new copy for %lu s after copy %ld\n", kIdleLimitMs / 1000, top);
    last = {top, PrintCheckpoint(top, *capturer)};
  }
  if (first && last.first > first->first)
    PrintGrowth(first->second, last.second, first->first, last.first);
  // Stays until its input ends, so that the runner can read the process's memory at the end too.
  while (std::getchar() != EOF) {
  }
  const bool complete = next == checkpoints.size();
  capturer.reset();
  ::CloseHandle(g_handled);
  return complete ? 0 : 1;
}
