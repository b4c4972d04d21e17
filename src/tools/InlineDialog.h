// CInlineDialog: Inline mode's window (dialog 170), a child of the shell's taskbar between the
// task buttons and the notification area. Its drop-down is a second view of the history; Edit
// and Delete act through the strip's own commands, on the entry chosen here.
#pragma once

#include <memory>

#include "model/ClipboardPort.h"
#include "model/Workspace.h"
#include "controls/HistoryCombo.h"
#include "controls/OXBitmapButton.h"
#include "framework/Dialog.h"
#include "tools/InlineLayout.h"

namespace pelmo {

// What the inline window asks of the strip besides the clipboard port.
class InlineOwner {
 public:
  virtual ~InlineOwner() = default;
  // The strip's Delete Item or Edit Item (the command id) on this entry, when it is still there.
  virtual void RunOnEntry(WORD command, const HistoryItem* item) = 0;
};

// The taskbar's windows that Inline mode works with.
struct TaskbarWindows {
  HWND taskbar = nullptr;
  HWND taskSwitch = nullptr;  // the task buttons, shrunk to make room
  HWND notifyArea = nullptr;
};

class CInlineDialog : public CDialog {
 public:
  CInlineDialog(Workspace& workspace, ClipboardPort& port, InlineOwner& owner,
                const TaskbarWindows& taskbar);
  ~CInlineDialog() override;

  // Creates the window in the taskbar, takes its width, lays it out and shows it.
  bool Open();
  // Shrinks the task buttons and puts the window into the gap before the notification area.
  void LayOut();
  CHistoryCombo& Combo() { return m_combo; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The window lives as long as the mode; Enter and Escape must not end it.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void ChooseRow();
  void CollapseOrExpand();

  Workspace& m_workspace;
  ClipboardPort& m_port;
  InlineOwner& m_owner;
  TaskbarWindows m_taskbar;
  int m_width = 0;
  InlineCollapse m_collapse;

  CHistoryCombo m_combo;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_editButton;
  COXBitmapButton m_collapseButton;
};

// The shell's taskbar ("Shell_TrayWnd", found by class) with its notification area and task
// buttons among its direct children; empty when any of them is missing.
std::optional<TaskbarWindows> FindTaskbar();

// Inline mode on: the inline window in the taskbar, or null when the taskbar lacks a part.
std::unique_ptr<CInlineDialog> EnterInline(Workspace& workspace, ClipboardPort& port,
                                           InlineOwner& owner);

}  // namespace pelmo
