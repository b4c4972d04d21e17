#include "tools/InlineLayout.h"

namespace pelmo {

std::optional<TaskbarParts> FindTaskbarParts(const std::vector<std::string>& classes) {
  std::optional<size_t> taskSwitch, rebar, notifyArea;
  for (size_t i = 0; i < classes.size(); ++i) {
    if (classes[i] == "TrayNotifyWnd") notifyArea = i;
    if (classes[i] == "MSTaskSwWClass") taskSwitch = i;
    if (classes[i] == "ReBarWindow32" && !rebar) rebar = i;
  }
  if (!taskSwitch) taskSwitch = rebar;
  if (!taskSwitch || !notifyArea) return std::nullopt;
  return TaskbarParts{*taskSwitch, *notifyArea};
}

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
