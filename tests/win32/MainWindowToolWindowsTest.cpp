// The strip while one of its tool windows is open, and every way of ending the program.
#include <optional>

#include "MainWindowFixture.h"
#include "SaveCounter.h"

namespace pelmo {
namespace {

using test::Click;
using test::ClipboardText;
using test::MainWindowTest;
using test::ModalScript;
using test::PumpUntil;
using test::SaveCounter;
using test::Settle;

class StripAndToolWindowsTest : public MainWindowTest {
 protected:
  // Runs Edit Item on row `row`; inside the editor the text is set to `text`, the other program
  // copies `copied` and the editor is closed with OK.
  void EditWhileCopying(int row, const char* text, const std::string& copied) {
    Combo().SetCurSel(row);
    const int before = workspace.history.Count();
    ModalScript script({[&](HWND editor) {
                          ::SetDlgItemTextA(editor, IDC_EDIT_TEXT, text);
                          other.Copy(copied);
                        },
                        [&](HWND) {
                          PumpUntil([&] {
                            return workspace.history.Count() != before ||
                                   workspace.history.At(0).text == copied;
                          });
                        },
                        [](HWND editor) { Click(editor, IDOK); }});
    Command(ID_EDIT_ITEM);
    EXPECT_EQ(script.StepsRun(), 3u);
    Settle();
  }
  std::vector<std::string> Texts() { return workspace.history.Texts(); }
};

TEST_F(StripAndToolWindowsTest, AnEditLandsOnItsEntryWhateverTheCapturesDidMeanwhile) {
  CopyAndWait("edit me");
  EditWhileCopying(0, "edited", "copied meanwhile");
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"copied meanwhile", "edited", "on the clipboard at start"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(ClipboardText(), "edited");

  // The entry being edited is evicted by the copy: the edit is kept as a new entry.
  workspace.options.deleteAfter = 3;
  EditWhileCopying(2, "rescued", "evicts the bottom");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"rescued", "evicts the bottom", "copied meanwhile",
                                               "edited"}));
  EXPECT_EQ(Selected(), 0);
}

TEST_F(StripAndToolWindowsTest, AToolWindowDisablesTheStripAndItsCommandsWait) {
  CopyAndWait("keep me");
  Combo().SetCurSel(0);
  bool ownedByStrip = false, stripEnabled = true;
  ModalScript script({[&](HWND editor) {
                        ownedByStrip = ::GetWindow(editor, GW_OWNER) == dialog.m_hWnd;
                        stripEnabled = ::IsWindowEnabled(dialog.m_hWnd) != FALSE;
                        // What the item menu would send: it must not act under the editor.
                        ::SendMessageA(dialog.m_hWnd, WM_COMMAND, IDC_DELETE_ITEM, 0);
                        ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_DELETE_REST, 0);
                      },
                      [](HWND editor) { Click(editor, IDCANCEL); }});
  Command(ID_EDIT_ITEM);
  EXPECT_TRUE(ownedByStrip);
  EXPECT_FALSE(stripEnabled);
  EXPECT_TRUE(::IsWindowEnabled(dialog.m_hWnd)) << "enabled again when the editor closed";
  EXPECT_EQ(Texts(), (std::vector<std::string>{"keep me", "on the clipboard at start"}));
}

TEST_F(StripAndToolWindowsTest, EveryToolCommandOpensItsWindowOwnedByTheStrip) {
  // Each window is known by a control of its own.
  const struct {
    WORD command;
    int control;
  } tools[] = {
      {ID_EDIT_ITEM, IDC_EDIT_TEXT},
      {ID_ABOUT, IDOK},
      {ID_CALCULATOR, IDC_CALC_LIST},
      {ID_CLIPBOOK, IDC_CLIPBOOK_COPY},
      {ID_QUICKREP, IDC_QUICKREP_DELETE},
      {ID_CONCATENATE, IDC_CONCATENATE_LIST},
      {ID_WEB, IDC_WEB_LIST},
      {ID_SETTINGS, IDC_SET_ITEM_MAXIMUM},
  };
  for (const auto& tool : tools) {
    SCOPED_TRACE(tool.command);
    bool hasControl = false;
    HWND owner = nullptr;
    ModalScript script({[&](HWND window) {
                          hasControl = ::GetDlgItem(window, tool.control) != nullptr;
                          owner = ::GetWindow(window, GW_OWNER);
                        },
                        [](HWND window) { Click(window, IDCANCEL); }});
    Command(tool.command);
    EXPECT_EQ(script.StepsRun(), 2u);
    EXPECT_TRUE(hasControl);
    EXPECT_EQ(owner, dialog.m_hWnd);
  }
}

