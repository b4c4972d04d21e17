// The settings window on its own and opened from the strip, and the desktop toggle.
#include "MainWindowFixture.h"

namespace pelmo {
namespace {

using test::Click;
using test::MainWindowTest;
using test::ModalScript;
using test::Settle;

HWND Control(HWND dialog, int id) {
  return ::GetDlgItem(dialog, id);
}

// A refused number keeps the window open with the focus on its field; the counts are unsigned,
// the length limit a signed integer.
TEST_F(MainWindowTest, SettingsRefuseWhatTheyCannotReadAndTakeTheRest) {
  std::vector<std::string> refusals;
  std::vector<bool> focusOnField;
  const auto answer = [&](HWND) { refusals.push_back(test::AnswerActiveWindow()); };
  // Checks that the refused field has the focus, then types into the fields and confirms.
  const auto retype = [&](int refused, std::vector<std::pair<int, const char*>> typed) {
    return [&focusOnField, refused, typed](HWND settings) {
      if (refused) focusOnField.push_back(::GetFocus() == Control(settings, refused));
      for (const auto& [field, text] : typed) ::SetDlgItemTextA(settings, field, text);
      Click(settings, IDOK);
    };
  };
  ModalScript script(
      {retype(0, {{IDC_SET_ITEM_MAXIMUM, "-4"}}), answer,
       retype(IDC_SET_ITEM_MAXIMUM, {{IDC_SET_ITEM_MAXIMUM, " 3 "}, {IDC_SET_IGNORE_MORE, "4x"}}),
       answer, retype(IDC_SET_IGNORE_MORE, {{IDC_SET_IGNORE_MORE, "500"}})});
  Command(ID_SETTINGS);
  EXPECT_EQ(script.StepsRun(), 5u);
  EXPECT_EQ(refusals, (std::vector<std::string>{"Please enter a positive integer.",
                                                "Please enter an integer."}));
  EXPECT_EQ(focusOnField, (std::vector<bool>{true, true}));
  EXPECT_EQ(workspace.options.ignoreMore, 500);
  EXPECT_EQ(workspace.options.deleteAfter, 3);

  // The maximum acts at the next capture.
  for (const char* text : {"a", "b", "c", "d"}) CopyAndWait(text);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"d", "c", "b"}));
}

TEST_F(MainWindowTest, DesktopToggleHidesAndShowsTheDesktopAndNeedsNone) {
  // Wine's shell has no "Progman": without one the command does nothing.
  ASSERT_EQ(::FindWindowA("Progman", nullptr), nullptr);
  Command(ID_TOGGLE_DESKTOP);
  HWND desktop =
      ::CreateWindowExA(0, test::TestClass("Progman"), "Program Manager", WS_POPUP | WS_VISIBLE, 0,
                        0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  Command(ID_TOGGLE_DESKTOP);
  EXPECT_FALSE(::IsWindowVisible(desktop));
  Command(ID_TOGGLE_DESKTOP);
  EXPECT_TRUE(::IsWindowVisible(desktop));
  ::DestroyWindow(desktop);
}

}  // namespace
}  // namespace pelmo
