#include "app/EditItemDialog.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "resource.h"

namespace pelmo {

CEditItemDialog::CEditItemDialog(CWnd* parent) : CDialog(IDD_EDIT_ITEM, parent) {}

void CEditItemDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_EDIT_TEXT, m_editor);
  DDX_Text(dx, IDC_EDIT_TEXT, m_text);
}

BOOL CEditItemDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_bigFont) {
    LOGFONTA font{};
    font.lfHeight = 10;
    std::strcpy(font.lfFaceName, "System");
    m_font.Reset(::CreateFontIndirectA(&font));
    m_editor.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
  }
  return TRUE;
}

// The text field keeps its top-left corner and reaches the client area's right and bottom edges.
void CEditItemDialog::OnSize(int width, int height) {
  if (m_editor.m_hWnd) StretchToClient(m_editor, width, height);  // not while being created
}

}  // namespace pelmo
