// CMainDialog: the always-on-top strip, run modally for the life of the process. It holds the
// controls and routes the commands of its buttons, menus and tray icon; the clipboard viewer, the
// clipboard port, the placement and the files do the work behind them.
#pragma once

#include <string>

#include "app/AppTaskbarIcon.h"
#include "app/ClipboardViewer.h"
#include "app/QuickWindowHotKey.h"
#include "app/StripClipboardPort.h"
#include "app/StripControls.h"
#include "app/StripFiles.h"
#include "app/StripInline.h"
#include "app/StripPlacement.h"
#include "app/StripSync.h"
#include "app/WindowsShell.h"
#include "framework/Dialog.h"
#include "model/Workspace.h"
#include "resource.h"
#include "tools/InlineDialog.h"

namespace pelmo {

class CMainDialog : public CDialog, private HistoryComboOwner, private InlineOwner {
 public:
  explicit CMainDialog(Workspace& workspace);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override { OnOK(); }
  void DoDataExchange(DataExchange& dx) override { m_controls.Exchange(dx); }
  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool RunCommand(WORD id);
  // The tray icon, the hotkey and the drop target, once the window has been painted.
  void StartUnseenParts();
  void SaveAll();
  void SetFrameCloseTarget(HWND target) const;
  // Holds the quick window's key from the INI file; what keeps it from being held is told once
  // per key, by a balloon from the tray icon.
  void TakeQuickWindowKey();

  // The history commands and the drop-down's requests (MainDialogItems.cpp)
  void PutBackSelected(bool forced);
  void SelectAndCopy(std::optional<int> row);
  void Step(std::optional<int> row);
  void EditItem();
  // Takes in what the other computers copied, the newest onto the clipboard when so set.
  void TakeInShared();
  void ExecuteEditText();
  void AddItem() override {
    m_controls.history.SelectAllText();
    m_controls.history.Copy();
  }
  void FindNext(CHistoryCombo& combo, const std::u16string& text) override;
  void ExecuteText(const std::string& text, bool explore) override {
    ExecuteWithShell(text, explore);
  }
  bool ReturnFocus() override { return m_port.ReturnFocus(); }
  void AddToClipBook() override { RunCommand(ID_TO_CLIPBOOK); }
  void FollowMouse() override {
    if (m_port.TakeForeground()) ::SetFocus(m_controls.history.m_hWnd);
  }
  void TakeDroppedFiles(const std::string& paths) override {
    m_port.CopyAs(HistoryItem{paths, {}}, kDroppedFiles);
  }
  void TakeDroppedText(const std::string& text) override { m_port.WriteText(text); }

  // Inline mode and the options that act at once
  void ToggleInline() {
    m_inline.Toggle(m_workspace, m_port, *this, *this, m_controls.history.GetCurSel());
  }
  void RefillInline() { m_inline.Refill(m_workspace.history, m_controls.history.GetCurSel()); }
  void RunOnEntry(WORD command, const HistoryItem* item) override;
  void ApplySettings();

  Workspace& m_workspace;
  StripControls m_controls;
  StripClipboardPort m_port;
  ClipboardViewer m_viewer{m_port.Capture()};
  StripPlacement m_placement;
  StripFiles m_files;
  StripInline m_inline;
  CAppTaskbarIcon m_trayIcon{*this, m_inline};
  QuickWindowHotKey m_hotKey;
  StripSync m_sync{m_workspace};
  int m_findPosition = 0;
  bool m_ended = false;
};

}  // namespace pelmo
