#include "app/WindowsShell.h"

#include <windows.h>

#include "app/ExecuteText.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace pelmo {

namespace {

class WindowsShell : public Shell {
 public:
  std::intptr_t Execute(const ShellRequest& request) override {
    const CWinApp* app = AfxGetApp();
    HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteA(owner, request.verb.c_str(), request.file.c_str(),
                        request.parameters.c_str(), nullptr, SW_SHOW));
  }
};

}  // namespace

void ExecuteWithShell(std::string_view text, bool explore) {
  WindowsShell shell;
  if (const auto message = ExecuteText(text, explore, shell))
    AppMessageBox(*message, MB_OK | MB_ICONHAND);
}

}  // namespace pelmo
