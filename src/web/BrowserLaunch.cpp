#include "web/BrowserLaunch.h"

#include <windows.h>

#include "framework/WinApp.h"
#include "web/BrowserCommand.h"

namespace pelmo {

bool LaunchBrowser(const std::string& browser, const std::string& argument) {
  const UINT result = ::WinExec(BrowserCommandLine(browser, argument).c_str(), SW_SHOWNA);
  const DWORD lastError = ::GetLastError();
  const std::optional<std::string> failure = LaunchFailureMessage(result, browser, lastError);
  if (failure) AppMessageBox(*failure, MB_OK);
  return !failure;
}

}  // namespace pelmo
