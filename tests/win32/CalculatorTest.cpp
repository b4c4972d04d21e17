// The calculator window, driven by clicks on its buttons; what it shows is read back from the
// controls, what it keeps from its history file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ModalScript.h"
#include "ToolContextFixture.h"
#include "WindowTestSupport.h"
#include "model/CalculatorHistory.h"
#include "calc/CalculatorDialog.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "resource.h"

namespace pelmo {
namespace {

using test::ModalScript;
using Rows = std::vector<std::string>;

std::string HistoryFile() {
  return ItemFileName(ModuleFileName(), kCalculatorHistoryExtension);
}

// Each test starts without a history file and leaves none behind.
class CalculatorTest : public testing::Test {
 protected:
  void SetUp() override { RemoveFiles(); }
  void TearDown() override { RemoveFiles(); }

  static void RemoveFiles() { ::DeleteFileA(HistoryFile().c_str()); }
  static Rows Saved() { return LoadCalculatorHistory(HistoryFile(), 1000).content; }
};

// A click on the real button: it sends its own BN_CLICKED.
void Press(HWND dialog, std::initializer_list<int> ids) {
  for (const int id : ids) ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Expression, result and indicator as shown.
Rows Shown(HWND dialog) {
  Rows shown;
  for (const int id : {IDC_CALC_LIST, IDC_CALC_RESULT, IDC_CALC_INDICATOR})
    shown.push_back(WindowText(::GetDlgItem(dialog, id)));
  return shown;
}

Rows ListRows(HWND dialog) {
  return test::ListBoxRows(::GetDlgItem(dialog, IDC_CALC_LIST), true);
}

HWND ExpressionEdit(HWND dialog) {
  return ::GetWindow(::GetDlgItem(dialog, IDC_CALC_LIST), GW_CHILD);
}

TEST_F(CalculatorTest, ButtonsAndTypingComputeTheRunningResultAndEqualsFillsTheList) {
  SaveCalculatorHistory(HistoryFile(), {"pi", "2^10"}, 20);
  test::ToolTestContext tool;
  std::vector<Rows> seen;
  bool focusOnExpression = false;
  wchar_t divide[4] = {};
  ModalScript script({
      [&](HWND dlg) {
        ::GetDlgItemTextW(dlg, IDC_CALC_DIVIDE, divide, 4);
        seen.push_back(Shown(dlg));
        seen.push_back(ListRows(dlg));
        Press(dlg, {IDC_CALC_7, IDC_CALC_MULTIPLY});
        seen.push_back(Shown(dlg));
        Press(dlg, {IDC_CALC_8, IDC_CALC_EQUALS});
        seen.push_back(Shown(dlg));
        // A click takes the focus to its key; "=" gives it back to the expression.
        focusOnExpression = ::GetParent(::GetFocus()) == ::GetDlgItem(dlg, IDC_CALC_LIST);
        Press(dlg, {IDC_CALC_EQUALS});
        seen.push_back(ListRows(dlg));
      },
      [&](HWND dlg) {
        Press(dlg, {IDC_CALC_CLEAR});
        seen.push_back(Shown(dlg));
        Press(dlg, {IDC_CALC_CLEAR, IDC_CALC_SHIFT, IDC_CALC_7, IDC_CALC_SIN, IDC_CALC_SHIFT,
                    IDC_CALC_POWER, IDC_CALC_BACKSPACE});
        seen.push_back(Shown(dlg));
      },
      [&](HWND dlg) {
        // Choosing the third entry, as the list box reports it.
        ::SendDlgItemMessageA(dlg, IDC_CALC_LIST, CB_SETCURSEL, 2, 0);
        test::Notify(dlg, IDC_CALC_LIST, CBN_SELENDOK);
        seen.push_back(Shown(dlg));
        // Typing an operator shows the running result; Enter evaluates.
        Press(dlg, {IDC_CALC_CLEAR});
        HWND edit = ExpressionEdit(dlg);
        ::SetFocus(edit);
        for (const char c : std::string("12/")) ::SendMessageA(edit, WM_CHAR, c, 0);
        seen.push_back(Shown(dlg));
        ::SendMessageA(edit, WM_CHAR, '8', 0);
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      },
      [&](HWND dlg) {
        seen.push_back(Shown(dlg));
        Press(dlg, {IDOK});
      },
  });
  ShowCalculator(tool.context);
  EXPECT_STREQ(divide, L"\u00F7");
  // The template's "0.0" stays until the first key; its "+" indicator is replaced at once.
  const std::vector<Rows> expected = {
      {"", "0.0", ""},       {"pi", "2^10"}, {"7*", "7", "*"},        {"7*8", "56", "="},
      {"7*8", "pi", "2^10"}, {"", "0", "="}, {"7sin(sqrt", "0", "="}, {"2^10", "", "M"},
      {"12/", "12", "/"},    {"12/8", "1.5", "="},
  };
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(focusOnExpression);
  EXPECT_EQ(Saved(), (Rows{"12/8", "7*8", "pi", "2^10"}));
}

// Off, Escape, the close box and the hidden Cancel button each save once before closing; a save
// that fails is reported once, leaves the old file whole, and the window closes all the same.
TEST_F(CalculatorTest, EveryWayOfClosingSavesOnceAndAFailedSaveStillCloses) {
  void (*const ways[])(HWND) = {
      [](HWND dlg) { Press(dlg, {IDOK}); },
      [](HWND dlg) { ::PostMessageA(ExpressionEdit(dlg), WM_KEYDOWN, VK_ESCAPE, 0); },
      [](HWND dlg) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); },
      [](HWND dlg) { test::Click(dlg, IDCANCEL); },
  };
  for (int way = 0; way < 4; ++way) {
    for (const bool fails : {false, true}) {
      SCOPED_TRACE(testing::Message() << "way " << way << (fails ? ", failing" : ""));
      RemoveFiles();
      SaveCalculatorHistory(HistoryFile(), {"old"}, 20);
      test::ToolTestContext tool;
      Rows reports;
      HANDLE lock = INVALID_HANDLE_VALUE;
      ModalScript script({
          [&](HWND dlg) {
            // Another program opens the loaded file without sharing: it cannot be replaced.
            if (fails) lock = test::LockFile(HistoryFile());
            Press(dlg, {IDC_CALC_4, IDC_CALC_ADD, IDC_CALC_5, IDC_CALC_EQUALS});
            ways[way](dlg);
          },
          [&](HWND dlg) { reports.push_back(test::AnswerActiveWindow(IDOK, dlg)); },
          [&](HWND dlg) { reports.push_back(test::AnswerActiveWindow(IDOK, dlg)); },
      });
      ShowCalculator(tool.context);
      if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);
      EXPECT_EQ(Saved(), fails ? Rows{"old"} : (Rows{"4+5", "old"}));
      const size_t shown = std::count_if(reports.begin(), reports.end(),
                                         [](const std::string& r) { return !r.empty(); });
      EXPECT_EQ(shown, fails ? 1u : 0u);
      if (fails && shown) {
        EXPECT_NE(reports[0].find("not saved"), std::string::npos) << reports[0];
      }
    }
  }
}

