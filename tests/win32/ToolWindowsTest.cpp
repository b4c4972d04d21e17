// The tool windows on a context of their own, driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "../unit/TestSupport.h"
#include "ModalScript.h"
#include "WindowTestSupport.h"
#include "app/HelpWindow.h"
#include "calc/CalculatorDialog.h"
#include "framework/Dialog.h"
#include "framework/IniProfile.h"
#include "framework/ModulePath.h"
#include "model/BrowserSetting.h"
#include "model/CalculatorHistory.h"
#include "resource.h"
#include "sync/SyncDialog.h"
#include "tools/ClipBook.h"
#include "tools/ClipBookDialog.h"
#include "tools/ConcatenateDialog.h"
#include "web/LinksPage.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {
namespace {

using namespace test;
using WideTexts = std::vector<std::u16string>;

// A tool window's context without the strip: a workspace whose files are named after this test
// exe, a clipboard port that records what the windows ask of it, and an owner without a window.
class FakePort : public ClipboardPort {
 public:
  void PutBack(const HistoryItem& item, bool) override { copies.push_back("back " + item.text); }
  void CopyAs(const HistoryItem& text, int) override { copies.push_back("as " + text.text); }
  void CopyFromOwnWindow(const HistoryItem& text) override { copies.push_back("own " + text.text); }
  bool ReturnFocus() override { return false; }
  bool GoToTarget(bool) override { return false; }
  Strings copies;
};

struct ToolTestContext {
  Workspace workspace{ModuleFileName()};
  FakePort port;
  CWnd owner;
  ToolContext context{workspace, port, owner};
};

// The rows in UTF-16 as the list holds them (through our ANSI subclass they would be '?'s).
std::vector<std::u16string> WideRows(HWND list) {
  const auto listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(list, GCLP_WNDPROC));
  std::vector<std::u16string> rows;
  for (WPARAM row = 0; row < static_cast<WPARAM>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); ++row) {
    wchar_t text[128] = {};
    ::CallWindowProcW(listProc, list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(reinterpret_cast<const char16_t*>(text));
  }
  return rows;
}

// The ClipBook's buttons act on the selected entry, and do nothing at the list's ends or without
// a selection. Its rows and Concatenate's show a text outside the code page as it was copied.
TEST(ClipBookWindow, ButtonsActOnTheSelectedEntryAndWideRowsShowAsCopied) {
  ToolTestContext tool;
  const HistoryItem greek{"?a??µ??a", u"Καλημέρα"};
  tool.workspace.history.InsertTop(greek.text, kPlain, greek.wide);
  tool.workspace.history.InsertTop("plain", kPlain);
  tool.workspace.clipBook = {
      {"top\ntext 1", {}}, {"\nunnamed text", {}}, MakeClipBookEntry("?", u"Γεια", greek)};
  const FakePort& port = tool.port;
  ModalScript script(
      {[&](HWND dialog) {
         HWND list = ::GetDlgItem(dialog, IDC_ITEM_LIST);
         EXPECT_EQ(WideRows(list), (WideTexts{u"top", u"", u"Γεια"}));
         // It opens on the bottom row. Down there and Up at the top move nothing; the selection
         // follows a move, and Copy sends the entry's text as a copy from our own window.
         for (const int id : {IDC_DOWN, IDC_UP, IDC_UP, IDC_UP}) Click(dialog, id);
         EXPECT_EQ(WideRows(list), (WideTexts{u"Γεια", u"top", u""}));
         Click(dialog, IDC_CLIPBOOK_COPY);
         EXPECT_EQ(port.copies, Strings{"own " + greek.text});

         // Delete takes the selected row; deleting the last row leaves no selection, and the
         // buttons then do nothing.
         Click(dialog, IDC_CLIPBOOK_DELETE);
         ::SendMessageA(list, LB_SETCURSEL, 1, 0);
         for (const int id : {IDC_CLIPBOOK_DELETE, IDC_UP, IDC_DOWN, IDC_CLIPBOOK_DELETE})
           Click(dialog, id);
         Click(dialog, IDC_CLIPBOOK_COPY);
         EXPECT_EQ(WideRows(list), WideTexts{u"top"});
         Click(dialog, IDOK);
       },
       [&](HWND) {
         HWND concatenate = ::GetActiveWindow();
         EXPECT_EQ(WideRows(::GetDlgItem(concatenate, IDC_CONCATENATE_LIST)),
                   (WideTexts{u"1  plain", u"2  Καλημέρα"}));
         Click(concatenate, IDCANCEL);
       }});
  ShowClipBook(tool.context);
  ShowConcatenate(tool.context);
  EXPECT_EQ(script.StepsRun(), 2u);
  EXPECT_EQ(port.copies.size(), 1u) << "no copy without a selection, or from a cancelled window";
}

