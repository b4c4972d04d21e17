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

TEST_F(MainWindowTest, SettingsRefuseANegativeMaximumAndTakeThree) {
  std::string refusal;
  bool stillOpen = false, focusOnField = false;
  ModalScript script({[](HWND settings) {
                        ::SetDlgItemTextA(settings, IDC_SET_ITEM_MAXIMUM, "-4");
                        Click(settings, IDOK);
                      },
                      [&](HWND) { refusal = test::AnswerActiveWindow(); },
                      [&](HWND settings) {
                        stillOpen = ::IsWindowVisible(settings) != FALSE;
                        focusOnField = ::GetFocus() == Control(settings, IDC_SET_ITEM_MAXIMUM);
                        ::SetDlgItemTextA(settings, IDC_SET_ITEM_MAXIMUM, " 3 ");
                        Click(settings, IDOK);
                      }});
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_SETTINGS, 0);
  EXPECT_EQ(script.StepsRun(), 3u);
  EXPECT_EQ(refusal, "Please enter a positive integer.");
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(focusOnField);
  EXPECT_EQ(dialog.GetWorkspace().options.deleteAfter, 3);

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
  bool disabledAtStart = true, checkedAtStart = false, enabledAfterClick = false;
  bool hiddenShown = true;
  ModalScript script({[&](HWND window) {
    disabledAtStart = !::IsWindowEnabled(Control(window, IDC_SET_AUTO_PASTE));
    checkedAtStart = Checked(window, IDC_SET_AUTO_PASTE);
    hiddenShown = ::IsWindowVisible(Control(window, IDC_SET_HIDE)) ||
                  ::IsWindowVisible(Control(window, IDC_SET_HIDE_DESK));
    ::CheckDlgButton(window, IDC_SET_AUTO_FOCUS, BST_CHECKED);
    Click(window, IDC_SET_AUTO_FOCUS);
    enabledAfterClick = ::IsWindowEnabled(Control(window, IDC_SET_AUTO_PASTE));
    Click(window, IDOK);
  }});
  ASSERT_EQ(settings.DoModal(), IDOK);
  EXPECT_TRUE(disabledAtStart);
  EXPECT_TRUE(checkedAtStart);
  EXPECT_TRUE(enabledAfterClick);
  EXPECT_FALSE(hiddenShown);
  const Settings& taken = settings.m_settings;
  EXPECT_EQ(taken.autoFocus, 1);
  EXPECT_EQ(taken.autoPaste, 1);
  EXPECT_EQ(taken.hide, 1);
  EXPECT_EQ(taken.hideDesk, 1);
  EXPECT_EQ(taken.inlineMode, 1);
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
    ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_SETTINGS, 0);
  };
  runSettings(IDCANCEL);
  EXPECT_EQ(dialog.GetWorkspace().options.softButtons, 0);
  EXPECT_EQ(dialog.GetWorkspace().options.calculator, 20);

  runSettings(IDOK);
  EXPECT_EQ(dialog.GetWorkspace().options.softButtons, 1);
  EXPECT_EQ(dialog.GetWorkspace().options.calculator, 7);
  for (int id : buttons) {
    RECT pending{};
    EXPECT_TRUE(::GetUpdateRect(dialog.GetDlgItem(id), &pending, FALSE)) << "button " << id;
  }
}

TEST_F(MainWindowTest, DesktopToggleHidesAndShowsTheDesktopAndNeedsNone) {
  // Wine's shell has no "Progman": without one the command does nothing.
  ASSERT_EQ(::FindWindowA("Progman", nullptr), nullptr);
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_TOGGLE_DESKTOP, 0);
  HWND desktop =
      ::CreateWindowExA(0, test::TestClass("Progman"), "Program Manager", WS_POPUP | WS_VISIBLE, 0,
                        0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_TOGGLE_DESKTOP, 0);
  EXPECT_FALSE(::IsWindowVisible(desktop));
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_TOGGLE_DESKTOP, 0);
  EXPECT_TRUE(::IsWindowVisible(desktop));
  ::DestroyWindow(desktop);
}

}  // namespace
}  // namespace pelmo
