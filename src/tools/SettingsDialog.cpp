#include "tools/SettingsDialog.h"

#include <string>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "model/Settings.h"
#include "resource.h"
#include "tools/SettingsForm.h"

namespace pelmo {

namespace {

struct CheckBox {
  int id;
  int Settings::*option;
};

// In the window's order, after the two upper edit boxes.
constexpr CheckBox kCheckBoxes[] = {
    {IDC_SET_SAVE, &Settings::save},
    {IDC_SET_CAPTURE_HTML, &Settings::captureHTML},
    {IDC_SET_SOFT_BUTTONS, &Settings::softButtons},
    {IDC_SET_AUTO_FOCUS, &Settings::autoFocus},
    {IDC_SET_QUICKREP, &Settings::quickRep},
    {IDC_SET_AUTO_PASTE, &Settings::autoPaste},
    {IDC_SET_MINIMIZE, &Settings::minimize},
    {IDC_SET_PREVIEW, &Settings::preview},
    {IDC_SET_INLINE, &Settings::inlineMode},
    {IDC_SET_BIG_FONT, &Settings::bigFont},
    {IDC_SET_KEEP_TOP, &Settings::keepTop},
    {IDC_SET_OEM, &Settings::oem},
    {IDC_SET_HIDE_DESK, &Settings::hideDesk},
    {IDC_SET_HIDE, &Settings::hide},
};

void ExchangeCount(DataExchange& dx, int id, int& count) {
  if (!dx.m_bSaveAndValidate) {
    ::SetWindowTextA(dx.Control(id), std::to_string(count).c_str());
    return;
  }
  const auto typed = ParseCount(WindowText(dx.Control(id)));
  if (!typed) dx.Refuse(id, "Please enter a positive integer.");
  count = *typed;
}

void ExchangeCheck(DataExchange& dx, int id, int& option) {
  int checked = ShownChecked(option) ? 1 : 0;
  DDX_Check(dx, id, checked);
  if (dx.m_bSaveAndValidate) option = checked == BST_CHECKED ? 1 : 0;
}

bool IsChecked(HWND dialog, int id) {
  return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class CSettingsDialog : public CDialog {
 public:
  CSettingsDialog(const Settings& settings, CWnd* parent)
      : CDialog(IDD_SETTINGS, parent), m_settings(settings) {}

  Settings m_settings;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void AutoPasteRule();
};

BOOL CSettingsDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  AutoPasteRule();
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  // The OEM text format only differs from the ANSI one on the NT platform.
  if (::GetVersionExA(&version))
    ::EnableWindow(GetDlgItem(IDC_SET_OEM), version.dwPlatformId == VER_PLATFORM_WIN32_NT);
  return TRUE;
}

void CSettingsDialog::DoDataExchange(DataExchange& dx) {
  ExchangeCount(dx, IDC_SET_ITEM_MAXIMUM, m_settings.deleteAfter);
  DDX_Text(dx, IDC_SET_IGNORE_MORE, m_settings.ignoreMore);
  for (const CheckBox& box : kCheckBoxes) ExchangeCheck(dx, box.id, m_settings.*box.option);
  ExchangeCount(dx, IDC_SET_CALCULATOR, m_settings.calculator);
}

bool CSettingsDialog::OnCommand(WORD id, WORD code, HWND control) {
  if ((id == IDC_SET_AUTO_FOCUS || id == IDC_SET_QUICKREP) && code == BN_CLICKED) {
    AutoPasteRule();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CSettingsDialog::AutoPasteRule() {
  // Auto Paste only acts after a Quick Replace, into the window that Auto focus remembered. Its
  // check is kept either way. Only the two boxes are read: a half-typed number elsewhere must
  // not be refused for a click on a check box.
  const bool usable = IsChecked(m_hWnd, IDC_SET_AUTO_FOCUS) && IsChecked(m_hWnd, IDC_SET_QUICKREP);
  ::EnableWindow(GetDlgItem(IDC_SET_AUTO_PASTE), usable);
}

}  // namespace

bool ShowSettings(const ToolContext& context) {
  CSettingsDialog dialog(context.workspace.options, &context.owner);
  if (dialog.DoModal() != IDOK) return false;
  context.workspace.options = dialog.m_settings;
  return true;
}

}  // namespace pelmo
