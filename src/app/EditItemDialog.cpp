#include "app/EditItemDialog.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/SystemCodePage.h"
#include "resource.h"

namespace pelmo {

namespace {

class CEditItemDialog : public CDialog {
 public:
  CEditItemDialog(const HistoryItem& entry, bool bigFont, CWnd* parent)
      : CDialog(IDD_EDIT_ITEM, parent), m_bigFont(bigFont) {
    m_edited.text = entry.text;
    m_edited.wide = entry.wide;
  }

  HistoryItem m_edited;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;

 private:
  void OnSize(int width, int height) override;

  // Not subclassed: our ANSI window procedure would narrow the UTF-16 text on its way through.
  HWND m_editor = nullptr;
  bool m_bigFont;
  GdiObject<HFONT> m_font;  // the "System" font, only with m_bigFont
};

void CEditItemDialog::DoDataExchange(DataExchange& dx) {
  m_editor = GetDlgItem(IDC_EDIT_TEXT);
  DDX_Text(dx, IDC_EDIT_TEXT, m_edited.text);
  if (dx.m_bSaveAndValidate)
    m_edited.wide = WideIfLostInAnsi(WideWindowText(m_editor), m_edited.text);
  else if (!m_edited.wide.empty())
    ::SetWindowTextW(m_editor, reinterpret_cast<const wchar_t*>(m_edited.wide.c_str()));
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

}  // namespace

std::optional<HistoryItem> ShowEditItem(const ToolContext& context, const HistoryItem& entry) {
  CEditItemDialog editor(entry, context.workspace.options.bigFont != 0, &context.owner);
  if (editor.DoModal() != IDOK) return std::nullopt;
  return editor.m_edited;
}

}  // namespace pelmo
