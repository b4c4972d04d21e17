// CQuickReplaceDialog: the Quick Replace window (dialog 165). Lists the pairs and deletes them;
// a deletion acts on the list at once.
#pragma once

#include <string>
#include <vector>

#include "model/Workspace.h"
#include "tools/ListToolDialog.h"

namespace pelmo {

class CQuickReplaceDialog : public CListToolDialog<QuickRepItem> {
 public:
  CQuickReplaceDialog(std::vector<QuickRepItem>& pairs, CWnd* parent)
      : CListToolDialog(IDD_QUICK_REPLACE, pairs, parent) {}

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override;
  std::string RowText(const QuickRepItem& pair) const override;
};

// "QuickRep...": the window on the workspace's pairs, owned by `owner`.
void ShowQuickReplace(Workspace& workspace, CWnd& owner);

}  // namespace pelmo
