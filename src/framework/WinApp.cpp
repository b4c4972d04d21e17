#include "framework/WinApp.h"

#include "framework/ModulePath.h"
#include "framework/Wnd.h"

namespace pelmo {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() : m_appName(ModuleBaseName()) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(&msg) || CWnd::WalkPreTranslateTree(nullptr, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

int AppMessageBox(const std::string& text, UINT type) {
  const CWinApp* app = AfxGetApp();
  const std::string caption = app ? app->AppName() : ModuleBaseName();
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(), type);
}

}  // namespace pelmo
