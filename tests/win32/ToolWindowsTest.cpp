// The tool windows on a context of their own, driven as a user would: the ClipBook, the item
// editor, the help window, the calculator and the HTTP captures window; and the strip's ClipBook,
// Quick Replace and Concatenate commands on the real clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ToolContextFixture.h"
#include "app/EditItemDialog.h"
#include "app/HelpWindow.h"
#include "calc/CalculatorDialog.h"
#include "framework/IniProfile.h"
#include "framework/WinApp.h"
#include "model/BrowserSetting.h"
#include "tools/ClipBook.h"
#include "tools/ClipBookDialog.h"
#include "tools/ConcatenateDialog.h"
#include "web/LinksPage.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {
namespace {

using test::AnswerActiveWindow;
using test::Click;
using test::ClipboardText;
using test::ListBoxRows;
using test::ModalScript;
using test::PumpUntil;
using test::Settle;

std::vector<std::string> Texts(const std::vector<HistoryItem>& items) {
  std::vector<std::string> texts;
  for (const HistoryItem& item : items) texts.push_back(item.text);
  return texts;
}

int Selected(HWND list) {
  return static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
}

TEST(ClipBookWindow, ButtonsActOnTheSelectedEntryAtTheListsEnds) {
  test::ToolTestContext tool;
  std::vector<HistoryItem>& entries = tool.workspace.clipBook;
  for (const char* text : {"top\ntext 1", "\nunnamed text", "bottom"})
    entries.emplace_back().text = text;
  const test::FakePort& port = tool.port;
  ModalScript script({[&](HWND dialog) {
    HWND list = ::GetDlgItem(dialog, IDC_ITEM_LIST);
    EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", "", "bottom"}));
    EXPECT_EQ(Selected(list), 2) << "opens on the bottom row";

    Click(dialog, IDC_DOWN);  // the bottom entry stays
    Click(dialog, IDC_UP);
    EXPECT_EQ(Texts(entries),
              (std::vector<std::string>{"top\ntext 1", "bottom", "\nunnamed text"}));
    EXPECT_EQ(Selected(list), 1);
    Click(dialog, IDC_UP);
    Click(dialog, IDC_UP);
    EXPECT_EQ(entries.front().text, "bottom") << "the top entry stays";
    EXPECT_EQ(Selected(list), 0);

    // The unnamed entry copies its full text, as a copy from our own window; a double click
    // also goes back to the target. No line feed: the whole string.
    ::SendMessageA(list, LB_SETCURSEL, 2, 0);
    test::Notify(dialog, IDC_ITEM_LIST, LBN_DBLCLK);
    EXPECT_EQ(port.focusReturns, 1);
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    Click(dialog, IDC_CLIPBOOK_COPY);
    EXPECT_EQ(port.copies, (std::vector<std::string>{"own unnamed text", "own bottom"}));

    Click(dialog, IDC_CLIPBOOK_DELETE);
    EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", ""}));
    EXPECT_EQ(Selected(list), 0) << "the row that moved up";
    ::SendMessageA(list, LB_SETCURSEL, 1, 0);
    Click(dialog, IDC_CLIPBOOK_DELETE);
    EXPECT_EQ(Selected(list), -1) << "none after the last row";

    // Nothing selected: every button does nothing.
    for (const int id : {IDC_UP, IDC_DOWN, IDC_CLIPBOOK_DELETE, IDC_CLIPBOOK_COPY})
      Click(dialog, id);
    EXPECT_EQ(ListBoxRows(list), std::vector<std::string>{"top"});
    EXPECT_EQ(port.copies.size(), 2u) << "no copy";
    Click(dialog, IDOK);
  }});
  ShowClipBook(tool.context);
  EXPECT_EQ(script.StepsRun(), 1u);
}

// A row's UTF-16 as the list itself holds it; asked through our ANSI subclass it would be '?'s.
std::u16string WideRow(HWND dialog, int list, int row) {
  HWND box = ::GetDlgItem(dialog, list);
  const auto listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box, GCLP_WNDPROC));
  wchar_t text[128] = {};
  ::CallWindowProcW(listProc, box, LB_GETTEXT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(text));
  return reinterpret_cast<const char16_t*>(text);
}

