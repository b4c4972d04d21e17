#include "tools/ClipBookEntryDialog.h"

#include "framework/DataExchange.h"
#include "framework/SystemCodePage.h"
#include "resource.h"
#include "tools/ClipBook.h"

namespace pelmo {

CClipBookEntryDialog::CClipBookEntryDialog(CWnd* parent) : CDialog(IDD_CLIPBOOK_ENTRY, parent) {}

void CClipBookEntryDialog::DoDataExchange(DataExchange& dx) {
  DDX_Text(dx, IDC_EDIT_TEXT, m_name);
}

void ToClipBook(Workspace& workspace, CWnd& owner, const HistoryItem* item) {
  if (!item) return;
  // Copied now: while the prompt is open, captures may evict the entry.
  const HistoryItem copy = *item;
  CClipBookEntryDialog prompt(&owner);
  prompt.m_name = ProposedClipBookName(copy.text);
  if (prompt.DoModal() != IDOK) return;
  workspace.clipBook.insert(workspace.clipBook.begin(),
                            MakeClipBookEntry(prompt.m_name, FromSystemAnsi(prompt.m_name), copy));
}

}  // namespace pelmo
