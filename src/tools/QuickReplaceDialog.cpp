#include "tools/QuickReplaceDialog.h"

#include <vector>

#include "model/QuickReplace.h"
#include "tools/ListToolDialog.h"

namespace pelmo {

namespace {

class CQuickReplaceDialog : public CListToolDialog<std::vector<QuickRepItem>> {
 public:
  CQuickReplaceDialog(std::vector<QuickRepItem>& pairs, CWnd* parent)
      : CListToolDialog(IDD_QUICK_REPLACE, pairs, parent) {}

 protected:
  bool OnCommand(WORD id, WORD code, HWND) override {
    if (id != IDC_QUICKREP_DELETE || code != BN_CLICKED) return false;
    DeleteSelected();
    return true;
  }
  std::string RowText(const QuickRepItem& pair) const override { return QuickRepRow(pair); }
};

}  // namespace

void ShowQuickReplace(const ToolContext& context) {
  CQuickReplaceDialog(context.workspace.quickRep, &context.owner).DoModal();
}

}  // namespace pelmo
