#include "tools/ClipBookEntryDialog.h"

#include "framework/SystemCodePage.h"
#include "resource.h"
#include "tools/ClipBook.h"
#include "tools/TextPromptDialog.h"

namespace pelmo {

void ToClipBook(Workspace& workspace, CWnd& owner, const HistoryItem* item) {
  if (!item) return;
  // Copied now: while the prompt is open, captures may evict the entry.
  const HistoryItem copy = *item;
  std::string name = ProposedClipBookName(copy.text);
  if (!PromptForText(IDD_CLIPBOOK_ENTRY, owner, name)) return;
  workspace.clipBook.insert(workspace.clipBook.begin(),
                            MakeClipBookEntry(name, FromSystemAnsi(name), copy));
}

}  // namespace pelmo
