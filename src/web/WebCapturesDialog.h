// CWebCapturesDialog: the "HTTP captures" window (dialog 156). It works on the captured-links
// list in place: every change is immediate and stays when the window closes, whichever way.
#pragma once

#include <deque>
#include <string>

#include "controls/OXBitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "framework/IniProfile.h"

namespace pelmo {

class Workspace;

class CWebCapturesDialog : public CDialog {
 public:
  CWebCapturesDialog(std::deque<std::string>& links, CWnd* parent);

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void DeleteLink();
  void MoveLink(int step);
  void CopyLink();
  void OpenLink();
  void SelectBrowser();
  void ExportLinks();

  // Rebuilds the list box from the links and selects `line` (none when there is no such line).
  void FillList(int line);
  int SelectedLine() const;
  std::string ReadBrowser();
  void OnSize(int width, int height) override;

  COXBitmapButton m_copyButton;
  COXBitmapButton m_exportButton;
  COXBitmapButton m_selectBrowserButton;
  COXBitmapButton m_upButton;
  COXBitmapButton m_downButton;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_openButton;
  CListBox m_list;
  std::string m_browser;  // shown in the hidden path field; launches read the setting afresh
  // Their addresses stay put while captures add links at the head, so a line's item data names its
  // link even when the list has not been refilled since.
  std::deque<std::string>& m_links;
  IniProfile m_profile;
};

// "Web...": the window on the workspace's captured links, modal over `owner`.
void ShowWebCaptures(Workspace& workspace, CWnd& owner);

}  // namespace pelmo
