// CMainDialog: the always-on-top strip. It is the program's clipboard viewer (every clipboard
// change arrives as WM_DRAWCLIPBOARD and is captured into the history), owns every list and
// option of the program, and runs modally for the life of the process.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/AppTaskbarIcon.h"
#include "app/History.h"
#include "app/ItemFiles.h"
#include "controls/HistoryCombo.h"
#include "controls/OXBitmapButton.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "tools/IniProfile.h"
#include "tools/Settings.h"

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
  void EditItem();
  void FindNext(const std::string& text) override;

  // Putting entries back
  void CopySelectedToClipboard(bool forced);
  bool ReturnFocus() override;
  // Opens a text with the shell; failures are reported with the shell's reason.
  void ExecuteText(const std::string& text, bool explore) override;

  // The tray menu at the cursor.
  void ShowTrayMenu();

  // The window's position: out of sight above the screen (minimize), or back where it was.
  void MinimizeAction(bool minimize);

  // The items file (history, ClipBook, links) and the Quick Replace file next to the
  // executable: load (1) or save (0). Returns 1 when done, 0 when the file was not read or
  // could not be written.
  int LoadSaveItems(int load);
  int LoadSaveQuickRep(int load);
  // Writes the position and the options, then the item files.
  void SaveAll();

  History& GetHistory() { return m_history; }
  CHistoryCombo& GetHistoryCombo() { return m_historyCombo; }
  HWND NextViewer() const { return m_nextViewer; }

  // Every option; the built-in values hold until set-up reads the settings file.
  Settings m_options;
  std::vector<std::string> m_clipBook;
  std::deque<std::string> m_links;  // newest first
  std::vector<QuickRepItem> m_quickRep;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DoDataExchange(DataExchange& dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnChangeCbChain(HWND removed, HWND next);
  void SelectAndCopy(int row);
  void FitWindowToControls();
  void RestorePosition();
  void ShowItemMenuAtClientOrigin();
  void ExecuteEditText();
  void SetFrameCloseTarget(HWND target) const;

  IniProfile m_profile;
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
  CAppTaskbarIcon m_trayIcon{*this};
};

}  // namespace pelmo
