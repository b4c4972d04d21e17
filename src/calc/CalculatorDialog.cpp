#include "calc/CalculatorDialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/CalculatorKeys.h"
#include "framework/ComboBox.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "model/CalculatorHistoryStore.h"
#include "resource.h"

namespace pelmo {

namespace {

// A key that appends text (CalculatorKeys gives the dual keys their second text).
struct AppendingKey {
  int id;
  const char* text;
};

constexpr AppendingKey kAppendingKeys[] = {
    {IDC_CALC_0, "0"},        {IDC_CALC_1, "1"},          {IDC_CALC_2, "2"},
    {IDC_CALC_3, "3"},        {IDC_CALC_4, "4"},          {IDC_CALC_5, "5"},
    {IDC_CALC_6, "6"},        {IDC_CALC_7, "7"},          {IDC_CALC_8, "8"},
    {IDC_CALC_9, "9"},        {IDC_CALC_POINT, "."},      {IDC_CALC_OPEN, "("},
    {IDC_CALC_CLOSE, ")"},    {IDC_CALC_EXPONENT, "e"},   {IDC_CALC_DIVIDE, "/"},
    {IDC_CALC_MULTIPLY, "*"}, {IDC_CALC_SUBTRACT, "-"},   {IDC_CALC_ADD, "+"},
    {IDC_CALC_SIN, "sin("},   {IDC_CALC_COS, "cos("},     {IDC_CALC_TAN, "tan("},
    {IDC_CALC_LN, "ln("},     {IDC_CALC_LOG, "log("},     {IDC_CALC_DEG, "deg("},
    {IDC_CALC_ERF, "erf("},   {IDC_CALC_GAMMA, "gamma("}, {IDC_CALC_LGAMMA, "lgamma("},
    {IDC_CALC_POWER, "^"},    {IDC_CALC_FACT, "fact("},   {IDC_CALC_SQRT, "sqrt("},
    {IDC_CALC_PI, "pi"},      {IDC_CALC_E, "e"},          {IDC_CALC_EL, "_e"},
};

// The framework's help context of a dialog: HID_BASE_RESOURCE plus its template id.
constexpr DWORD_PTR kHelpContext = 0x20000 + IDD_CALCULATOR;

// The expression field: set only when its text differs, with the caret after the last
// character, so that typing goes on where it stopped.
void ExchangeExpression(DataExchange& dx, std::string& expression) {
  HWND list = dx.Control(IDC_CALC_LIST);
  if (dx.m_bSaveAndValidate) {
    expression = WindowText(list);
  } else if (WindowText(list) != expression) {
    ::SetWindowTextA(list, expression.c_str());
    const auto end = static_cast<WORD>(std::min<size_t>(expression.size(), 0xFFFF));
    ::SendMessageA(list, CB_SETEDITSEL, 0, MAKELPARAM(end, end));
  }
}

class CCalculatorDialog : public CDialog {
 public:
  CCalculatorDialog(CalculatorHistoryStore& store, CWnd* parent)
      : CDialog(IDD_CALCULATOR, parent), m_store(store) {}

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

  CalculatorHistoryStore& m_store;
  CComboBox m_list;  // control 1051: the expression and the list of earlier expressions
  CWnd m_result;     // control 1010
  CalculatorKeys m_keys;
  bool m_ending = false;
};

void CCalculatorDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_CALC_LIST, m_list);
  DDX_Control(dx, IDC_CALC_RESULT, m_result);
  ExchangeExpression(dx, m_keys.texts.expression);
  DDX_Text(dx, IDC_CALC_RESULT, m_keys.texts.result);
  DDX_Text(dx, IDC_CALC_INDICATOR, m_keys.texts.indicator);
}

BOOL CCalculatorDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  LoadHistory();
  return TRUE;
}

void CCalculatorDialog::LoadHistory() {
  std::vector<std::string> entries;
  const FileOutcome loaded = m_store.Load(entries);
  for (const std::string& entry : entries) m_list.InsertString(-1, entry);
  m_keys.AppendHistory(std::move(entries));
  if (!loaded.problem.empty()) AppMessageBox(loaded.problem, MB_OK | MB_ICONEXCLAMATION);
}

// Every way of closing comes here once: a second request while the failure of the first is
// being reported finds the window already ending.
void CCalculatorDialog::SaveHistoryAndEnd(int result) {
  if (m_ending) return;
  m_ending = true;
  const FileOutcome saved = m_store.Save(m_keys.History());
  if (!saved.problem.empty()) AppMessageBox(saved.problem, MB_OK | MB_ICONHAND);
  EndDialog(result);
}

void CCalculatorDialog::OnOK() {
  SaveHistoryAndEnd(IDOK);
}

void CCalculatorDialog::OnCancel() {
  SaveHistoryAndEnd(IDCANCEL);
}

void CCalculatorDialog::FocusList() {
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_list.m_hWnd), TRUE);
}

void CCalculatorDialog::OnEquals() {
  Pull();
  if (m_keys.Equals()) {
    m_list.InsertString(0, m_keys.History().front());
    m_list.SetCurSel(0);
  }
  Push();
  FocusList();
}

void CCalculatorDialog::OnChoose() {
  const int row = m_list.GetCurSel();
  if (row < 0) return;
  m_keys.Choose(static_cast<size_t>(row));
  Push();
}

bool CCalculatorDialog::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_CALC_LIST) {
    if (code == CBN_EDITCHANGE) {
      Pull();
      if (m_keys.EditChanged()) Push();
    } else if (code == CBN_SELENDOK) {
      OnChoose();
    }
    return true;
  }
  if (code != BN_CLICKED) return false;
  for (const AppendingKey& key : kAppendingKeys) {
    if (key.id == id) {
      Pull();
      m_keys.Append(key.text);
      Push();
      return true;
    }
  }
  switch (id) {
    case IDC_CALC_EQUALS:
      OnEquals();
      return true;
    case IDC_CALC_SHIFT:
      m_keys.Shift();
      return true;
    case IDC_CALC_CLEAR:
      m_keys.Clear();
      Push();
      FocusList();
      return true;
    case IDC_CALC_BACKSPACE:
      Pull();
      m_keys.Backspace();
      Push();
      return true;
    case IDC_CALC_FUNCT:
      if (CWinApp* app = AfxGetApp()) app->WinHelp(kHelpContext);
      return true;
    case IDC_CALC_HYP:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ShowCalculator(const ToolContext& context) {
  CalculatorHistoryStore store(
      ModuleFileName(), static_cast<unsigned>(std::max(context.workspace.options.calculator, 0)));
  CCalculatorDialog(store, &context.owner).DoModal();
}

}  // namespace pelmo
