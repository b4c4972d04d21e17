// The ClipBook window, driven as a user would, and the strip's ClipBook, Quick Replace and
// Concatenate commands on the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ToolContextFixture.h"
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

std::vector<HistoryItem> Items(std::initializer_list<const char*> texts) {
  std::vector<HistoryItem> items;
  for (const char* text : texts) {
    items.emplace_back();
    items.back().text = text;
  }
  return items;
}

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
  entries = Items({"top\ntext 1", "\nunnamed text", "bottom"});
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

// --- in the strip, on the real clipboard ----------------------------------------------------

class StripTools : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    workspace.options.autoFocus = 1;
    workspace.options.quickRep = 1;
  }
  void CopyAndSettle(const std::string& text, const std::string& expected) {
    ASSERT_TRUE(other.CopyInFront(text));
    PumpUntil(
        [&] { return ClipboardText() == expected && workspace.history.At(0).text == expected; });
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
  CopyAndSettle("in the other program", "in the other program");
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
  CopyAndSettle("a text longer than the thirty-five characters of a name",
                "a text longer than the thirty-five characters of a name");
  EXPECT_EQ(Answer(ID_TO_CLIPBOOK, IDC_EDIT_TEXT, ""), "a text longer than the thirty-five ");
  EXPECT_EQ(Texts(workspace.clipBook),
            std::vector<std::string>{"\na text longer than the thirty-five characters of a name"});

  Combo().SetCurSel(-1);
  Answer(ID_TO_QUICKREP, IDC_EDIT_TEXT, "sh");
  ASSERT_EQ(workspace.quickRep.size(), 1u);
  EXPECT_EQ(workspace.quickRep[0].shortcut, "sh");
  EXPECT_EQ(workspace.quickRep[0].text, "*empty*");

  CopyAndSettle("b", "b");
  Answer(ID_CONCATENATE, IDC_FIRST_COUNT, "1");
  PumpUntil([&] { return workspace.history.At(0).text == "b\r\n"; });
  EXPECT_EQ(ClipboardText(), "b\r\n");
  EXPECT_EQ(workspace.history.At(0).kind, kConcatenated);
}

}  // namespace
}  // namespace pelmo
