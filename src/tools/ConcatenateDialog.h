// CConcatenateDialog: "Concatenate items to the new item" (dialog 167). Shows the texts it is
// given, lets the user choose a delimiter and which of them take part, and leaves the joined
// text (and its wide form, when a joined text has one) in m_result after IDOK.
#pragma once

#include <string>
#include <vector>

#include "model/ClipboardPort.h"
#include "model/Workspace.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "tools/Concatenate.h"

namespace pelmo {

class CConcatenateDialog : public CDialog {
 public:
  CConcatenateDialog(const std::vector<HistoryItem>& items, CWnd* parent);

  CListBox m_list;
  ConcatenateChoice m_choice;
  HistoryItem m_result;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;

 private:
  void DelimiterRule();
  void ItemRule();
  void FollowListSelection();

  const std::vector<HistoryItem>& m_items;
};

// "Concatenate...": the window on copies of the history's entries; its result goes to the
// clipboard, to be captured as a concatenated entry.
void ShowConcatenate(Workspace& workspace, ClipboardPort& port, CWnd& owner);

}  // namespace pelmo
