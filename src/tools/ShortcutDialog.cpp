#include "tools/ShortcutDialog.h"

#include "resource.h"
#include "model/QuickReplace.h"
#include "tools/TextPromptDialog.h"

namespace pelmo {

void ToQuickRep(const ToolContext& context, const HistoryItem* item) {
  // Copied now: while the prompt is open, captures may evict the entry.
  const std::string text = item ? item->text : kEmptyReplacement;
  std::string shortcut;
  if (!PromptForText(IDD_SHORTCUT, context.owner, shortcut)) return;
  context.workspace.quickRep.push_back({shortcut, text});
}

}  // namespace pelmo
