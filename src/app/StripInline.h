// Inline mode: a second history drop-down inside the taskbar. The strip owns both drop-downs and
// routes what either asks; this keeps the taskbar's window and has it follow the strip's list.
#pragma once

#include <memory>

#include "tools/InlineDialog.h"

namespace pelmo {

class StripInline {
 public:
  // On when it is off, off when it is on; it stays off when the taskbar is missing. It opens
  // filled from the history with `row` selected.
  void Toggle(Workspace& workspace, ClipboardPort& port, InlineOwner& owner,
              HistoryComboOwner& comboOwner, int row);
  bool On() const { return m_window != nullptr; }
  void Close() { m_window.reset(); }
  // Fills its list again from the history.
  void Refill(History& history, int row);
  void Select(int row);
  void SetPreview(bool preview);

 private:
  std::unique_ptr<CInlineDialog> m_window;
};

}  // namespace pelmo