// The help command goes to the application, as the framework's help key does.
class RecordingApp : public CWinApp {
 public:
  void WinHelp(DWORD_PTR data, UINT) override { contexts.push_back(data); }
  std::vector<DWORD_PTR> contexts;
};

TEST_F(CalculatorTest, ADamagedFileIsReportedOnceWhatWasReadIsListedAndFunctAsksForHelp) {
  std::ofstream(HistoryFile(), std::ios::binary) << std::string(
      "\x03\0\0\0\x01"
      "a\x01"
      "b\x09"
      "c",
      10);
  RecordingApp app;
  test::ToolTestContext tool;
  HWND dialog = nullptr;
  Rows reports, rows;
  // The report comes while the window opens, so the script starts on the message box.
  ModalScript script({
      [&](HWND) {
        dialog = CDialog::ActiveModal()->m_hWnd;
        reports.push_back(test::AnswerActiveWindow(IDOK, dialog));
      },
      [&](HWND) {
        reports.push_back(test::AnswerActiveWindow(IDOK, dialog));
        rows = ListRows(dialog);
        test::Click(dialog, IDC_CALC_FUNCT);
        Press(dialog, {IDOK});
      },
  });
  ShowCalculator(tool.context);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_NE(reports[0].find("damaged (byte 8: entry 3 of 3"), std::string::npos) << reports[0];
  EXPECT_EQ(reports[1], "");
  EXPECT_EQ(rows, (Rows{"b", "a"}));
  EXPECT_EQ(app.contexts, std::vector<DWORD_PTR>{0x20000 + IDD_CALCULATOR});
}

}  // namespace
}  // namespace pelmo
