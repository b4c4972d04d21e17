// The strip with its tool windows, the settings and quick windows, and every way of ending.
#include "MainWindowFixture.h"
#include "framework/IniProfile.h"
#include "framework/SystemCodePage.h"

namespace pelmo {
namespace {

using namespace test;

using StripAndToolWindowsTest = MainWindowTest;

// The editor holds its entry, not its row: a copy meanwhile moves the entry down. (An entry evicted
// meanwhile, or Done without a change: HistoryCommands.) Without a selection the typed text becomes
// a new entry, on Done only: Cancel, Escape and the close box keep and copy nothing.
TEST_F(StripAndToolWindowsTest, AnEditLandsOnItsEntryWhateverTheCapturesDidMeanwhile) {
  CopyAndWait("edit me");
  Combo().SetCurSel(0);
  ModalScript script({[&](HWND editor) {
    ::SetDlgItemTextA(editor, IDC_EDIT_TEXT, "edited\r\n\r\nthird");
    other.Copy("copied meanwhile");
    PumpUntil([&] { return workspace.history.At(0).text == "copied meanwhile"; });
    Click(editor, IDOK);
  }});
  Command(ID_EDIT_ITEM);
  EXPECT_EQ(script.StepsRun(), 1u);
  EXPECT_EQ(Texts(),
            (Strings{"copied meanwhile", "edited\r\n\r\nthird", "on the clipboard at start"}));
  EXPECT_EQ(ClipboardText(), "edited\r\n\r\nthird");

  CopyAndWait("elsewhere");
  // The typed text becomes an entry even when the history is full.
  workspace.options.deleteAfter = workspace.history.Count();
  Combo().SetCurSel(-1);
  Combo().SetWindowText("typed");
  for (const auto close : {kCloseWays[1], kCloseWays[2], kCloseWays[3]})
    Answer(ID_EDIT_ITEM, IDC_EDIT_TEXT, u"discarded", close);
  EXPECT_EQ(ClipboardText(), "elsewhere");
  EXPECT_EQ(workspace.history.Count(), workspace.options.deleteAfter);
  Answer(ID_EDIT_ITEM, IDC_EDIT_TEXT, nullptr);
  EXPECT_EQ(workspace.history.Count(), workspace.options.deleteAfter + 1);
  EXPECT_EQ(ClipboardText(), "typed");
}

// Each window, known by a control of its own, is owned by the strip and disables it; what the
// item menu would send meanwhile waits.
TEST_F(StripAndToolWindowsTest, EveryToolWindowIsOwnedByTheStripWhoseCommandsWaitAndActOnce) {
  const struct {
    WORD command;
    int control;
  } tools[] = {{ID_EDIT_ITEM, IDC_EDIT_TEXT},
               {ID_ABOUT, IDOK},
               {ID_CALCULATOR, IDC_CALC_LIST},
               {ID_CLIPBOOK, IDC_CLIPBOOK_COPY},
               {ID_QUICKREP, IDC_QUICKREP_DELETE},
               {ID_CONCATENATE, IDC_CONCATENATE_LIST},
               {ID_WEB, IDC_WEB_LIST},
               {ID_SETTINGS, IDC_SET_ITEM_MAXIMUM}};
  CopyAndWait("keep me");
  for (const auto& tool : tools) {
    SCOPED_TRACE(tool.command);
    Combo().SetCurSel(0);
    ModalScript script({[&](HWND window) {
                          EXPECT_NE(::GetDlgItem(window, tool.control), nullptr);
                          EXPECT_EQ(::GetWindow(window, GW_OWNER), dialog.m_hWnd);
                          EXPECT_FALSE(::IsWindowEnabled(dialog.m_hWnd));
                          Command(IDC_DELETE_ITEM);
                          Command(ID_DELETE_REST);
                        },
                        [](HWND window) { Click(window, IDCANCEL); }});
    Command(tool.command);
    EXPECT_EQ(script.StepsRun(), 2u);
    EXPECT_TRUE(::IsWindowEnabled(dialog.m_hWnd));
    EXPECT_EQ(Texts(), (Strings{"keep me", "on the clipboard at start"}));
  }

  // Once no window is open, a button acts; an owner-drawn one reports a double click as a click
  // followed by BN_DBLCLK, and acts once.
  Combo().SetCurSel(0);
  Click(dialog.m_hWnd, IDC_DELETE_ITEM);
  Notify(dialog.m_hWnd, IDC_DELETE_ITEM, BN_DBLCLK);
  Settle();
  EXPECT_EQ(Texts(), Strings{"on the clipboard at start"});
}

// Exit, Cancel, a close and the end of the session save the items. The program runs the strip
// modally, as here, so the editor's loop runs inside the strip's: the tray's Exit must end the
// editor before the strip can end and save the history as it was.
TEST_F(StripAndToolWindowsTest, EveryWayOfEndingSavesAndExitEndsAnOpenEditorFirst) {
  const std::pair<UINT, WPARAM> endings[] = {
      {WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}, {WM_CLOSE, 0}, {WM_QUERYENDSESSION, 0}};
  dialog.DestroyWindow();
  const auto saved = [](const Workspace& strip) {  // the history in the items file
    Strings texts;
    for (const auto& entry : LoadItemsFile(strip.Files().ItemsPath()).content.history)
      texts.push_back(entry->text);
    return texts;
  };
  for (const auto& [message, wParam] : endings) {
    SCOPED_TRACE(testing::Message() << message << " " << wParam);
    RemoveItemFiles();
    Workspace stripWorkspace(ModuleFileName());
    CMainDialog strip(stripWorkspace);
    ASSERT_TRUE(strip.Create(nullptr));
    stripWorkspace.options.save = 1;
    ::SendMessageA(strip.m_hWnd, message, wParam, 0);
    EXPECT_EQ(saved(stripWorkspace), Strings{"on the clipboard at start"});
  }

  RemoveItemFiles();
  ASSERT_TRUE(other.Copy("saved as it was"));
  Workspace stripWorkspace(ModuleFileName());
  CMainDialog strip(stripWorkspace);
  bool editorOpened = false;
  ModalScript script({[&](HWND) {
                        stripWorkspace.options.save = 1;
                        HistoryComboOf(strip.m_hWnd).SetCurSel(0);
                        ::PostMessageA(strip.m_hWnd, WM_COMMAND, ID_EDIT_ITEM, 0);
                      },
                      [&](HWND) {
                        CDialog* editor = CDialog::ActiveModal();
                        editorOpened = editor != &strip;
                        ::SetDlgItemTextA(editor->m_hWnd, IDC_EDIT_TEXT, "confirmed too late");
                        // An editor left open is the script's to report, and to cancel.
                        ::SendMessageA(strip.m_hWnd, WM_COMMAND, IDOK, 0);
                      }});
  strip.DoModal();
  ASSERT_TRUE(editorOpened);
  EXPECT_EQ(saved(stripWorkspace), Strings{"saved as it was"});
}

TEST_F(StripAndToolWindowsTest, ChoosingReturnsTheFocusToTheRememberedTargetOnlyWhenItCan) {
  HWND target = ::CreateWindowExA(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50,
                                  nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(target);
  CopyAndWait("copied in the target");
  const auto chooseFrom = [&](HWND front) {
    ::SetForegroundWindow(dialog.m_hWnd);
    Choose(0);
    Settle();
    return ::GetForegroundWindow() == front;
  };
  workspace.options.autoFocus = 1;
  EXPECT_TRUE(chooseFrom(target));
  Combo().ShowDropDown(true);
  EXPECT_TRUE(chooseFrom(dialog.m_hWnd)) << "the list is open";
  Combo().ShowDropDown(false);
  workspace.options.autoFocus = 0;
  EXPECT_TRUE(chooseFrom(dialog.m_hWnd)) << "AutoFocus off";
  ::DestroyWindow(target);
}

// A refused number keeps the window open with the focus on its field; the counts are unsigned,
// the length limit a signed integer.
TEST_F(StripAndToolWindowsTest, SettingsRefuseWhatTheyCannotReadAndTakeTheRest) {
  Strings refusals;
  std::vector<bool> focusOnField;
  const auto answer = [&](HWND) { refusals.push_back(AnswerActiveWindow()); };
  // Checks that the refused field has the focus, then types into the fields and confirms.
  const auto retype = [&](int refused, std::vector<std::pair<int, const char*>> typed) {
    return [&focusOnField, refused, typed](HWND settings) {
      if (refused) focusOnField.push_back(::GetFocus() == ::GetDlgItem(settings, refused));
      for (const auto& [field, text] : typed) ::SetDlgItemTextA(settings, field, text);
      Click(settings, IDOK);
    };
  };
  ModalScript script(
      {retype(0, {{IDC_SET_ITEM_MAXIMUM, "-4"}}), answer,
       retype(IDC_SET_ITEM_MAXIMUM, {{IDC_SET_ITEM_MAXIMUM, " 3 "}, {IDC_SET_IGNORE_MORE, "4x"}}),
       answer, retype(IDC_SET_IGNORE_MORE, {{IDC_SET_IGNORE_MORE, "500"}})});
  // In front, as when the user opens it: an earlier test may have left another window there.
  ::SetForegroundWindow(dialog.m_hWnd);
  Command(ID_SETTINGS);
  EXPECT_EQ(script.StepsRun(), 5u);
  EXPECT_EQ(refusals, (Strings{"Please enter a positive integer.", "Please enter an integer."}));
  EXPECT_EQ(focusOnField, (std::vector<bool>{true, true}));
  EXPECT_EQ(workspace.options.ignoreMore, 500);
  EXPECT_EQ(workspace.options.deleteAfter, 3);
}

TEST_F(StripAndToolWindowsTest, DesktopToggleHidesAndShowsTheDesktop) {
  // Wine's shell has no "Progman": the one made here is the one the command finds.
  ASSERT_EQ(::FindWindowA("Progman", nullptr), nullptr);
  HWND desktop =
      ::CreateWindowExA(0, TestClass("Progman"), "Program Manager", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                        50, nullptr, nullptr, nullptr, nullptr);
  Command(ID_TOGGLE_DESKTOP);
  EXPECT_FALSE(::IsWindowVisible(desktop));
  Command(ID_TOGGLE_DESKTOP);
  EXPECT_TRUE(::IsWindowVisible(desktop));
  ::DestroyWindow(desktop);
}

// The ClipBook's copy is made while it is in front: its capture keeps the user's window, to which
// a double click returns the focus.
TEST_F(StripAndToolWindowsTest, ToClipBookTheClipBookToQuickRepAndConcatenate) {
  workspace.options.autoFocus = workspace.options.quickRep = 1;
  CopyInFront("a text longer than the thirty-five characters of a name");
  EXPECT_EQ(Answer(ID_TO_CLIPBOOK, IDC_EDIT_TEXT, u""), u"a text longer than the thirty-five ");
  ASSERT_EQ(workspace.clipBook.size(), 1u);
  EXPECT_EQ(workspace.clipBook[0].text,
            "\na text longer than the thirty-five characters of a name");

  workspace.clipBook.push_back({"book\nfrom the ClipBook", {}});
  HWND front = nullptr;
  ModalScript script({[&](HWND book) {  // on the bottom row
    Notify(book, IDC_ITEM_LIST, LBN_DBLCLK);
    PumpUntil([&] { return workspace.history.At(0).text == "from the ClipBook"; });
    front = ::GetForegroundWindow();
    Click(book, IDCANCEL);
  }});
  Command(ID_CLIPBOOK);
  EXPECT_EQ(workspace.history.At(0).text, "from the ClipBook");
  EXPECT_EQ(front, other.Hwnd());

  Combo().SetCurSel(-1);
  Answer(ID_TO_QUICKREP, IDC_EDIT_TEXT, u"sh");
  ASSERT_EQ(workspace.quickRep.size(), 1u);
  EXPECT_EQ(workspace.quickRep[0].shortcut, "sh");
  EXPECT_EQ(workspace.quickRep[0].text, "*empty*");

  CopyInFront("b");
  Answer(ID_CONCATENATE, IDC_FIRST_COUNT, u"1");
  PumpUntil([&] { return workspace.history.At(0).text == "b\r\n"; });
  EXPECT_EQ(ClipboardText(), "b\r\n");
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated);
}

// This thread's preview window that is showing, if any.
BOOL CALLBACK FindShownPreview(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window) || !::GetDlgItem(window, IDC_PREVIEW_TEXT)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
HWND ShownPreview() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindShownPreview, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The hotkey opens the quick window; typing, in any script, narrows the list, and Enter puts the
// chosen entry back whole (where it opens and where the focus goes: the end-to-end test). A
// selected multi-line entry shows whole beside the window. A key that cannot be held is told
// without a box.
TEST_F(StripAndToolWindowsTest, TheQuickWindowFindsTypedWordsAndPutsTheChosenEntryBack) {
  workspace.options.preview = 1;
  const std::u16string greek = u"Καλημέρα\r\nκόσμε";
  workspace.history.InsertTop("address: 12 Long Road", kPlain);
  workspace.history.InsertTop(ToSystemAnsi(greek), kPlain, greek);
  workspace.history.InsertTop("Hi Sam,\r\nthe meeting", kPlain);
  workspace.history.InsertTop("the road ahead", kPlain);
  Rect opened{}, preview{};
  std::u16string previewText;
  std::vector<bool> previewed;
  ModalScript script(
      {[&](HWND window) {
         opened = WindowRect(window);
         EXPECT_TRUE(::IsWindowVisible(window));
         HWND filter = ::GetDlgItem(window, IDC_QUICK_FILTER);
         HWND list = ::GetDlgItem(window, IDC_QUICK_LIST);
         ::SetFocus(list);  // moving in the list itself chooses nothing either
         PressKey(list, window, VK_DOWN);
         preview = WindowRect(ShownPreview());
         previewText = WideWindowText(::GetDlgItem(ShownPreview(), IDC_PREVIEW_TEXT));
         ::SetFocus(filter);
         for (const wchar_t* typed : {L"ROAD", L"", L"road long", L"ΚΑΛΗ"}) {
           ::SetWindowTextW(filter, typed);
           previewed.push_back(ShownPreview() != nullptr);
         }
       },
       [](HWND window) {
         ::PostMessageA(::GetDlgItem(window, IDC_QUICK_FILTER), WM_KEYDOWN, VK_RETURN, 0);
       }});
  ::SendMessageA(dialog.m_hWnd, WM_HOTKEY, QuickWindowHotKey::kId, 0);
  Settle();

  EXPECT_EQ(previewText, u"Hi Sam,\r\nthe meeting");
  EXPECT_EQ((Point{preview.left, preview.top}), (Point{opened.right, opened.top})) << "beside it";
  EXPECT_EQ(previewed, (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(ShownPreview(), nullptr) << "gone with the window";
  EXPECT_EQ(ClipboardUnicode(), greek);

  // Taking a key another program holds opens no message box: a balloon from the tray icon tells
  // it, and the INI file keeps the key told.
  ASSERT_TRUE(::RegisterHotKey(other.Hwnd(), 1, MOD_CONTROL | MOD_ALT, 'H'));
  IniProfile ini;
  ini.WriteString(kSettingsSection, "QuickWindowKey", "Ctrl+Alt+H");
  ini.WriteString(kSettingsSection, "QuickWindowKeyTold", "");
  std::string box = "not looked for";
  ModalScript settings({[](HWND window) { Click(window, IDOK); },
                        [&](HWND) { box = AnswerActiveWindow(IDOK, dialog.m_hWnd); }});
  Command(ID_SETTINGS);  // its OK takes the key again
  Settle();
  EXPECT_EQ(box, "");
  EXPECT_EQ(ini.GetString(kSettingsSection, "QuickWindowKeyTold", ""), "Ctrl+Alt+H");
  ini.WriteString(kSettingsSection, "QuickWindowKey", kDefaultQuickWindowKey);
}

}  // namespace
}  // namespace pelmo
