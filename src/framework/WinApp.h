// CWinApp: the application object — its name, its main window, its message loop and its help
// routing.
#pragma once

#include <windows.h>

#include <string>

namespace pelmo {

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return TRUE; }
  virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }
  // The message loop of the main window; returns the quit code.
  int Run();

  // The executable's base name: the caption of every message box.
  const std::string& AppName() const { return m_appName; }

  // Help requests (first-run topic, the Help command) go to the program's own help window.
  virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

  CWnd* m_pMainWnd = nullptr;

 private:
  std::string m_appName;
};

// The one application object of the process.
CWinApp* AfxGetApp();

// A message box captioned with the application's name, owned by the active window.
int AppMessageBox(const std::string& text, UINT type);

}  // namespace pelmo
