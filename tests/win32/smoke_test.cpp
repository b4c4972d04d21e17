// Proves the Windows test pipeline end to end: a window on the tree's private display, the
// real clipboard, and the viewer chain's notification for every write, which the capture of the
// whole program depends on.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

const char kViewerClass[] = "PelmoSmokeViewer";

HWND g_nextViewer = nullptr;
int g_changes = 0;

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DRAWCLIPBOARD:
      ++g_changes;
      if (g_nextViewer) SendMessageA(g_nextViewer, msg, wParam, lParam);
      return 0;
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wParam) == g_nextViewer) {
        g_nextViewer = reinterpret_cast<HWND>(lParam);
      } else if (g_nextViewer) {
        SendMessageA(g_nextViewer, msg, wParam, lParam);
      }
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ViewerWindow {
 public:
  ViewerWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kViewerClass;
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, kViewerClass, "Pelmo smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                            10, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~ViewerWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    UnregisterClassA(kViewerClass, GetModuleHandleA(nullptr));
  }
  ViewerWindow(const ViewerWindow&) = delete;
  ViewerWindow& operator=(const ViewerWindow&) = delete;

  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// Membership in the viewer chain for the life of the object.
class ChainLink {
 public:
  explicit ChainLink(HWND hwnd) : hwnd_(hwnd) { g_nextViewer = SetClipboardViewer(hwnd); }
  ~ChainLink() { ChangeClipboardChain(hwnd_, g_nextViewer); }
  ChainLink(const ChainLink&) = delete;
  ChainLink& operator=(const ChainLink&) = delete;

 private:
  HWND hwnd_;
};

// Runs this thread's messages for the given time.
void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
}

// Runs this thread's messages until `changes` notifications have arrived or five seconds passed.
bool PumpUntilChanges(int changes) {
  const DWORD start = GetTickCount();
  while (g_changes < changes && GetTickCount() - start < 5000) Pump(10);
  return g_changes >= changes;
}

bool WriteClipboardText(HWND owner, const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!block) return false;
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  if (!OpenClipboard(owner)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool written = SetClipboardData(CF_TEXT, block) != nullptr;
  if (!written) GlobalFree(block);
  CloseClipboard();
  return written;
}

std::string ReadClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
    if (const char* data = static_cast<const char*>(GlobalLock(block))) {
      text = data;
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

TEST(Smoke, WindowIsCreatedOnTheDisplay) {
  ViewerWindow window;
  ASSERT_NE(window.hwnd(), nullptr) << "no window: is there an X display?";
  Pump(50);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  RECT client{};
  ASSERT_TRUE(GetClientRect(window.hwnd(), &client));
  EXPECT_GT(client.right, 0);
  EXPECT_GT(client.bottom, 0);
}

TEST(Smoke, ClipboardWritesAreNotifiedOnceAndReadBack) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"plain", "smoke test"},
      {"equal to the previous", "smoke test"},
      {"line breaks", "one\r\ntwo\r\n"},
      {"code page 1252", "caf\xe9 \x80 \xff"},
      {"one megabyte", std::string(1 << 20, 'x')},
  };

  ViewerWindow window;
  ASSERT_NE(window.hwnd(), nullptr);
  ChainLink link(window.hwnd());
  Pump(100);  // joining may notify once at once; that one is not counted

  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = g_changes;
    ASSERT_TRUE(WriteClipboardText(window.hwnd(), c.text));
    ASSERT_TRUE(PumpUntilChanges(before + 1)) << "no WM_DRAWCLIPBOARD";
    Pump(100);
    EXPECT_EQ(g_changes, before + 1);
    const std::string readBack = ReadClipboardText();
    EXPECT_TRUE(readBack == c.text)
        << "read back " << readBack.size() << " bytes of " << c.text.size();
  }
}

}  // namespace
