// CShortcutDialog: the shortcut prompt of "To QuickRep" (dialog 166). m_shortcut starts empty
// and is taken back after IDOK, unchecked.
#pragma once

#include <string>

#include "app/Workspace.h"
#include "framework/Dialog.h"

namespace pelmo {

class CShortcutDialog : public CDialog {
 public:
  explicit CShortcutDialog(CWnd* parent = nullptr);

  std::string m_shortcut;

 protected:
  void DoDataExchange(DataExchange& dx) override;
};

// "To QuickRep": a new pair at the end of the list, the typed shortcut for `item`'s text, or for
// "*empty*" without an item.
void ToQuickRep(Workspace& workspace, CWnd& owner, const HistoryItem* item);

}  // namespace pelmo
