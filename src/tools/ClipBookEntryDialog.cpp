#include "tools/ClipBookEntryDialog.h"

#include "framework/SystemCodePage.h"
#include "resource.h"
#include "tools/ClipBook.h"
#include "tools/TextPromptDialog.h"

namespace pelmo {

void ToClipBook(const ToolContext& context, const HistoryItem* item) {
  if (!item) return;
  // Copied now: while the prompt is open, captures may evict the entry.
  const HistoryItem copy = *item;
  std::string name = ProposedClipBookName(copy.text);
  if (!PromptForText(IDD_CLIPBOOK_ENTRY, context.owner, name)) return;
  std::vector<HistoryItem>& clipBook = context.workspace.clipBook;
  clipBook.insert(clipBook.begin(), MakeClipBookEntry(name, FromSystemAnsi(name), copy));
}

}  // namespace pelmo
