// CMainDialog: the always-on-top strip. It is the program's clipboard viewer (every clipboard
// change arrives as WM_DRAWCLIPBOARD and is captured into the history), owns every list and
// option of the program, and runs modally for the life of the process.
#pragma once

#include <string>

#include "app/History.h"
#include "controls/HistoryCombo.h"
#include "controls/OXBitmapButton.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"

namespace pelmo {

class CMainDialog : public CDialog, private HistoryComboOwner {
 public:
  CMainDialog();

  // The capture: reads the clipboard's text into a new history entry.
  void OnDrawClipboard();

  // History operations
  void Up();
  void Down();
  void DeleteItem();
  void DeleteRest();
  void AddItem() override;
  void MarkItem();
  void FindNext(const std::string& text) override;

  // Putting entries back
  void CopySelectedToClipboard(bool forced);
  bool ReturnFocus() override;

  // Writes everything that must outlive the process.
  void SaveAll();

  History& GetHistory() { return m_history; }
  CHistoryCombo& GetHistoryCombo() { return m_historyCombo; }
  HWND NextViewer() const { return m_nextViewer; }

  // Options (plain integers, as stored in the settings file)
  int m_autoFocus = 0;
  int m_oem = 0;
  int m_keepTop = 0;
  int m_itemMaximum = 100;
  int m_lengthLimit = 10000;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnChangeCbChain(HWND removed, HWND next);
  void SelectAndCopy(int row);
  void FitWindowToControls();
  void SetFrameCloseTarget(HWND target) const;

  int m_pendingKind = kPlain;
  HWND m_targetWindow = nullptr;
  int m_rememberFlag = 1;
  HWND m_nextViewer = nullptr;
  int m_skipFlag = 0;
  int m_findPosition = 0;
  bool m_ended = false;

  History m_history;
  CBitmapButton m_menuButton;
  COXBitmapButton m_editButton;
  CBitmapButton m_minimizeButton;
  COXBitmapButton m_calculatorButton;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_upButton;
  COXBitmapButton m_downButton;
  CHistoryCombo m_historyCombo;
  std::string m_editText;
};

}  // namespace pelmo