TEST(ToolWindowLists, ShowATextOutsideTheCodePageAsItWasCopied) {
  test::ToolTestContext tool;
  HistoryItem greek;
  greek.text = "?a??µ??a";
  greek.wide = u"Καλημέρα";
  tool.workspace.clipBook = {MakeClipBookEntry("?????", u"Γεια σου", greek)};
  tool.workspace.history.InsertTop(greek.text, kPlain, greek.wide);
  tool.workspace.history.InsertTop("plain", kPlain);
  std::vector<std::u16string> rows;
  ModalScript script({[&](HWND book) {
                        rows.push_back(WideRow(book, IDC_ITEM_LIST, 0));
                        Click(book, IDCANCEL);
                      },
                      [&](HWND) {
                        HWND concatenate = ::GetActiveWindow();
                        for (const int row : {0, 1})
                          rows.push_back(WideRow(concatenate, IDC_CONCATENATE_LIST, row));
                        Click(concatenate, IDCANCEL);
                      }});
  ShowClipBook(tool.context);
  ShowConcatenate(tool.context);
  EXPECT_EQ(rows, (std::vector<std::u16string>{u"Γεια σου", u"1  plain", u"2  Καλημέρα"}));
  EXPECT_TRUE(tool.port.copies.empty());
}

// --- the item editor -----------------------------------------------------------------------

TEST(EditItemDialog, DoneGivesTheEditedTextCancelAndTheCloseBoxNone) {
  const struct {
    const char* name;
    void (*end)(HWND dialog);
    bool done;
  } cases[] = {
      {"Done", [](HWND dlg) { Click(dlg, IDOK); }, true},
      {"Cancel", [](HWND dlg) { Click(dlg, IDCANCEL); }, false},
      {"Escape",
       [](HWND dlg) { ::PostMessageA(::GetDlgItem(dlg, IDC_EDIT_TEXT), WM_KEYDOWN, VK_ESCAPE, 0); },
       false},
      {"close box", [](HWND dlg) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::ToolTestContext tool;
    HistoryItem given;
    given.text = "given text";
    std::string shown;
    ModalScript script({
        [&](HWND dlg) {
          shown = WindowText(::GetDlgItem(dlg, IDC_EDIT_TEXT));
          ::SetDlgItemTextA(dlg, IDC_EDIT_TEXT, "first\r\n\r\nthird");
        },
        c.end,
    });
    const std::optional<HistoryItem> edited = ShowEditItem(tool.context, given);
    EXPECT_EQ(shown, "given text");
    EXPECT_EQ(edited.has_value(), c.done);
    EXPECT_EQ(edited.value_or(given).text, c.done ? "first\r\n\r\nthird" : "given text");
  }
}

// --- the help window -----------------------------------------------------------------------

class HelpWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    for (HWND help : HelpWindows()) ::SendMessageA(help, WM_CLOSE, 0, 0);
  }
  static std::vector<HWND> HelpWindows() {
    std::vector<HWND> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM into) {
    if (WindowText(hwnd) == "Pelmo Help")
      reinterpret_cast<std::vector<HWND>*>(into)->push_back(hwnd);
    return TRUE;
  }
};

// One window, naming the files of this very executable; a later request brings it back to the
// front, restored, and after the user closed it opens it again.
TEST_F(HelpWindowTest, ShowsTheFilesOfThisExeInOneWindowThatEveryRequestBringsBack) {
  ShowHelpTopic(IDH_GETTING_STARTED);
  ASSERT_EQ(HelpWindows().size(), 1u);
  HWND help = HelpWindows()[0];
  EXPECT_TRUE(::IsWindowVisible(help));
  HWND text = ::GetWindow(help, GW_CHILD);
  const std::string content = WindowText(text);
  const std::string base = ModuleBaseName();
  for (const std::string& file : {base + ".INI", base + ".clp", base + ".qrp"})
    EXPECT_NE(content.find(file), std::string::npos) << file;
  for (size_t i = content.find('\n'); i != std::string::npos; i = content.find('\n', i + 1))
    ASSERT_TRUE(i > 0 && content[i - 1] == '\r') << "a bare line feed at " << i;
  ::SetWindowPos(help, nullptr, 0, 0, 640, 300, SWP_NOMOVE | SWP_NOZORDER);
  const Rect client = ClientRect(help), field = RectInParent(help, text);
  EXPECT_EQ(field.right, client.right);
  EXPECT_EQ(field.bottom, client.bottom);

  HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::ShowWindow(help, SW_MINIMIZE);
  ::SetForegroundWindow(other);
  ShowHelpTopic(ID_HELP_TOPICS);
  EXPECT_EQ(HelpWindows(), std::vector<HWND>{help});
  EXPECT_EQ(::GetForegroundWindow(), help);
  EXPECT_FALSE(::IsIconic(help));
  ::DestroyWindow(other);

  ::SendMessageA(help, WM_CLOSE, 0, 0);
  ASSERT_TRUE(HelpWindows().empty());
  ShowHelpTopic(IDH_GETTING_STARTED);
  EXPECT_EQ(HelpWindows().size(), 1u);
}

