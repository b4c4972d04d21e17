#include "WebExport.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr WPARAM kWebCommand = 32780;
constexpr int kExportButton = 1071;
constexpr int kFileNameFields[] = {0x47c, 0x480};  // cmb13 of the Explorer look, edt1 of the old

// Polls `find` until it gives a window or `ms` have passed.
template <typename Find>
HWND WaitForWindow(Find find, unsigned long ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = find()) return window;
    if (GetTickCount() - start >= ms) return nullptr;
    Sleep(50);
  }
}

bool WaitGone(HWND window, unsigned long ms) {
  return WaitForWindow([window] { return IsWindow(window) ? nullptr : window; }, ms) != nullptr;
}

struct OwnedSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<OwnedSearch*>(lParam);
  if (GetWindow(hwnd, GW_OWNER) == search->owner && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

int Fail(const char* what) {
  std::fprintf(stderr, "pelmo-driver: %s\n", what);
  return 1;
}

}  // namespace

int ExportLinks(const std::wstring& path, unsigned long ms) {
  HWND strip = FindWindowW(L"#32770", L"Pelmo");
  if (!strip) return Fail("no Pelmo main window");
  // Posted: the window runs modally inside Pelmo, so a sent command would not return.
  PostMessageW(strip, WM_COMMAND, kWebCommand, 0);
  HWND web = WaitForWindow([] { return FindWindowW(L"#32770", L"HTTP captures"); }, ms);
  if (!web) return Fail("the HTTP captures window did not open");
  PostMessageW(web, WM_COMMAND, MAKEWPARAM(kExportButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(web, kExportButton)));
  HWND save = WaitForWindow(
      [web] {
        OwnedSearch search{web, nullptr};
        EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
      },
      ms);
  if (!save) return Fail("no Save As dialog");
  Sleep(300);  // the dialog fills its fields after it is shown
  for (const int field : kFileNameFields) SetDlgItemTextW(save, field, path.c_str());
  PostMessageW(save, WM_COMMAND, IDOK, 0);
  if (!WaitGone(save, ms)) return Fail("the Save As dialog did not close");
  PostMessageW(web, WM_COMMAND, IDOK, 0);
  if (!WaitGone(web, ms)) return Fail("the HTTP captures window did not close");
  return 0;
}
