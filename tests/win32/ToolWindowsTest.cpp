// The ClipBook window, the item editor and the help window, driven as a user would, and the
// strip's ClipBook, Quick Replace and Concatenate commands on the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ToolContextFixture.h"
#include "app/EditItemDialog.h"
#include "app/HelpWindow.h"
#include "tools/ClipBook.h"
#include "tools/ClipBookDialog.h"
#include "tools/ConcatenateDialog.h"

namespace pelmo {
namespace {

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
    const auto collect = [](HWND hwnd, LPARAM into) -> BOOL {
      if (WindowText(hwnd) == "Pelmo Help")
        reinterpret_cast<std::vector<HWND>*>(into)->push_back(hwnd);
      return TRUE;
    };
    ::EnumThreadWindows(::GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&found));
    return found;
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
