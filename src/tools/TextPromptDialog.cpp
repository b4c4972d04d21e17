#include "tools/TextPromptDialog.h"

#include <utility>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "resource.h"

namespace pelmo {

namespace {

class CTextPromptDialog : public CDialog {
 public:
  CTextPromptDialog(UINT dialogId, CWnd& owner, std::string text)
      : CDialog(dialogId, &owner), m_text(std::move(text)) {}

  std::string m_text;

 protected:
  void DoDataExchange(DataExchange& dx) override { DDX_Text(dx, IDC_EDIT_TEXT, m_text); }
};

}  // namespace

bool PromptForText(UINT dialogId, CWnd& owner, std::string& text) {
  CTextPromptDialog prompt(dialogId, owner, text);
  if (prompt.DoModal() != IDOK) return false;
  text = std::move(prompt.m_text);
  return true;
}

}  // namespace pelmo