TEST_F(StripAndToolWindowsTest, ADoubleClickOnAButtonActsOnce) {
  CopyAndWait("a");
  CopyAndWait("b");
  Combo().SetCurSel(0);
  // An owner-drawn button reports a double click as a click followed by BN_DBLCLK.
  Click(dialog.m_hWnd, IDC_DELETE_ITEM);
  test::Notify(dialog.m_hWnd, IDC_DELETE_ITEM, BN_DBLCLK);
  Settle();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "on the clipboard at start"}));
}

// The program runs the strip modally, as here, so the editor's loop runs inside the strip's: the
// tray's Exit must end the editor before the strip can end and save.
TEST_F(StripAndToolWindowsTest, ExitWithTheEditorOpenCancelsItThenSavesOnce) {
  dialog.DestroyWindow();
  ASSERT_TRUE(other.Copy("saved as it was"));
  Workspace stripWorkspace(ModuleFileName());
  CMainDialog strip(stripWorkspace);
  std::optional<SaveCounter> saves;
  bool editorOpened = false, editorOpenAfterExit = false;
  ModalScript script({[&](HWND) {
                        stripWorkspace.options.save = 1;
                        saves.emplace(stripWorkspace.Files().ItemsPath());
                        test::HistoryComboOf(strip.m_hWnd).SetCurSel(0);
                        ::PostMessageA(strip.m_hWnd, WM_COMMAND, ID_EDIT_ITEM, 0);
                      },
                      [&](HWND) {
                        CDialog* editor = CDialog::ActiveModal();
                        editorOpened = editor != &strip;
                        ::SetDlgItemTextA(editor->m_hWnd, IDC_EDIT_TEXT, "confirmed too late");
                        ::SendMessageA(strip.m_hWnd, WM_COMMAND, IDOK, 0);
                      },
                      [&](HWND) {
                        CDialog* still = CDialog::ActiveModal();
                        if (!still || still == &strip) return;
                        editorOpenAfterExit = true;
                        Click(still->m_hWnd, IDOK);
                      }});
  strip.DoModal();
  ASSERT_TRUE(editorOpened);
  EXPECT_FALSE(editorOpenAfterExit);
  EXPECT_EQ(saves->Count(), 1);
  const Loaded<ItemsFile> file = LoadItemsFile(stripWorkspace.Files().ItemsPath());
  ASSERT_EQ(file.content.history.size(), 1u);
  EXPECT_EQ(file.content.history[0]->text, "saved as it was");
}

TEST_F(StripAndToolWindowsTest, EveryWayOfEndingSavesExactlyOnce) {
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
  } endings[] = {
      {"Exit", WM_COMMAND, IDOK},
      {"Cancel", WM_COMMAND, IDCANCEL},
      {"close", WM_CLOSE, 0},
      {"end of session", WM_QUERYENDSESSION, 0},
  };
  dialog.DestroyWindow();
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.name);
    test::RemoveItemFiles();
    Workspace stripWorkspace(ModuleFileName());
    CMainDialog strip(stripWorkspace);
    ASSERT_TRUE(strip.Create(nullptr));
    stripWorkspace.options.save = 1;
    SaveCounter saves(stripWorkspace.Files().ItemsPath());
    ::SendMessageA(strip.m_hWnd, ending.message, ending.wParam, 0);
    Settle();
    EXPECT_EQ(saves.Count(), 1);
  }
}

// Choosing an entry gives the focus back to the window the copy came from, when it can.
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
  workspace.options.autoFocus = 0;
  EXPECT_TRUE(chooseFrom(dialog.m_hWnd)) << "AutoFocus off";
  workspace.options.autoFocus = 1;
  Combo().ShowDropDown(true);
  EXPECT_TRUE(chooseFrom(dialog.m_hWnd)) << "the list is open";
  Combo().ShowDropDown(false);
  ::DestroyWindow(target);
  EXPECT_TRUE(chooseFrom(dialog.m_hWnd)) << "the target is gone";
}

}  // namespace
}  // namespace pelmo
