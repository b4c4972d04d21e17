// Data exchange refuses a number it cannot read: the message, the box's caption, the focus on the
// field and the member left as it was.
#include <gtest/gtest.h>

#include <string>

#include "ModalScript.h"
#include "WindowTestSupport.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ModulePath.h"
#include "resource.h"

namespace pelmo {
namespace {

// Any template with an edit box will do: the item editor's.
class NumberDialog : public CDialog {
 public:
  NumberDialog() : CDialog(IDD_EDIT_ITEM) {}
  bool isSigned = true;
  int signedValue = 0;
  unsigned unsignedValue = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    if (isSigned)
      DDX_Text(dx, IDC_EDIT_TEXT, signedValue);
    else
      DDX_Text(dx, IDC_EDIT_TEXT, unsignedValue);
  }
};

TEST(DataExchange, ReadsNumbersAndRefusesWhatItCannotRead) {
  const struct {
    bool isSigned;
    const char* typed;
    const char* refusal;  // null when the entry is taken
    long long value;
  } cases[] = {
      {true, " \t-42 ", nullptr, -42},
      {true, "4x", "Please enter an integer.", 0},
      {false, "7", nullptr, 7},
      {false, "-5", "Please enter a positive integer.", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    NumberDialog dialog;
    dialog.isSigned = c.isSigned;
    ASSERT_TRUE(dialog.Create(nullptr));
    ::SetDlgItemTextA(dialog.m_hWnd, IDC_EDIT_TEXT, c.typed);
    std::string shown, caption;
    test::ModalScript script({[&](HWND box) {
      caption = WindowText(box);
      shown = test::AnswerActiveWindow();
    }});
    EXPECT_EQ(dialog.UpdateData(true), c.refusal == nullptr);
    const long long value = c.isSigned ? static_cast<long long>(dialog.signedValue)
                                       : static_cast<long long>(dialog.unsignedValue);
    EXPECT_EQ(value, c.value);
    if (c.refusal) {
      EXPECT_EQ(shown, c.refusal);
      EXPECT_EQ(caption, ModuleBaseName());
      EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog.m_hWnd, IDC_EDIT_TEXT));
    } else {
      EXPECT_EQ(script.StepsRun(), 0u) << "no message for an entry that was taken";
    }
  }
}

}  // namespace
}  // namespace pelmo
