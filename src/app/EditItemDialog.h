// CEditItemDialog: the resizable editor of one history entry's full text (dialog 147). The caller
// sets m_text and m_bigFont, runs DoModal and takes m_text back after IDOK.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"

namespace pelmo {

class CEditItemDialog : public CDialog {
 public:
  explicit CEditItemDialog(CWnd* parent = nullptr);

  CWnd m_editor;
  std::string m_text;
  int m_bigFont = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;

 private:
  void OnSize(int width, int height) override;

  GdiObject<HFONT> m_font;  // the "System" font, only with m_bigFont
};

}  // namespace pelmo