// --- the calculator, driven by clicks on its buttons; what it shows is read back from the
// controls, what it keeps from its history file ---------------------------------------------

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
      {"", "0.0", ""},       {"pi", "2^10"},       {"7*", "7", "*"},        {"7*8", "56", "="},
      {"7*8", "pi", "2^10"}, {"", "0", "="},       {"7sin(sqrt", "0", "="}, {"2^10", "", "M"},
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

// --- the HTTP captures window on a list of links: the export, and the browser it starts
// through a stand-in that records how it was started ----------------------------------------

using Links = std::deque<std::string>;

// A folder with a blank in its name, holding the stand-in browser as "browser.exe", which is
// made the browser to start.
struct BrowserFolder {
  BrowserFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "pelmo web test\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    browser = folder + "browser.exe";
    std::string standIn = ModuleFileName();
    standIn = standIn.substr(0, standIn.rfind('\\') + 1) + "stand_in_browser.exe";
    ::CopyFileA(standIn.c_str(), browser.c_str(), FALSE);
    record = browser + ".txt";
    ::DeleteFileA(record.c_str());
    IniProfile profile;
    BrowserSetting(profile).Save(browser);
  }
  // Every start's command line and show value, once the first is written and a moment has passed
  // for any other.
  std::string WaitForRecord() const {
    test::PumpUntil([&] { return test::FileBytes(record).find('\n') != std::string::npos; }, 10000);
    test::Settle(500);
    return test::FileBytes(record);
  }
  std::string folder, browser, record;
};

// The window on `given`, running `steps` and then closed with Ok.
class WebCapturesTest : public ::testing::Test {
 protected:
  void Show(Links given, const std::function<void(HWND)>& steps,
            std::vector<ModalScript::Step> inner = {}) {
    links = std::move(given);
    inner.insert(inner.begin(), [&](HWND window) {
      steps(window);
      Click(window, IDOK);
    });
    ModalScript script(std::move(inner));
    ShowWebCaptures(tool.context);
  }

  test::ToolTestContext tool;
  Links& links = tool.workspace.links;
};

// Types a path into the open file dialog and confirms it.
void ChooseFile(const std::string& path) {
  HWND fileDialog = ::GetActiveWindow();
  for (const int nameField : {cmb13, edt1}) ::SetDlgItemTextA(fileDialog, nameField, path.c_str());
  ::PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
}

// A button's click, followed by the notification that a quick second click sends.
void DoubleClick(HWND dialog, int id) {
  for (const WORD code : {BN_CLICKED, BN_DOUBLECLICKED})
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

TEST_F(WebCapturesTest, EachButtonActsOnceOnTheSelectedLinkEvenWhenDoubleClicked) {
  BrowserFolder browser;
  Show({"www.a.org", "www.b.org", "www.c.org"}, [&](HWND window) {
    ::SendDlgItemMessageA(window, IDC_WEB_LIST, LB_SETCURSEL, 0, 0);
    DoubleClick(window, IDC_DOWN);
    EXPECT_EQ(links, (Links{"www.b.org", "www.a.org", "www.c.org"}));
    DoubleClick(window, IDC_UP);
    EXPECT_EQ(links, (Links{"www.a.org", "www.b.org", "www.c.org"}));
    DoubleClick(window, IDC_WEB_DELETE);
    EXPECT_EQ(links, (Links{"www.b.org", "www.c.org"}));
    // The copy selects the line below, where its capture will have put the link again.
    DoubleClick(window, IDC_WEB_COPY);
    EXPECT_EQ(test::ClipboardText(), "www.b.org");
    DoubleClick(window, IDC_WEB_OPEN);
  });
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" www.c.org\n8\n") << "started once";
}

