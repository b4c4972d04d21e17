// CMultiClipboardApp: the application object. Start-up creates the hidden frame and runs the
// main dialog modally until the program ends.
#pragma once

#include <memory>

#include "app/MainFrame.h"
#include "framework/WinApp.h"

namespace pelmo {

class CMultiClipboardApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  // Help requests open the program's own help window, clear of the strip.
  void WinHelp(DWORD_PTR data, UINT command) override;

 private:
  std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace pelmo
