#include "tools/ClipBookDialog.h"

#include "tools/ClipBook.h"

namespace pelmo {

CClipBookDialog::CClipBookDialog(std::vector<HistoryItem>& clipBook, ClipboardPort& port,
                                 CWnd* parent)
    : CListToolDialog(IDD_CLIPBOOK, clipBook, parent), m_port(port) {}

void CClipBookDialog::DoDataExchange(DataExchange& dx) {
  CListToolDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_CLIPBOOK_DELETE, m_deleteButton);
  DDX_Control(dx, IDC_UP, m_upButton);
  DDX_Control(dx, IDC_DOWN, m_downButton);
  DDX_Control(dx, IDC_CLIPBOOK_COPY, m_copyButton);
}

BOOL CClipBookDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetUpFlatButtons({{m_deleteButton, IDB_DELETE, "Delete"},
                    {m_upButton, IDB_UP, "Move Up"},
                    {m_downButton, IDB_DOWN, "Move Down"},
                    {m_copyButton, IDB_COPY, "Copy to clipboard"}});
  Fill();
  return TRUE;
}

std::string CClipBookDialog::RowText(const HistoryItem& entry) const {
  return ClipBookName(entry.text);
}

std::u16string CClipBookDialog::WideRowText(const HistoryItem& entry) const {
  return ClipBookName(entry.wide);
}

bool CClipBookDialog::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_ITEM_LIST) {
    if (code != LBN_DBLCLK) return false;
    Copy();
    m_port.ReturnFocus();
    return true;
  }
  // Owner-drawn buttons also report double clicks; a button acts on a click only.
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_CLIPBOOK_DELETE:
      DeleteSelected();
      return true;
    case IDC_UP:
      Move(-1);
      return true;
    case IDC_DOWN:
      Move(+1);
      return true;
    case IDC_CLIPBOOK_COPY:
      Copy();
      return true;
    default:
      return false;
  }
}

void CClipBookDialog::Move(int step) {
  const auto row = MoveClipBookEntry(m_entries, SelectedEntry(), step);
  if (!row) return;
  Fill();
  m_list.SetCurSel(*row);
}

void CClipBookDialog::Copy() {
  const int index = SelectedEntry();
  if (index < 0) return;
  m_port.CopyFromOwnWindow(ClipBookText(m_entries[static_cast<size_t>(index)]));
}

void ShowClipBook(Workspace& workspace, ClipboardPort& port, CWnd& owner) {
  CClipBookDialog(workspace.clipBook, port, &owner).DoModal();
}

}  // namespace pelmo
