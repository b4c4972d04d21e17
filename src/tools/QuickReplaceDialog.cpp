#include "tools/QuickReplaceDialog.h"

#include "model/QuickReplace.h"

namespace pelmo {

bool CQuickReplaceDialog::OnCommand(WORD id, WORD code, HWND) {
  if (id != IDC_QUICKREP_DELETE || code != BN_CLICKED) return false;
  DeleteSelected();
  return true;
}

std::string CQuickReplaceDialog::RowText(const QuickRepItem& pair) const {
  return QuickRepRow(pair);
}

void ShowQuickReplace(Workspace& workspace, CWnd& owner) {
  CQuickReplaceDialog(workspace.quickRep, &owner).DoModal();
}

}  // namespace pelmo
