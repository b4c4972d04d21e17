#include "tools/ShortcutDialog.h"

#include "framework/DataExchange.h"
#include "resource.h"
#include "tools/QuickReplace.h"

namespace pelmo {

CShortcutDialog::CShortcutDialog(CWnd* parent) : CDialog(IDD_SHORTCUT, parent) {}

void CShortcutDialog::DoDataExchange(DataExchange& dx) {
  DDX_Text(dx, IDC_EDIT_TEXT, m_shortcut);
}

void ToQuickRep(Workspace& workspace, CWnd& owner, const HistoryItem* item) {
  // Copied now: while the prompt is open, captures may evict the entry.
  const std::string text = item ? item->text : kEmptyReplacement;
  CShortcutDialog prompt(&owner);
  if (prompt.DoModal() != IDOK) return;
  workspace.quickRep.push_back({prompt.m_shortcut, text});
}

}  // namespace pelmo
