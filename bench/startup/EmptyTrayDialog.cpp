// The yardstick of bench/startup: an empty Win32 dialog that adds a tray icon, the least a
// program of Pelmo's kind does before its window shows. Built a second time with
// PELMO_STYLED: the same dialog with visual styles (the common controls 6 manifest and
// InitCommonControlsEx), which every program with a modern look pays for as Pelmo does.
//
// Words on the command line add one plain call each, as any program would make it, so that the
// runner can weigh what the system charges for it apart from Pelmo:
//   thread       a thread that ends at once (Pelmo reads a long items file on one)
//   drop-target  OleInitialize and RegisterDragDrop of a drop target that refuses everything
#include <windows.h>
// After windows.h, whose types they use.
#include <ole2.h>
#include <shellapi.h>
#ifdef PELMO_STYLED
#include <commctrl.h>
#endif

#include <cstring>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

class RefusingDropTarget : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IDropTarget) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = this;
    return S_OK;
  }
  // One static object: nothing to count.
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
};

RefusingDropTarget g_dropTarget;
const char* g_extras = "";

bool Asked(const char* word) {
  return std::strstr(g_extras, word) != nullptr;
}

// OLE is loaded only when asked for, so that the plain dialog's imports stay those of the least
// such a program needs.
template <typename Function>
Function OleCall(const char* name) {
  static const HMODULE ole = [] {
    const HMODULE library = ::LoadLibraryA("ole32.dll");
    using Initialize = HRESULT(WINAPI*)(void*);
    reinterpret_cast<Initialize>(
        reinterpret_cast<void*>(::GetProcAddress(library, "OleInitialize")))(nullptr);
    return library;
  }();
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(ole, name)));
}

DWORD WINAPI EndAtOnce(void*) {
  return 0;
}

void AddExtras(HWND dialog) {
  if (Asked("thread")) {
    if (HANDLE thread = ::CreateThread(nullptr, 0, EndAtOnce, nullptr, 0, nullptr)) {
      ::WaitForSingleObject(thread, INFINITE);
      ::CloseHandle(thread);
    }
  }
  if (Asked("drop-target"))
    OleCall<HRESULT(WINAPI*)(HWND, IDropTarget*)>("RegisterDragDrop")(dialog, &g_dropTarget);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      NOTIFYICONDATAA icon{};
      icon.cbSize = sizeof icon;
      icon.hWnd = dialog;
      icon.uID = 1;
      icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
      icon.uCallbackMessage = kTrayMessage;
      icon.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
      lstrcpyA(icon.szTip, "Empty");
      ::Shell_NotifyIconA(NIM_ADD, &icon);
      AddExtras(dialog);
      return TRUE;
    }
    case WM_CLOSE:
      ::EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY: {
      if (Asked("drop-target")) OleCall<HRESULT(WINAPI*)(HWND)>("RevokeDragDrop")(dialog);
      NOTIFYICONDATAA icon{};
      icon.cbSize = sizeof icon;
      icon.hWnd = dialog;
      icon.uID = 1;
      ::Shell_NotifyIconA(NIM_DELETE, &icon);
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_extras = commandLine;
#ifdef PELMO_STYLED
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
#endif
  return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, DialogProc, 0));
}
