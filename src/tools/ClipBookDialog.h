// CClipBookDialog: the ClipBook window (dialog 158). Deletes, reorders and copies back the named
// texts of the ClipBook; every change acts on the list at once.
#pragma once

#include <string>

#include "model/ClipboardPort.h"
#include "model/Workspace.h"
#include "controls/OXBitmapButton.h"
#include "tools/ListToolDialog.h"

namespace pelmo {

class CClipBookDialog : public CListToolDialog<HistoryItem> {
 public:
  CClipBookDialog(std::vector<HistoryItem>& clipBook, ClipboardPort& port, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  std::string RowText(const HistoryItem& entry) const override;
  std::u16string WideRowText(const HistoryItem& entry) const override;

 private:
  void Move(int step);
  void Copy();

  ClipboardPort& m_port;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_upButton;
  COXBitmapButton m_downButton;
  COXBitmapButton m_copyButton;
};

// "ClipBook...": the window on the workspace's ClipBook, owned by `owner`.
void ShowClipBook(Workspace& workspace, ClipboardPort& port, CWnd& owner);

}  // namespace pelmo
