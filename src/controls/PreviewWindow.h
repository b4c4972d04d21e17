// CPreviewWindow: a multi-line history entry's whole text in a light-yellow pop-up in the
// middle of the screen, shown while the entry is highlighted in an open drop-down list. It is
// disabled and never activated, so the focus stays in the drop-down.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"

namespace pelmo {

class CPreviewWindow : public CDialog {
 public:
  CPreviewWindow();

  // Creates the hidden window on first use.
  bool EnsureCreated();
  // Shows the entry's text: `wide` when it is kept (the ANSI code page could not hold it).
  void ShowText(const std::string& text, const std::u16string& wide);
  void Hide() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  GdiObject<HBRUSH> m_background;
};

}  // namespace pelmo
