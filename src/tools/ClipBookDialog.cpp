#include "tools/ClipBookDialog.h"

#include <vector>

#include "controls/OXBitmapButton.h"
#include "tools/ClipBook.h"
#include "tools/ListToolDialog.h"

namespace pelmo {

namespace {

class CClipBookDialog : public CListToolDialog<std::vector<HistoryItem>> {
 public:
  CClipBookDialog(std::vector<HistoryItem>& clipBook, ClipboardPort& port, CWnd* parent)
      : CListToolDialog(IDD_CLIPBOOK, clipBook, parent), m_port(port) {}

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  std::string RowText(const HistoryItem& entry) const override { return ClipBookName(entry.text); }
  std::u16string WideRowText(const HistoryItem& entry) const override {
    return ClipBookName(entry.wide);
  }

 private:
  void Copy();

  ClipboardPort& m_port;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_upButton;
  COXBitmapButton m_downButton;
  COXBitmapButton m_copyButton;
};

void CClipBookDialog::DoDataExchange(DataExchange& dx) {
  CListToolDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_CLIPBOOK_DELETE, m_deleteButton);
  DDX_Control(dx, IDC_UP, m_upButton);
  DDX_Control(dx, IDC_DOWN, m_downButton);
  DDX_Control(dx, IDC_CLIPBOOK_COPY, m_copyButton);
}

BOOL CClipBookDialog::OnInitDialog() {
  CListToolDialog::OnInitDialog();
  SetUpFlatButtons({{m_deleteButton, IDB_DELETE, "Delete"},
                    {m_upButton, IDB_UP, "Move Up"},
                    {m_downButton, IDB_DOWN, "Move Down"},
                    {m_copyButton, IDB_COPY, "Copy to clipboard"}});
  return TRUE;
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
      MoveSelected(-1);
      return true;
    case IDC_DOWN:
      MoveSelected(+1);
      return true;
    case IDC_CLIPBOOK_COPY:
      Copy();
      return true;
    default:
      return false;
  }
}

void CClipBookDialog::Copy() {
  if (const std::optional<size_t> index = SelectedEntry())
    m_port.CopyFromOwnWindow(ClipBookText(m_entries[*index]));
}

}  // namespace

void ShowClipBook(const ToolContext& context) {
  CClipBookDialog(context.workspace.clipBook, context.port, &context.owner).DoModal();
}

}  // namespace pelmo
