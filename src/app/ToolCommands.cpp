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

bool RunToolCommand(WORD id, const ToolContext& context, const HistoryItem* selected) {
  switch (id) {
    case ID_ABOUT:
      ShowAbout(context);
      return true;
    case ID_HELP_TOPICS:
      if (CWinApp* app = AfxGetApp()) app->WinHelp(IDH_GETTING_STARTED);
      return true;
    case ID_CALCULATOR:
      ShowCalculator(context);
      return true;
    case ID_TOGGLE_DESKTOP:
      ToggleDesktop();
      return true;
    case ID_WEB:
      ShowWebCaptures(context);
      return true;
    case ID_TO_CLIPBOOK:
      ToClipBook(context, selected);
      return true;
    case ID_CLIPBOOK:
      ShowClipBook(context);
      return true;
    case ID_TO_QUICKREP:
      ToQuickRep(context, selected);
      return true;
    case ID_QUICKREP:
      ShowQuickReplace(context);
      return true;
    case ID_CONCATENATE:
      ShowConcatenate(context);
      return true;
    default:
      return false;
  }
}

}  // namespace pelmo
