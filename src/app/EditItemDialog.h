// CEditItemDialog: the resizable editor of one history entry's full text (dialog 147). The caller
// sets m_text (and m_wide for an entry that keeps a wide text) and m_bigFont, runs DoModal and
// takes m_text and m_wide back after IDOK: m_text is the ANSI form of what the field holds and
// m_wide the field's UTF-16 text when the ANSI form lost characters of it, empty otherwise.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"

namespace pelmo {

class CEditItemDialog : public CDialog {
 public:
  explicit CEditItemDialog(CWnd* parent = nullptr);

  // Not subclassed: our ANSI window procedure would narrow the UTF-16 text on its way through.
  HWND m_editor = nullptr;
  std::string m_text;
  std::u16string m_wide;
  int m_bigFont = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;

 private:
  void OnSize(int width, int height) override;

  GdiObject<HFONT> m_font;  // the "System" font, only with m_bigFont
};

}  // namespace pelmo
