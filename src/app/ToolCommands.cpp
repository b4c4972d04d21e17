#include "app/ToolCommands.h"

#include "app/AboutDialog.h"
#include "calc/CalculatorDialog.h"
#include "framework/WinApp.h"
#include "resource.h"
#include "tools/ClipBookDialog.h"
#include "tools/ClipBookEntryDialog.h"
#include "tools/ConcatenateDialog.h"
#include "tools/DesktopToggle.h"
#include "tools/QuickReplaceDialog.h"
#include "tools/ShortcutDialog.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {

bool RunToolCommand(WORD id, Workspace& workspace, ClipboardPort& port, CWnd& owner,
                    HistoryItem* selected) {
  switch (id) {
    case ID_ABOUT:
      CAboutDialog(&owner).DoModal();
      return true;
    case ID_HELP_TOPICS:
      if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
      return true;
    case ID_CALCULATOR:
      ShowCalculator(owner, workspace.options.calculator);
      return true;
    case ID_TOGGLE_DESKTOP:
      ToggleDesktop();
      return true;
    case ID_WEB:
      ShowWebCaptures(workspace, owner);
      return true;
    case ID_TO_CLIPBOOK:
      ToClipBook(workspace, owner, selected);
      return true;
    case ID_CLIPBOOK:
      ShowClipBook(workspace, port, owner);
      return true;
    case ID_TO_QUICKREP:
      ToQuickRep(workspace, owner, selected);
      return true;
    case ID_QUICKREP:
      ShowQuickReplace(workspace, owner);
      return true;
    case ID_CONCATENATE:
      ShowConcatenate(workspace, port, owner);
      return true;
    default:
      return false;
  }
}

}  // namespace pelmo
