// CSettingsDialog: the "Settings" window (dialog 146). It edits a copy of the options; the
// caller takes the copy back only when the window is confirmed with OK.
#pragma once

#include "framework/Dialog.h"
#include "model/Settings.h"

namespace pelmo {

class CSettingsDialog : public CDialog {
 public:
  explicit CSettingsDialog(CWnd* parent = nullptr);

  Settings m_settings;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void AutoPasteRule();
};

// "Settings ...": true when the user confirmed changes into `options`; otherwise they are left
// as they were. Nothing is applied or written here.
bool EditSettings(Settings& options, CWnd& owner);

}  // namespace pelmo
