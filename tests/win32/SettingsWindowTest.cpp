// The settings window on its own and opened from the strip, and the desktop toggle.
#include "MainWindowFixture.h"
#include "tools/SettingsDialog.h"

namespace pelmo {
namespace {

using test::Click;
using test::MainWindowTest;
using test::ModalScript;
using test::Settle;

HWND Control(HWND dialog, int id) {
  return ::GetDlgItem(dialog, id);
}
bool Checked(HWND dialog, int id) {
  return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
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

TEST(SettingsWindow, AutoPasteFollowsBothBoxesAndHiddenBoxesPassThrough) {
  CSettingsDialog settings;
  settings.m_settings.autoFocus = 0;
  settings.m_settings.quickRep = 1;
  settings.m_settings.autoPaste = 1;
  settings.m_settings.hide = 1;
  settings.m_settings.hideDesk = 1;
  settings.m_settings.inlineMode = 2;  // read raw from the file: on
  // Auto Paste disabled and checked at the start, the hidden boxes shown, Auto Paste enabled
  // after the click.
  std::vector<bool> seen;
  ModalScript script({[&](HWND window) {
    seen.push_back(!::IsWindowEnabled(Control(window, IDC_SET_AUTO_PASTE)));
    seen.push_back(Checked(window, IDC_SET_AUTO_PASTE));
    seen.push_back(::IsWindowVisible(Control(window, IDC_SET_HIDE)) ||
                   ::IsWindowVisible(Control(window, IDC_SET_HIDE_DESK)));
    ::CheckDlgButton(window, IDC_SET_AUTO_FOCUS, BST_CHECKED);
    Click(window, IDC_SET_AUTO_FOCUS);
    seen.push_back(::IsWindowEnabled(Control(window, IDC_SET_AUTO_PASTE)));
    Click(window, IDOK);
  }});
  ASSERT_EQ(settings.DoModal(), IDOK);
  EXPECT_EQ(seen, (std::vector<bool>{true, true, false, true}));
  const Settings& taken = settings.m_settings;
  EXPECT_EQ((std::vector<int>{taken.autoFocus, taken.autoPaste, taken.hide, taken.hideDesk,
                              taken.inlineMode}),
            std::vector<int>(5, 1))
      << "auto focus, auto paste, hide, hide desktop, inline";
}

TEST_F(MainWindowTest, ConfirmedSoftLookRepaintsTheFiveButtonsAndCancelChangesNothing) {
  // The calculator button is hidden in the strip: there is nothing of it to repaint.
  const int buttons[] = {ID_EDIT_ITEM, IDC_DELETE_ITEM, IDC_UP, IDC_DOWN};
  Settle();
  for (int id : buttons) ::ValidateRect(dialog.GetDlgItem(id), nullptr);
  const auto runSettings = [&](int button) {
    ModalScript script({[button](HWND settings) {
      ::CheckDlgButton(settings, IDC_SET_SOFT_BUTTONS, BST_CHECKED);
      ::SetDlgItemTextA(settings, IDC_SET_CALCULATOR, "7");
      Click(settings, button);
    }});
    Command(ID_SETTINGS);
  };
  runSettings(IDCANCEL);
  EXPECT_EQ(workspace.options.softButtons, 0);
  EXPECT_EQ(workspace.options.calculator, 20);

  runSettings(IDOK);
  EXPECT_EQ(workspace.options.softButtons, 1);
  EXPECT_EQ(workspace.options.calculator, 7);
  for (int id : buttons) {
    RECT pending{};
    EXPECT_TRUE(::GetUpdateRect(dialog.GetDlgItem(id), &pending, FALSE)) << "button " << id;
  }
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
