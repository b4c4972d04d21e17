#include "app/AboutDialog.h"

#include "resource.h"

namespace pelmo {

CAboutDialog::CAboutDialog(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

}  // namespace pelmo
