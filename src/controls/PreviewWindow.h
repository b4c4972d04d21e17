// CPreviewWindow: a multi-line history entry's whole text in a light-yellow pop-up in the
// middle of the screen, shown while the entry is highlighted in an open drop-down list, or beside
// the quick window while it is selected there. It is disabled and never activated, so the focus
// stays where it was.
#pragma once

#include <optional>
#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Geometry.h"

namespace pelmo {

class CPreviewWindow : public CDialog {
 public:
  CPreviewWindow();

  // Creates the hidden window on first use.
  bool EnsureCreated();
  // Shows the entry's text: `wide` when it is kept (the ANSI code page could not hold it).
  void ShowText(const std::string& text, const std::u16string& wide);
  // The same beside `window`, a topmost window, and above it.
  void ShowTextBeside(const std::string& text, const std::u16string& wide, const Rect& window);
  void Hide() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Puts the text in and makes the window as high as the text, at most the screen; its size, none
  // when the window could not be made.
  std::optional<Size> Fit(const std::string& text, const std::u16string& wide);

  GdiObject<HBRUSH> m_background;
};

}  // namespace pelmo
