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

int CWinApp::GetProfileInt(const char* section, const char* key, int defaultValue) const {
  return static_cast<int>(
      ::GetPrivateProfileIntA(section, key, defaultValue, ProfileName().c_str()));
}

bool CWinApp::WriteProfileInt(const char* section, const char* key, int value) const {
  return WriteProfileString(section, key, std::to_string(value).c_str());
}

std::string CWinApp::GetProfileString(const char* section, const char* key,
                                      const char* defaultValue) const {
  std::string buffer(4096, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = ::GetPrivateProfileStringA(section, key, defaultValue, buffer.data(),
                                                    size, ProfileName().c_str());
    if (length < size - 1) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool CWinApp::WriteProfileString(const char* section, const char* key, const char* value) const {
  return ::WritePrivateProfileStringA(section, key, value, ProfileName().c_str()) != FALSE;
}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

int AppMessageBox(const std::string& text, UINT type) {
  const CWinApp* app = AfxGetApp();
  const std::string caption = app ? app->AppName() : ModuleBaseName();
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(), type);
}

}  // namespace pelmo
