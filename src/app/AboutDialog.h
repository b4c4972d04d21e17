// CAboutDialog: the program's name, version and credits (dialog 100), run with DoModal.
#pragma once

#include "framework/Dialog.h"

namespace pelmo {

class CAboutDialog : public CDialog {
 public:
  explicit CAboutDialog(CWnd* parent = nullptr);
};

}  // namespace pelmo
