// CDialog: a window made from a dialog template, run modally with our own message loop
// (DoModal) or created modeless (Create).
#pragma once

#include "framework/Wnd.h"

namespace pelmo {

class DataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_templateId(templateId), m_parent(parent) {}
  ~CDialog() override;

  // Disables the owner, creates the dialog and runs its messages until EndDialog; every queued
  // message is first offered to PreTranslateMessage of its target and the target's parents.
  INT_PTR DoModal();
  bool Create(HWND parent);
  // Modal: leaves the loop with this result. Modeless: destroys the window.
  void EndDialog(int result);
  bool IsModal() const { return m_modal; }

  // The innermost modal dialog running on this thread, null when none runs.
  static CDialog* ActiveModal();
  // Ends, as Cancel does and innermost first, every modal dialog that runs inside `base`'s (all
  // of them when `base` is not modal); true when there was one.
  static bool CancelModalsAbove(const CDialog* base);

  // Moves data between members and controls; false (and the dialog stays open) when an entry
  // was refused.
  bool UpdateData(bool save = true);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(DataExchange&) {}
  // Commands other than IDOK and IDCANCEL; true when handled.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // The client area's new size (also while the dialog is being created).
  virtual void OnSize(int /*width*/, int /*height*/) {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  HWND OwnerWindow() const;

  UINT m_templateId;
  CWnd* m_parent;

 private:
  bool CreateFromTemplate(HWND owner);
  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool m_modal = false;
  bool m_ending = false;
  int m_result = -1;
};

}  // namespace pelmo
