// CCalculatorDialog: the calculator window (dialog 153). Its keys, the typing in the expression
// field and "=" follow the rules of CalculatorKeys; its list of earlier expressions lives in the
// ".clc" file next to the executable (CalculatorHistory), loaded when the window opens and saved
// on every way of closing it.
#pragma once

#include "calc/CalculatorKeys.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"

namespace pelmo {

class CCalculatorDialog : public CDialog {
 public:
  explicit CCalculatorDialog(CWnd* parent = nullptr);

  // Entries kept in the history file; below 4 counts as 4. Set before DoModal.
  unsigned m_historyLimit = 20;

  CComboBox m_list;  // control 1051: the expression and the list of earlier expressions
  CWnd m_result;  // control 1010

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void Pull() { UpdateData(true); }
  void Push() { UpdateData(false); }
  void OnEquals();
  void OnChoose();
  void FocusList();
  void LoadHistory();
  void SaveHistoryAndEnd(int result);

  CalculatorKeys m_keys;
  bool m_ending = false;
  bool m_keepFile = false;  // the history file is there but could not be read
};

// Runs the calculator modally, owned by `owner`, which stays disabled while it is open.
// `historyLimit` is the "Calculator" setting.
void ShowCalculator(CWnd& owner, int historyLimit);

}  // namespace pelmo
