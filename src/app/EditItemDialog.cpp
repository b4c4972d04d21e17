#include "app/EditItemDialog.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "framework/SystemCodePage.h"
#include "resource.h"

namespace pelmo {

CEditItemDialog::CEditItemDialog(CWnd* parent) : CDialog(IDD_EDIT_ITEM, parent) {}

void CEditItemDialog::DoDataExchange(DataExchange& dx) {
  m_editor = GetDlgItem(IDC_EDIT_TEXT);
  DDX_Text(dx, IDC_EDIT_TEXT, m_text);
  if (dx.m_bSaveAndValidate)
    m_wide = WideIfLostInAnsi(WideWindowText(m_editor), m_text);
  else if (!m_wide.empty())
    ::SetWindowTextW(m_editor, reinterpret_cast<const wchar_t*>(m_wide.c_str()));
}

BOOL CEditItemDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_bigFont) {
    LOGFONTA font{};
    font.lfHeight = 10;
    std::strcpy(font.lfFaceName, "System");
    m_font.Reset(::CreateFontIndirectA(&font));
    ::SendMessageA(m_editor, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
  }
  return TRUE;
}

// The text field keeps its top-left corner and reaches the client area's right and bottom edges.
void CEditItemDialog::OnSize(int width, int height) {
  if (m_editor) StretchToClient(m_editor, width, height);  // not while being created
}

}  // namespace pelmo
