#include "tools/ConcatenateDialog.h"

#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "framework/SystemCodePage.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resource.h"
#include "tools/Concatenate.h"

namespace pelmo {

namespace {

// Leaves the joined text (and its wide form, when a joined text has one) in m_result after IDOK.
class CConcatenateDialog : public CDialog {
 public:
  CConcatenateDialog(const std::vector<HistoryItem>& items, CWnd* parent);

  HistoryItem m_result;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;

 private:
  void DelimiterRule();
  void ItemRule();
  void FollowListSelection();

  const std::vector<HistoryItem>& m_items;
  CListBox m_list;
  ConcatenateChoice m_choice;
};

CConcatenateDialog::CConcatenateDialog(const std::vector<HistoryItem>& items, CWnd* parent)
    : CDialog(IDD_CONCATENATE, parent), m_items(items) {}

void CConcatenateDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_CONCATENATE_LIST, m_list);
  DDX_Radio(dx, IDC_NEW_LINE_DELIMITER, m_choice.delimiterChoice);
  DDX_Radio(dx, IDC_ALL_ITEMS, m_choice.itemChoice);
  DDX_Text(dx, IDC_DELIMITER_TEXT, m_choice.delimiterString);
  // Last: a refused count leaves the choices above read.
  DDX_Text(dx, IDC_FIRST_COUNT, m_choice.firstCount);
}

BOOL CConcatenateDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  int number = 0;
  for (const HistoryItem& item : m_items) {
    ++number;
    m_list.AddString(ConcatenateRow(number, item.text), ConcatenateRow(number, item.wide));
  }
  DelimiterRule();
  ItemRule();
  return TRUE;
}

void CConcatenateDialog::DelimiterRule() {
  UpdateData(true);
  ::EnableWindow(GetDlgItem(IDC_DELIMITER_TEXT), m_choice.delimiterChoice == kDelimiterString);
}

void CConcatenateDialog::ItemRule() {
  UpdateData(true);
  ::EnableWindow(GetDlgItem(IDC_FIRST_COUNT), m_choice.itemChoice == kFirstItems);
}

void CConcatenateDialog::FollowListSelection() {
  UpdateData(true);
  FollowSelection(m_list.GetSelectedRows(), m_choice);
  UpdateData(false);
  ItemRule();
}

bool CConcatenateDialog::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_CONCATENATE_LIST) {
    if (code != LBN_SELCHANGE) return false;
    FollowListSelection();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_NEW_LINE_DELIMITER:
    case IDC_STRING_DELIMITER:
      DelimiterRule();
      return true;
    case IDC_ALL_ITEMS:
      ItemRule();
      AppMessageBox("There are " + std::to_string(m_list.GetCount()) + " items in pelmo.", MB_OK);
      return true;
    case IDC_FIRST_ITEMS:
    case IDC_SELECTED_ITEMS:
    case IDC_SELECTED_REVERSED:
      ItemRule();
      return true;
    default:
      return false;
  }
}

void CConcatenateDialog::OnOK() {
  if (!UpdateData(true)) return;
  WaitCursor wait;
  auto result = Concatenate(m_items, m_list.GetSelectedRows(), m_choice, FromSystemAnsi);
  if (!result) return;  // "Selected" with nothing selected: the window stays open
  m_result = std::move(*result);
  EndDialog(IDOK);
}

}  // namespace

void ShowConcatenate(const ToolContext& context) {
  const History& history = context.workspace.history;
  std::vector<HistoryItem> items;
  for (int row = 0; row < history.Count(); ++row) items.push_back(history.At(row));
  CConcatenateDialog dialog(items, &context.owner);
  if (dialog.DoModal() == IDOK && !dialog.m_result.text.empty())
    context.port.CopyAs(dialog.m_result, kConcatenated);
}

}  // namespace pelmo
