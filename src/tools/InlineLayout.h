// Where Inline mode puts things in the taskbar: the task buttons are shrunk so that they end the
// inline width before the notification area, and the inline window fills that gap. All
// rectangles are in the taskbar's client coordinates.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "framework/Geometry.h"

namespace pelmo {

// Which of the taskbar's direct children, given by class in their order, Inline mode works with.
struct TaskbarParts {
  size_t taskSwitch;  // the task buttons, shrunk to make room
  size_t notifyArea;
};
// The notification area, and the task buttons: the last task switch, else the first rebar (older
// taskbars keep the buttons in one). Empty when either is missing.
std::optional<TaskbarParts> FindTaskbarParts(const std::vector<std::string>& classes);

// The width the inline window starts with when none has been taken yet.
constexpr int kDefaultInlineWidth = 100;

struct InlinePlacement {
  Rect taskSwitch;    // same left, top and height; ends `width` before the notification area
  Rect inlineWindow;  // the gap, as high as the notification area
};

// `width` 0 stands for the default width.
InlinePlacement PlaceInline(const Rect& taskSwitch, const Rect& notifyArea, int width);

// The collapse button: collapsing narrows the window to the button, expanding brings back the
// width it had before.
class InlineCollapse {
 public:
  // Flips the state; returns the inline width to use from now on.
  int Toggle(int currentWidth, int buttonWidth);
  bool Collapsed() const { return m_collapsed; }

 private:
  bool m_collapsed = false;
  int m_savedWidth = kDefaultInlineWidth;
};

}  // namespace pelmo
