#include "app/MultiClipboardApp.h"

#include <commctrl.h>

#include "app/HelpWindow.h"
#include "app/MainDialog.h"
#include "app/RunningCopy.h"
#include "framework/BufferedFile.h"
#include "framework/ModulePath.h"
#include "model/ItemFiles.h"

namespace pelmo {

BOOL CMultiClipboardApp::InitInstance() {
  const RunningCopy runningCopy;
  if (!runningCopy.IsFirst()) {
    runningCopy.OpenFirst();
    return FALSE;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  m_frame = std::make_unique<CMainFrame>();
  m_pMainWnd = m_frame.get();
  if (!m_frame->Create("Pelmo")) return FALSE;
  ::ShowWindow(m_frame->m_hWnd, SW_HIDE);
  ::UpdateWindow(m_frame->m_hWnd);

  // Every file Pelmo saves is "<dir><base>.<extension>"; a save cut short by a kill leaves its
  // temporary file behind, and no later save would reuse it.
  RemoveAbandonedTempFiles(ItemFileName(ModuleFileName(), "."));
  {
    Workspace workspace(ModuleFileName());
    CMainDialog dialog(workspace);
    dialog.DoModal();
  }
  ::SendMessageA(m_frame->m_hWnd, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace pelmo

namespace pelmo {

void CMultiClipboardApp::WinHelp(DWORD_PTR data, UINT command) {
  // The strip, while it runs, is the window the frame's close goes to.
  if (command != HELP_QUIT) ShowHelpTopic(data, m_frame ? m_frame->CloseTarget() : nullptr);
}

}  // namespace pelmo
