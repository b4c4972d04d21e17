// CClipBookEntryDialog: the name prompt of "To ClipBook" (dialog 164). The caller sets m_name to
// the proposal and takes it back after IDOK; an empty name is allowed.
#pragma once

#include <string>

#include "app/Workspace.h"
#include "framework/Dialog.h"

namespace pelmo {

class CClipBookEntryDialog : public CDialog {
 public:
  explicit CClipBookEntryDialog(CWnd* parent = nullptr);

  std::string m_name;

 protected:
  void DoDataExchange(DataExchange& dx) override;
};

// "To ClipBook" (also Shift+Enter in the history drop-down): `item`'s text, under the name the
// user confirms, becomes the first ClipBook entry. Nothing happens without an item.
void ToClipBook(Workspace& workspace, CWnd& owner, const HistoryItem* item);

}  // namespace pelmo
