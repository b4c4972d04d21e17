#include "model/QuickReplace.h"

#include <algorithm>

#include "model/RowText.h"

namespace pelmo {

const QuickRepItem* FindQuickRep(const std::vector<QuickRepItem>& pairs, const std::string& text) {
  const auto found = std::find_if(pairs.begin(), pairs.end(),
                                  [&](const QuickRepItem& pair) { return pair.shortcut == text; });
  return found == pairs.end() ? nullptr : &*found;
}

std::string QuickRepRow(const QuickRepItem& pair) {
  return CutRow(pair.shortcut + "   ....  " + pair.text);
}

}  // namespace pelmo