std::vector<HWND> HelpWindows() {
  std::vector<HWND> found;
  for (HWND help = nullptr; (help = ::FindWindowExA(nullptr, help, nullptr, "Pelmo Help"));)
    found.push_back(help);
  return found;
}

// A later request brings the one window back to the front, restored, or reopens it once closed.
TEST(HelpWindow, ShowsTheFilesOfThisExeInOneWindowThatEveryRequestBringsBack) {
  ShowHelpTopic(IDH_GETTING_STARTED, nullptr);
  ASSERT_EQ(HelpWindows().size(), 1u);
  HWND help = HelpWindows()[0], text = ::GetWindow(help, GW_CHILD);
  EXPECT_TRUE(::IsWindowVisible(help));
  const std::string content = WindowText(text), base = ModuleBaseName();
  for (const std::string& file : {base + ".INI", base + ".clp", base + ".qrp"})
    EXPECT_NE(content.find(file), std::string::npos) << file;
  for (size_t i = content.find('\n'); i != std::string::npos; i = content.find('\n', i + 1))
    ASSERT_TRUE(i > 0 && content[i - 1] == '\r') << "a bare line feed at " << i;
  ::SetWindowPos(help, nullptr, 0, 0, 640, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(RectInParent(help, text), ClientRect(help));

  HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::ShowWindow(help, SW_MINIMIZE);
  ::SetForegroundWindow(other);
  ShowHelpTopic(ID_HELP_TOPICS, nullptr);
  EXPECT_EQ(HelpWindows(), std::vector<HWND>{help});
  EXPECT_EQ(::GetForegroundWindow(), help);
  EXPECT_FALSE(::IsIconic(help));
  ::DestroyWindow(other);

  ::SendMessageA(help, WM_CLOSE, 0, 0);
  ASSERT_TRUE(HelpWindows().empty());
  ShowHelpTopic(IDH_GETTING_STARTED, nullptr);
  EXPECT_EQ(HelpWindows().size(), 1u);
  for (HWND window : HelpWindows()) ::SendMessageA(window, WM_CLOSE, 0, 0);
}

const std::string kHistoryFile = ItemFileName(ModuleFileName(), kCalculatorHistoryExtension);

// Clicks on the real buttons, each sending its own BN_CLICKED; then the expression, result and
// indicator as shown.
Strings Press(HWND dialog, std::initializer_list<int> ids) {
  for (const int id : ids) ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  Strings shown;
  for (const int id : {IDC_CALC_LIST, IDC_CALC_RESULT, IDC_CALC_INDICATOR})
    shown.push_back(WindowText(::GetDlgItem(dialog, id)));
  return shown;
}

// A damaged history file is reported once as the window opens, and what was read is listed; the
// script starts on that report, so each step finds the window itself.
TEST(CalculatorWindow, KeysAndTypingShowTheRunningResultAndEqualsFillsTheList) {
  WriteBytes(kHistoryFile, std::string("\3\0\0\0\1a\1b\11c", 10));
  RecordingApp app;
  ToolTestContext tool;
  std::vector<Strings> seen;
  Strings reports;
  bool focusOnExpression = false;
  wchar_t divide[4] = {};
  HWND dlg = nullptr;
  ModalScript script({
      [&](HWND) {
        dlg = CDialog::ActiveModal()->m_hWnd;
        reports.push_back(AnswerActiveWindow(IDOK, dlg));
      },
      [&](HWND) {
        reports.push_back(AnswerActiveWindow(IDOK, dlg));
        ::GetDlgItemTextW(dlg, IDC_CALC_DIVIDE, divide, 4);
        seen.push_back(Press(dlg, {}));
        seen.push_back(ListBoxRows(::GetDlgItem(dlg, IDC_CALC_LIST), true));
        seen.push_back(Press(dlg, {IDC_CALC_7, IDC_CALC_MULTIPLY, IDC_CALC_8, IDC_CALC_EQUALS}));
        // A click takes the focus to its key; "=" gives it back to the expression.
        focusOnExpression = ::GetParent(::GetFocus()) == ::GetDlgItem(dlg, IDC_CALC_LIST);
        Press(dlg, {IDC_CALC_EQUALS});
        seen.push_back(ListBoxRows(::GetDlgItem(dlg, IDC_CALC_LIST), true));
        seen.push_back(Press(dlg, {IDC_CALC_CLEAR, IDC_CALC_SHIFT, IDC_CALC_7, IDC_CALC_SIN,
                                   IDC_CALC_SHIFT, IDC_CALC_POWER, IDC_CALC_BACKSPACE}));
        Click(dlg, IDC_CALC_FUNCT);
        // Choosing the third entry, as the list box reports it.
        ::SendDlgItemMessageA(dlg, IDC_CALC_LIST, CB_SETCURSEL, 2, 0);
        Notify(dlg, IDC_CALC_LIST, CBN_SELENDOK);
        seen.push_back(Press(dlg, {}));
        // Typing an operator shows the running result; Enter evaluates.
        Press(dlg, {IDC_CALC_CLEAR});
        HWND edit = ::GetWindow(::GetDlgItem(dlg, IDC_CALC_LIST), GW_CHILD);
        for (const char c : std::string("12/")) ::SendMessageA(edit, WM_CHAR, c, 0);
        seen.push_back(Press(dlg, {}));
        ::SendMessageA(edit, WM_CHAR, '8', 0);
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      },
      [&](HWND) {
        seen.push_back(Press(dlg, {}));
        Press(dlg, {IDOK});
      },
  });
  ShowCalculator(tool.context);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_NE(reports[0].find("damaged (byte 8: entry 3 of 3"), std::string::npos) << reports[0];
  EXPECT_EQ(reports[1], "");
  EXPECT_STREQ(divide, L"\u00F7");
  // The template's "0.0" stays until the first key; its "+" indicator is replaced at once.
  const std::vector<Strings> expected = {
      {"", "0.0", ""},         {"b", "a"},     {"7*8", "56", "="}, {"7*8", "b", "a"},
      {"7sin(sqrt", "0", "="}, {"a", "", "M"}, {"12/", "12", "/"}, {"12/8", "1.5", "="},
  };
  EXPECT_TRUE(focusOnExpression);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(app.contexts, std::vector<DWORD_PTR>{0x20000 + IDD_CALCULATOR});
  ::DeleteFileA(kHistoryFile.c_str());
}

// A failed save is reported once, keeps the old file whole, and the window closes all the same.
TEST(CalculatorWindow, EveryWayOfClosingSavesOnceAndAFailedSaveStillCloses) {
  for (int way = 0; way < 4; ++way) {
    for (const bool fails : {false, true}) {
      SCOPED_TRACE(testing::Message() << "way " << way << (fails ? ", failing" : ""));
      SaveCalculatorHistory(kHistoryFile, {"old"}, 20);
      ToolTestContext tool;
      Strings reports;
      HANDLE lock = INVALID_HANDLE_VALUE;
      const auto answer = [&](HWND dlg) { reports.push_back(AnswerActiveWindow(IDOK, dlg)); };
      ModalScript script({[&](HWND dlg) {
                            // Another program locks the file: it cannot be replaced.
                            if (fails) lock = LockFile(kHistoryFile);
                            Press(dlg, {IDC_CALC_4, IDC_CALC_ADD, IDC_CALC_5, IDC_CALC_EQUALS});
                            kCloseWays[way](dlg);
                          },
                          [&](HWND dlg) {
                            // A second close while the failure is reported finds it ending.
                            ::SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
                            answer(dlg);
                          },
                          answer});
      ShowCalculator(tool.context);
      if (fails) ::CloseHandle(lock);
      EXPECT_EQ(LoadCalculatorHistory(kHistoryFile, 1000).content,
                fails ? Strings{"old"} : (Strings{"4+5", "old"}));
      reports.erase(std::remove(reports.begin(), reports.end(), ""), reports.end());
      ASSERT_EQ(reports.size(), fails ? 1u : 0u);
      for (const std::string& report : reports)
        EXPECT_NE(report.find("not saved"), std::string::npos) << report;
    }
  }
  ::DeleteFileA(kHistoryFile.c_str());
}

// The settings are shown as kept and Browse starts on the typed folder; Cancel keeps the settings
// whatever was typed; a folder that is not there keeps the window open on that field; OK takes the
// trimmed folder and the passphrase as typed in any language, and tells a change from none.
TEST(SyncWindow, OkTakesTheTrimmedFolderAndTheTypedPassphraseAMissingFolderKeepsItOpen) {
  TempDir temp;
  const std::string shared = temp.File("OneDrive Pelmo"), missing = temp.File("missing");
  ::CreateDirectoryA(shared.c_str(), nullptr);
  const SyncSettings before{temp.File(""), u8"old\u20AC\u03A9", true};
  SyncSettings settings = before;
  ToolTestContext tool;
  const auto sync = [] { return CDialog::ActiveModal()->m_hWnd; };
  Strings shown, reports;
  ModalScript script(
      {[&](HWND) {
         shown = {WindowText(::GetDlgItem(sync(), IDC_SYNC_FOLDER)),
                  Utf16ToUtf8(WideWindowText(::GetDlgItem(sync(), IDC_SYNC_PASSPHRASE))),
                  std::to_string(::IsDlgButtonChecked(sync(), IDC_SYNC_TO_CLIPBOARD))};
         // The folder chooser opens on the typed folder, and OK there puts its path in the field.
         ::SetDlgItemTextA(sync(), IDC_SYNC_FOLDER, (" " + shared + "\\").c_str());
         Click(sync(), IDC_SYNC_BROWSE);
         shown.push_back(WindowText(::GetDlgItem(sync(), IDC_SYNC_FOLDER)));
         ::CheckDlgButton(sync(), IDC_SYNC_TO_CLIPBOARD, BST_UNCHECKED);
         Click(sync(), IDCANCEL);
       },
       [waits = 0](HWND) mutable {
         HWND chooser = ::GetActiveWindow();
         if ((!chooser || CWnd::FromHandle(chooser)) && ++waits < 100)
           return ModalScript::RunAgain();  // not up yet
         ::PostMessageA(chooser, WM_COMMAND, IDOK, 0);
       },
       [&](HWND) {
         ::SetDlgItemTextA(sync(), IDC_SYNC_FOLDER, (" " + missing + " ").c_str());
         ::SetDlgItemTextW(sync(), IDC_SYNC_PASSPHRASE, L"p\u00E4ssw\u00F6rd\u20AC\u03A9");
         ::CheckDlgButton(sync(), IDC_SYNC_TO_CLIPBOARD, BST_UNCHECKED);
         Click(sync(), IDOK);
       },
       [&](HWND) { reports.push_back(AnswerActiveWindow(IDOK, sync())); },
       [&](HWND) {
         EXPECT_EQ(::GetFocus(), ::GetDlgItem(sync(), IDC_SYNC_FOLDER));
         ::SetDlgItemTextA(sync(), IDC_SYNC_FOLDER, ("\t" + shared + "  ").c_str());
         Click(sync(), IDOK);
       },
       [&](HWND) { Click(sync(), IDOK); }});
  EXPECT_FALSE(ShowSync(tool.context, settings));
  EXPECT_EQ(settings, before);
  EXPECT_EQ(shown, (Strings{before.folder, before.passphrase, "1", shared}));
  EXPECT_TRUE(ShowSync(tool.context, settings));
  EXPECT_EQ(reports, Strings{"The folder \"" + missing + "\" does not exist."});
  EXPECT_EQ(settings, (SyncSettings{shared, u8"p\u00E4ssw\u00F6rd\u20AC\u03A9", false}));
  EXPECT_FALSE(ShowSync(tool.context, settings)) << "OK without a change";
  EXPECT_EQ(script.StepsRun(), 6u);
}

// Types a path into the open file dialog and confirms it.
void ChooseFile(const std::string& path) {
  HWND fileDialog = ::GetActiveWindow();
  for (const int nameField : {cmb13, edt1}) ::SetDlgItemTextA(fileDialog, nameField, path.c_str());
  ::PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
}

// A button's click, followed by the notification that a quick second click sends.
void DoubleClick(HWND dialog, int id) {
  for (const WORD code : {BN_CLICKED, BN_DOUBLECLICKED}) Notify(dialog, id, code);
}

// Each button acts once on the selected link even when double clicked. An export that cannot be
// written names the file and starts no browser; one that can opens the page in the browser.
TEST(WebCapturesWindow, ButtonsActOnceAndTheExportOpensThePageUnlessTheWriteFails) {
  // A folder with a blank in its name holds the stand-in as the browser to start.
  TempDir temp;
  const std::string folder = temp.File("web test\\"), browser = folder + "browser.exe",
                    record = browser + ".txt", exe = ModuleFileName();
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CopyFileA((exe.substr(0, exe.rfind('\\') + 1) + "stand_in_browser.exe").c_str(),
              browser.c_str(), FALSE);
  IniProfile profile;
  BrowserSetting(profile).Save(browser);
  // Another program holds the old page open without sharing: it cannot be replaced.
  const std::string blocked = folder + "blocked.htm", page = folder + "linx.htm";
  WriteBytes(blocked, "old page");
  HANDLE lock = LockFile(blocked);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);

  ToolTestContext tool;
  std::deque<std::string>& links = tool.workspace.links = {"www.a.org", "www.b.org", "www.c.org"};
  std::string shown;
  ModalScript script({[&](HWND window) {
                        ::SendDlgItemMessageA(window, IDC_WEB_LIST, LB_SETCURSEL, 0, 0);
                        DoubleClick(window, IDC_DOWN);
                        EXPECT_EQ(links[1], "www.a.org");
                        DoubleClick(window, IDC_UP);
                        DoubleClick(window, IDC_WEB_DELETE);
                        EXPECT_EQ(links, (std::deque<std::string>{"www.b.org", "www.c.org"}));
                        // The copy selects the line below, where its capture puts the link again.
                        DoubleClick(window, IDC_WEB_COPY);
                        EXPECT_EQ(ClipboardText(), "www.b.org");
                        DoubleClick(window, IDC_WEB_OPEN);
                        Click(window, IDC_WEB_EXPORT);
                        Click(window, IDC_WEB_EXPORT);
                        Click(window, IDOK);
                      },
                      [&](HWND) { ChooseFile(blocked); },
                      [](HWND) { AnswerActiveWindow(IDYES); },  // replace the existing page
                      [&](HWND) { shown = AnswerActiveWindow(IDOK); },
                      [&](HWND) { ChooseFile(page); }});
  ShowWebCaptures(tool.context);
  ::CloseHandle(lock);
  EXPECT_NE(shown.find(blocked), std::string::npos) << shown;
  EXPECT_EQ(ReadBytes(blocked), "old page");
  EXPECT_EQ(ReadBytes(page), BuildLinksPage(links));
  // Each start's command line and show value, in either order, and no other start.
  const std::string opened = '"' + browser + "\" www.c.org\n8\n",
                    exported = '"' + browser + "\" \"" + page + "\"\n8\n";
  PumpUntil([&] { return ReadBytes(record).size() >= opened.size() + exported.size(); }, 10000);
  Settle(500);
  const std::string starts = ReadBytes(record);
  EXPECT_EQ(starts.size(), opened.size() + exported.size()) << starts;
  EXPECT_NE(starts.find(opened), std::string::npos) << starts;
  EXPECT_NE(starts.find(exported), std::string::npos) << starts;
}

}  // namespace
}  // namespace pelmo
