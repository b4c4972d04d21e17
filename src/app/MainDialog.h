// CMainDialog: the always-on-top strip. It is the program's clipboard viewer: every clipboard
// change arrives as WM_DRAWCLIPBOARD and is handed to the capture. It holds the program's state
// (the Workspace), routes the commands of its buttons, menus and tray icon, and runs modally for
// the life of the process.
#pragma once

#include <future>
#include <memory>
#include <string>

#include "app/AppTaskbarIcon.h"
#include "app/ChainWatch.h"
#include "app/ClipboardCapture.h"
#include "app/RetrySchedule.h"
#include "controls/HistoryCombo.h"
#include "controls/OXBitmapButton.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/IniProfile.h"
#include "model/ClipboardPort.h"
#include "model/Workspace.h"
#include "tools/InlineDialog.h"

namespace pelmo {

class CMainDialog : public CDialog,
                    public ClipboardPort,
                    private HistoryComboOwner,
                    private CaptureHost,
                    private InlineOwner {
 public:
  CMainDialog();

  // A clipboard change: captured, then passed on to the next viewer.
  void OnDrawClipboard();

  // History operations
  void Up();
  void Down();
  void DeleteItem();
  void DeleteRest();
  void AddItem() override;
  void MarkItem();
  void EditItem();
  void FindNext(const std::string& text) { FindNext(m_historyCombo, text); }
  void FindNext(CHistoryCombo& combo, const std::string& text) override;

  // Putting entries back
  void CopySelectedToClipboard(bool forced);
  bool ReturnFocus() override;
  void PutBack(const HistoryItem& item, bool forced) override;
  void CopyAs(const HistoryItem& text, int kind) override;
  void CopyFromOwnWindow(const HistoryItem& text) override;
  // Opens a text with the shell; failures are reported with the shell's reason.
  void ExecuteText(const std::string& text, bool explore) override;

  // The history drop-down's requests (MainDialogCombo.cpp)
  void AddToClipBook() override;
  void FollowMouse() override;
  void TakeDroppedFiles(const std::string& paths) override;
  void TakeDroppedText(const std::string& text) override;

  // The tray menu at the cursor.
  void ShowTrayMenu();

  // Inline mode on when it is off, off when it is on; it stays off when the taskbar is missing.
  void ToggleInline();
  bool InlineOn() const { return m_inline != nullptr; }
  CInlineDialog* Inline() { return m_inline.get(); }

  // The window's position: out of sight above the screen (minimize), or back where it was.
  void MinimizeAction(bool minimize);

  // The items file (history, ClipBook, links) and the Quick Replace file next to the
  // executable: load (1) or save (0). Returns 1 when done, 0 when the file was not read or
  // could not be written; problems are reported to the user. The items file is read on a worker
  // thread, so that a long history does not hold up the window: loading it starts the read and
  // returns 1; its entries come in when the read is done (TakeReadItems).
  int LoadSaveItems(int load);
  int LoadSaveQuickRep(int load);
  // Writes the position and the options, then the item files.
  void SaveAll();

  Workspace& GetWorkspace() { return m_workspace; }
  CHistoryCombo& GetHistoryCombo() { return m_historyCombo; }
  HWND NextViewer() const { return m_nextViewer; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DoDataExchange(DataExchange& dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // CaptureHost
  void RememberTarget() override;
  std::optional<ClipboardRead> ReadClipboard(bool oem, size_t maxBytes) override;
  void SelectNewEntry() override;
  bool PutReplacement(const std::string& text, bool paste) override;
  uint32_t ClipboardSequence() override { return ::GetClipboardSequenceNumber(); }
  // InlineOwner
  void RunOnEntry(WORD command, const HistoryItem* item) override;

  // Inline mode and the options that act at once (MainDialogInline.cpp)
  void RefillInline();
  void ApplySoftLook();
  void ApplySettings();

  // Takes in what the read of the items file found, waiting for it if it still runs: when it is
  // done, and before a save or a command, which must see every entry of the file.
  void TakeReadItems();

  // Runs the capture; a busy clipboard is read again by a timer, at growing intervals.
  void CaptureChange();
  void RetryCapture();
  void StopCaptureRetry();

  // The viewer chain (MainDialogChain.cpp): joined at start, checked by a timer and joined
  // again when it no longer brings the changes.
  static constexpr UINT_PTR kChainCheckTimer = 3;
  void JoinViewerChain();
  void CheckViewerChain();
  void OnChangeCbChain(HWND removed, HWND next);
  bool RunCommand(WORD id);
  void SelectAndCopy(int row);
  void FitWindowToControls();
  void RestorePosition();
  void ShowItemMenuAtClientOrigin();
  void ExecuteEditText();
  void SetFrameCloseTarget(HWND target) const;

  Workspace m_workspace;
  std::future<Loaded<ItemsFile>> m_itemsRead;  // valid from the start of the read until taken in
  ClipboardCapture m_capture{m_workspace, *this};
  IniProfile m_profile;
  HWND m_targetWindow = nullptr;
  HWND m_nextViewer = nullptr;
  ChainWatch m_chainWatch;
  // The sequence number of the change being passed on, to recognise it when a looping chain
  // brings it back; nullopt when none is.
  std::optional<DWORD> m_capturedSequence;  // the clipboard as the last capture left it
  std::optional<DWORD> m_forwarding;
  bool m_healing = false;  // the notification comes from joining the chain again
  int m_findPosition = 0;
  RetrySchedule m_retrySchedule;
  bool m_ended = false;

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
  std::unique_ptr<CInlineDialog> m_inline;
};

}  // namespace pelmo
