// Inline mode against a stand-in taskbar. Wine's own "Shell_TrayWnd" is hidden and has no
// children; the stand-in is a topmost window of that class made later, so the lookup by class
// name meets it first.
#include "DragOnto.h"
#include "MainWindowFixture.h"

namespace pelmo {
namespace {

using test::Click;
using test::MainWindowTest;
using test::TestClass;

class InlineModeTest : public MainWindowTest {
 protected:
  // A taskbar along the bottom of the screen whose direct children are made of these classes,
  // each 300 pixels wide from the left, the notification area at the right.
  void MakeTaskbar(std::initializer_list<const char*> taskClasses) {
    taskbar =
        ::CreateWindowExA(WS_EX_TOPMOST, TestClass("Shell_TrayWnd"), "", WS_POPUP | WS_VISIBLE, 0,
                          760, 1280, 40, nullptr, nullptr, nullptr, nullptr);
    int left = 60;
    for (const char* name : taskClasses) {
      tasks.push_back(::CreateWindowExA(0, TestClass(name), "", WS_CHILD | WS_VISIBLE, left, 2, 900,
                                        36, taskbar, nullptr, nullptr, nullptr));
      left += 10;
    }
    notifyArea = ::CreateWindowExA(0, TestClass("TrayNotifyWnd"), "", WS_CHILD | WS_VISIBLE, 1100,
                                   4, 170, 32, taskbar, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    if (InlineOn()) Toggle();
    if (taskbar) ::DestroyWindow(taskbar);
    MainWindowTest::TearDown();
  }
  void Toggle() { ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_TOGGLE_INLINE, 0); }
  // The Inline window: the dialog among the taskbar's children.
  HWND InlineWindow() { return ::FindWindowExA(taskbar, nullptr, "#32770", nullptr); }
  bool InlineOn() { return taskbar && InlineWindow(); }
  CHistoryCombo& InlineCombo() { return test::HistoryComboOf(InlineWindow(), IDC_INLINE_HISTORY); }
  std::vector<std::string> InlineRows() { return test::ComboRows(InlineCombo()); }
  // The inline window fills the gap of `width` before the notification area, which the task
  // buttons now leave.
  void ExpectGap(HWND taskSwitch, int width) {
    const Rect n = RectInParent(taskbar, notifyArea);
    EXPECT_EQ(RectInParent(taskbar, InlineWindow()),
              (Rect{n.left - width, n.top, n.left, n.bottom}));
    EXPECT_EQ(RectInParent(taskbar, taskSwitch).right, n.left - width);
  }

  HWND taskbar = nullptr;
  std::vector<HWND> tasks;
  HWND notifyArea = nullptr;
};

TEST_F(InlineModeTest, TheTaskButtonsAreTheLastTaskSwitchOrElseTheFirstRebar) {
  MakeTaskbar({"ReBarWindow32", "MSTaskSwWClass", "MSTaskSwWClass", "ReBarWindow32"});
  const Rect rebar = RectInParent(taskbar, tasks[0]);
  Toggle();
  ASSERT_TRUE(InlineOn());
  EXPECT_EQ(::GetParent(InlineWindow()), taskbar);
  ExpectGap(tasks[2], RectInParent(taskbar, InlineWindow()).Width());
  EXPECT_EQ(RectInParent(taskbar, tasks[0]), rebar);
  Toggle();
  ::DestroyWindow(taskbar);
  tasks.clear();

  MakeTaskbar({"ReBarWindow32", "ReBarWindow32"});
  Toggle();
  ASSERT_TRUE(InlineOn());
  ExpectGap(tasks[0], RectInParent(taskbar, InlineWindow()).Width());
}

TEST_F(InlineModeTest, CapturesReachBothDropDownsDeleteAndF3WorkInline) {
  MakeTaskbar({"MSTaskSwWClass"});
  CopyAndWait("before");
  Toggle();
  ASSERT_TRUE(InlineOn());
  CHistoryCombo& combo = InlineCombo();
  EXPECT_EQ(InlineRows(), Rows());
  CopyAndWait("one");
  CopyAndWait("two");
  EXPECT_EQ(InlineRows(),
            (std::vector<std::string>{"two", "one", "before", "on the clipboard at start"}));
  EXPECT_EQ(combo.GetCurSel(), 0);

  combo.SetCurSel(1);
  Click(InlineWindow(), IDC_DELETE_ITEM);
  const std::vector<std::string> left{"two", "before", "on the clipboard at start"};
  EXPECT_EQ(Rows(), left);
  EXPECT_EQ(InlineRows(), left);
  EXPECT_EQ(combo.GetCurSel(), Selected());

  combo.SetWindowText("bef");
  Combo().SetCurSel(-1);
  test::PressKey(combo.m_hWnd, InlineWindow(), VK_F3);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(Selected(), -1) << "the strip's drop-down is left alone";
  combo.ShowDropDown(false);
}

TEST_F(InlineModeTest, TheInlineDropDownTakesDraggedTextAndPutsAnEntryBackWhole) {
  MakeTaskbar({"MSTaskSwWClass"});
  Toggle();
  ASSERT_TRUE(InlineOn());
  CHistoryCombo& combo = InlineCombo();
  OleSession ole;
  test::DragOnto(combo.m_hWnd, "dragged inline");
  EXPECT_TRUE(test::PumpUntil([&] { return Rows().front() == "dragged inline"; }));

  const std::u16string greek = u"Καλημέρα κόσμε";
  workspace.history.InsertTop("?a??µ??a ??sµe", kPlain, greek);
  combo.SetCurSel(0);
  test::Notify(InlineWindow(), IDC_INLINE_HISTORY, CBN_SELCHANGE);
  EXPECT_EQ(test::ClipboardUnicode(), greek);
}

}  // namespace
}  // namespace pelmo
