// The ClipBook, Quick Replace and Concatenate windows, driven as a user would, and their
// commands and the Quick Replace step in the strip on the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "tools/ClipBookDialog.h"
#include "tools/ConcatenateDialog.h"
#include "tools/QuickReplaceDialog.h"

namespace pelmo {
namespace {

using test::Click;
using test::ClipboardText;
using test::ListBoxRows;
using test::ModalScript;
using test::PumpUntil;
using test::Settle;

// The strip as a tool window sees it; counts what the windows ask of it.
class FakeStrip : public StripServices, private CaptureHost {
 public:
  FakeStrip() { workspace.options.autoFocus = 1; }
  ClipboardCapture& Capture() override { return capture; }
  bool ReturnFocus() override {
    ++focusReturns;
    return true;
  }
  // Whether the next capture takes a new target (false after a ClipBook copy).
  bool NextCaptureRemembersTarget() {
    const int before = targetsRemembered;
    capture.OnChange();
    return targetsRemembered > before;
  }

  Workspace workspace{"C:\\test\\Pelmo.exe"};
  ClipboardCapture capture{workspace, *this};
  int focusReturns = 0;
  int targetsRemembered = 0;

 private:
  void RememberTarget() override { ++targetsRemembered; }
  std::optional<ClipboardRead> ReadClipboard(bool, size_t) override { return ClipboardRead{}; }
  void SelectNewEntry() override {}
  bool PutReplacement(const std::string&, bool) override { return false; }
};

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

TEST(ClipBookWindow, ButtonsActOnTheSelectedEntryAtTheListsEnds) {
  FakeStrip strip;
  std::vector<HistoryItem> entries = Items({"top\ntext 1", "\nunnamed text", "bottom"});
  CClipBookDialog dialog(entries, strip, nullptr);
  ASSERT_TRUE(dialog.Create(nullptr));
  const CListBox& list = dialog.m_list;
  EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", "", "bottom"}));
  EXPECT_EQ(list.GetCurSel(), 2) << "opens on the bottom row";

  Click(dialog.m_hWnd, IDC_DOWN);  // the bottom entry stays
  Click(dialog.m_hWnd, IDC_UP);
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"top\ntext 1", "bottom", "\nunnamed text"}));
  EXPECT_EQ(list.GetCurSel(), 1);
  Click(dialog.m_hWnd, IDC_UP);
  Click(dialog.m_hWnd, IDC_UP);
  EXPECT_EQ(entries.front().text, "bottom") << "the top entry stays";
  EXPECT_EQ(list.GetCurSel(), 0);

  // The unnamed entry copies its full text; the copy's capture keeps the remembered target.
  list.SetCurSel(2);
  test::Notify(dialog.m_hWnd, IDC_ITEM_LIST, LBN_DBLCLK);
  EXPECT_EQ(ClipboardText(), "unnamed text");
  EXPECT_EQ(strip.focusReturns, 1);
  EXPECT_FALSE(strip.NextCaptureRemembersTarget());
  EXPECT_TRUE(strip.NextCaptureRemembersTarget());
  list.SetCurSel(0);
  Click(dialog.m_hWnd, IDC_CLIPBOOK_COPY);
  EXPECT_EQ(ClipboardText(), "bottom") << "no line feed: the whole string";
  EXPECT_FALSE(strip.NextCaptureRemembersTarget());

  Click(dialog.m_hWnd, IDC_CLIPBOOK_DELETE);
  EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"top", ""}));
  EXPECT_EQ(list.GetCurSel(), 0) << "the row that moved up";
  list.SetCurSel(1);
  Click(dialog.m_hWnd, IDC_CLIPBOOK_DELETE);
  EXPECT_EQ(list.GetCurSel(), -1) << "none after the last row";

  // Nothing selected: every button does nothing.
  for (const int id : {IDC_UP, IDC_DOWN, IDC_CLIPBOOK_DELETE, IDC_CLIPBOOK_COPY})
    Click(dialog.m_hWnd, id);
  EXPECT_EQ(ListBoxRows(list), std::vector<std::string>{"top"});
  EXPECT_TRUE(strip.NextCaptureRemembersTarget()) << "no copy";
}

// The window shares the ClipBook's list frame: its own are the rows and the delete button.
TEST(QuickReplaceWindow, ShowsThePairsDeletesTheSelectedOneAndFollowsTheWindowSize) {
  std::vector<QuickRepItem> pairs = {{"a", "first"}, {"b", "second"}};
  CQuickReplaceDialog dialog(pairs, nullptr);
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_EQ(ListBoxRows(dialog.m_list),
            (std::vector<std::string>{"a   ....  first", "b   ....  second"}));
  dialog.m_list.SetCurSel(0);
  Click(dialog.m_hWnd, IDC_QUICKREP_DELETE);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].shortcut, "b");

  ::SetWindowPos(dialog.m_hWnd, nullptr, 0, 0, 400, 500, SWP_NOMOVE | SWP_NOZORDER);
  const Rect client = test::ClientRect(dialog.m_hWnd);
  const Rect list = test::ChildRect(dialog.m_hWnd, dialog.m_list.m_hWnd);
  EXPECT_EQ(list.right, client.right);
  EXPECT_EQ(list.bottom, client.bottom);
}

class ConcatenateWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create(nullptr)); }
  void SelectRows(std::initializer_list<int> rows) {
    ::SendMessageA(dialog.m_list, LB_SETSEL, FALSE, -1);
    for (const int row : rows) ::SendMessageA(dialog.m_list, LB_SETSEL, TRUE, row);
    test::Notify(dialog.m_hWnd, IDC_CONCATENATE_LIST, LBN_SELCHANGE);
  }
  bool Checked(int id) { return ::IsDlgButtonChecked(dialog.m_hWnd, id) == BST_CHECKED; }
  bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE; }

  const std::vector<HistoryItem> items =
      Items({"  one", "two", "three", "four", "five", "six", "seven"});
  CConcatenateDialog dialog{items, nullptr};
};

TEST_F(ConcatenateWindow, AllTellsTheCountAndTheChoicesFollowTheSelection) {
  EXPECT_EQ(dialog.m_list.GetText(0), "1  one");
  EXPECT_TRUE(Checked(IDC_FIRST_ITEMS));
  EXPECT_TRUE(Enabled(IDC_FIRST_COUNT));
  EXPECT_FALSE(Enabled(IDC_DELIMITER_TEXT));

  std::string message;
  {
    ModalScript script({[&](HWND) { message = test::AnswerActiveWindow(); }});
    ::CheckRadioButton(dialog.m_hWnd, IDC_ALL_ITEMS, IDC_SELECTED_REVERSED, IDC_ALL_ITEMS);
    Click(dialog.m_hWnd, IDC_ALL_ITEMS);
  }
  EXPECT_EQ(message, "There are 7 items in pelmo.");
  EXPECT_FALSE(Enabled(IDC_FIRST_COUNT));

  SelectRows({2});
  EXPECT_TRUE(Checked(IDC_FIRST_ITEMS));
  EXPECT_EQ(WindowText(::GetDlgItem(dialog.m_hWnd, IDC_FIRST_COUNT)), "3");
  EXPECT_TRUE(Enabled(IDC_FIRST_COUNT));
  SelectRows({0, 3});
  EXPECT_TRUE(Checked(IDC_SELECTED_ITEMS));
  EXPECT_FALSE(Enabled(IDC_FIRST_COUNT));
  SelectRows({});
  EXPECT_TRUE(Checked(IDC_SELECTED_ITEMS)) << "no selection changes nothing";
}

TEST_F(ConcatenateWindow, OkStaysOpenOnARefusedCountOrWithoutASelectionAndJoinsTheFullTexts) {
  std::string refusal;
  {
    ModalScript script({[&](HWND) { refusal = test::AnswerActiveWindow(); }});
    ::SetDlgItemTextA(dialog.m_hWnd, IDC_FIRST_COUNT, "-1");
    Click(dialog.m_hWnd, IDOK);
  }
  EXPECT_EQ(refusal, "Please enter a positive integer.");
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_FIRST_COUNT, "1");
  ::CheckRadioButton(dialog.m_hWnd, IDC_ALL_ITEMS, IDC_SELECTED_REVERSED, IDC_SELECTED_REVERSED);
  ::CheckRadioButton(dialog.m_hWnd, IDC_NEW_LINE_DELIMITER, IDC_STRING_DELIMITER,
                     IDC_STRING_DELIMITER);
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_DELIMITER_TEXT, "\\n");
  Click(dialog.m_hWnd, IDOK);
  ASSERT_TRUE(::IsWindow(dialog.m_hWnd)) << "nothing selected: the window stays open";
  for (const int row : {0, 1, 3}) ::SendMessageA(dialog.m_list, LB_SETSEL, TRUE, row);
  Click(dialog.m_hWnd, IDOK);
  EXPECT_FALSE(::IsWindow(dialog.m_hWnd));
  EXPECT_EQ(dialog.m_result.text, "four\ntwo\n  one\n");
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

TEST_F(StripTools, QuickReplacePastesOnlyWithAutoPaste) {
  workspace.quickRep = {{"sc", "the replacement"}};
  for (const int autoPaste : {0, 1}) {
    SCOPED_TRACE(autoPaste);
    workspace.options.autoPaste = autoPaste;
    CopyAndSettle("sc", "the replacement");
    const std::vector<WPARAM> pasted = {VK_CONTROL, 'V'};
    EXPECT_EQ(other.keys, autoPaste ? pasted : std::vector<WPARAM>());
  }
}

TEST_F(StripTools, ToClipBookToQuickRepAndConcatenate) {
  CopyAndSettle("a text longer than the thirty-five characters of a name",
                "a text longer than the thirty-five characters of a name");
  EXPECT_EQ(Answer(ID_TO_CLIPBOOK, IDC_EDIT_TEXT, ""), "a text longer than the thirty-five ");
  EXPECT_EQ(Texts(workspace.clipBook),
            std::vector<std::string>{"\na text longer than the thirty-five characters of a name"});

  dialog.GetHistoryCombo().SetCurSel(-1);
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
