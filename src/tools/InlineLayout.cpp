#include "tools/InlineLayout.h"

namespace pelmo {

InlinePlacement PlaceInline(const Rect& taskSwitch, const Rect& notifyArea, int width) {
  if (width == 0) width = kDefaultInlineWidth;
  const int gapLeft = notifyArea.left - width;
  return {{taskSwitch.left, taskSwitch.top, gapLeft, taskSwitch.bottom},
          {gapLeft, notifyArea.top, notifyArea.left, notifyArea.bottom}};
}

int InlineCollapse::Toggle(int currentWidth, int buttonWidth) {
  m_collapsed = !m_collapsed;
  if (!m_collapsed) return m_savedWidth;
  m_savedWidth = currentWidth;
  return buttonWidth;
}

}  // namespace pelmo
