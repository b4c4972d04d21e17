#include "app/AboutDialog.h"

#include "framework/Dialog.h"
#include "resource.h"

namespace pelmo {

void ShowAbout(const ToolContext& context) {
  CDialog(IDD_ABOUTBOX, &context.owner).DoModal();
}

}  // namespace pelmo