// An export that cannot be written names the file and starts no browser; one that can opens the
// page in the browser.
TEST_F(WebCapturesTest, ExportWritesThePageAndOpensItInTheBrowserUnlessTheWriteFails) {
  BrowserFolder browser;
  // Another program holds the old page open without sharing: it cannot be replaced.
  const std::string blocked = browser.folder + "blocked.htm", page = browser.folder + "linx.htm";
  { std::ofstream(blocked) << "old page"; }
  ::DeleteFileA(page.c_str());
  HANDLE lock = test::LockFile(blocked);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  std::string shown;
  Show({"www.a.org", "http://b.org/<b>&"},
       [](HWND window) {
         Click(window, IDC_WEB_EXPORT);
         Click(window, IDC_WEB_EXPORT);
       },
       {[&](HWND) { ChooseFile(blocked); },
        [&](HWND) { AnswerActiveWindow(IDYES); },  // replace the existing page
        [&](HWND) { shown = AnswerActiveWindow(IDOK); }, [&](HWND) { ChooseFile(page); }});
  ::CloseHandle(lock);
  EXPECT_NE(shown.find(blocked), std::string::npos) << shown;
  EXPECT_EQ(test::FileBytes(blocked), "old page");
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" \"" + page + "\"\n8\n");
  EXPECT_EQ(test::FileBytes(page), BuildLinksPage(links));
}

// --- in the strip, on the real clipboard ----------------------------------------------------

class StripTools : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    workspace.options.autoFocus = 1;
    workspace.options.quickRep = 1;
  }
  void CopyAndSettle(const std::string& text) {
    ASSERT_TRUE(other.CopyInFront(text));
    PumpUntil([&] { return ClipboardText() == text && workspace.history.At(0).text == text; });
    Settle(300);
  }
  // Runs `command`, types `text` into `field` of the window it opens and confirms it; returns
  // what the field held before.
  std::string Answer(WORD command, int field, const char* text) {
    std::string before;
    ModalScript script({[&](HWND window) {
      before = WindowText(::GetDlgItem(window, field));
      ::SetDlgItemTextA(window, field, text);
      Click(window, IDOK);
    }});
    Command(command);
    return before;
  }
};

// A tool window's copy is made while it is in front: its capture keeps the user's window, to which
// a double click in the ClipBook returns the focus.
TEST_F(StripTools, ACopyFromOurOwnWindowKeepsTheTarget) {
  CopyAndSettle("in the other program");
  workspace.clipBook.emplace_back().text = "book\nfrom the ClipBook";
  HWND front = nullptr;
  ModalScript script({[&](HWND book) {
    ::SendDlgItemMessageA(book, IDC_ITEM_LIST, LB_SETCURSEL, 0, 0);
    test::Notify(book, IDC_ITEM_LIST, LBN_DBLCLK);
    PumpUntil([&] { return workspace.history.At(0).text == "from the ClipBook"; });
    front = ::GetForegroundWindow();
    ::SendMessageA(book, WM_COMMAND, IDCANCEL, 0);
  }});
  Command(ID_CLIPBOOK);
  EXPECT_EQ(workspace.history.At(0).text, "from the ClipBook");
  EXPECT_EQ(front, other.Hwnd());
}

TEST_F(StripTools, ToClipBookToQuickRepAndConcatenate) {
  CopyAndSettle("a text longer than the thirty-five characters of a name");
  EXPECT_EQ(Answer(ID_TO_CLIPBOOK, IDC_EDIT_TEXT, ""), "a text longer than the thirty-five ");
  EXPECT_EQ(Texts(workspace.clipBook),
            std::vector<std::string>{"\na text longer than the thirty-five characters of a name"});

  Combo().SetCurSel(-1);
  Answer(ID_TO_QUICKREP, IDC_EDIT_TEXT, "sh");
  ASSERT_EQ(workspace.quickRep.size(), 1u);
  EXPECT_EQ(workspace.quickRep[0].shortcut, "sh");
  EXPECT_EQ(workspace.quickRep[0].text, "*empty*");

  CopyAndSettle("b");
  Answer(ID_CONCATENATE, IDC_FIRST_COUNT, "1");
  PumpUntil([&] { return workspace.history.At(0).text == "b\r\n"; });
  EXPECT_EQ(ClipboardText(), "b\r\n");
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated);
}

}  // namespace
}  // namespace pelmo
