// The main window on the real clipboard: capture and its guards, the viewer chain, the history
// operations, a text the code page cannot hold, and Inline mode.
#include <future>
#include <thread>

#include "DragOnto.h"
#include "MainWindowFixture.h"
#include "framework/SystemCodePage.h"
#include "framework/WindowMessages.h"

namespace pelmo {
namespace {

using test::Click;
using test::ClipboardText;
using test::ClipboardUnicode;
using test::ComboRows;
using test::MainWindowTest;
using test::ModalScript;
using test::OtherProgram;
using test::PumpUntil;
using test::RemoveItemFiles;
using test::Settle;
using test::TestClass;

TEST_F(MainWindowTest, CapturesEveryCopyNewestFirstEqualTextsIncluded) {
  CopyAndWait("one");
  CopyAndWait("two\r\nsecond line");
  CopyAndWait("two\r\nsecond line");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"two", "two", "one", "on the clipboard at start"}));
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(workspace.history.At(0).text, "two\r\nsecond line");
  EXPECT_EQ(workspace.history.At(0).multiLine, 1);
}

// Each copies the entry it leaves selected, and a copy of our own adds no row.
TEST_F(MainWindowTest, UpDownDeleteAndMarkCopyTheEntryTheyLeaveSelectedWhenTheClipboardIsFree) {
  CopyAndWait("r2");
  CopyAndWait("r1");
  CopyAndWait("r0");
  Combo().SetCurSel(-1);
  Command(IDC_UP);
  EXPECT_EQ(Selected(), 2) << "second row from the bottom";
  EXPECT_EQ(ClipboardText(), "r2");
  Command(IDC_DOWN);
  EXPECT_EQ(Selected(), 3);
  EXPECT_EQ(ClipboardText(), "on the clipboard at start");

  Combo().SetCurSel(1);
  Command(IDC_DELETE_ITEM);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"r0", "r2", "on the clipboard at start"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(ClipboardText(), "r2");

  Combo().SetCurSel(0);
  Command(ID_MARK_ITEM);
  EXPECT_EQ(ClipboardText(), "r0");
  Settle();
  EXPECT_EQ(workspace.history.At(0).kind, kMarked);
  EXPECT_EQ(workspace.history.Count(), 3);

  // A copy that another program's open clipboard refuses leaves no skip flag behind.
  ASSERT_TRUE(::OpenClipboard(other.Hwnd()));
  Combo().SetCurSel(1);
  Command(ID_MARK_ITEM);
  ::CloseClipboard();
  EXPECT_EQ(ClipboardText(), "r0") << "the copy did nothing";
  CopyAndWait("after");
  EXPECT_EQ(Rows().front(), "after");
}

TEST_F(MainWindowTest, EditItemReplacesTheSelectedEntryOrAddsTheTypedText) {
  CopyAndWait("old text");
  Combo().SetCurSel(0);
  Command(ID_MARK_ITEM);
  EditWith("new\r\ntext", IDOK);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"new", "on the clipboard at start"}));
  EXPECT_EQ(workspace.history.At(0).text, "new\r\ntext");
  EXPECT_EQ(workspace.history.At(0).multiLine, 1);
  EXPECT_EQ(workspace.history.At(0).kind, kMarked) << "an edited entry keeps its mark";
  EXPECT_EQ(ClipboardText(), "new\r\ntext");

  // Done without a change, and Cancel, change and copy nothing.
  CopyAndWait("elsewhere");
  Combo().SetCurSel(1);
  EditWith(nullptr, IDOK);
  EditWith("discarded", IDCANCEL);
  EXPECT_EQ(ClipboardText(), "elsewhere");
  EXPECT_EQ(workspace.history.At(1).text, "new\r\ntext");

  // Without a selection the typed text becomes a new entry, beyond the maximum too.
  workspace.options.deleteAfter = 3;
  Combo().SetCurSel(-1);
  Combo().SetWindowText("typed");
  EditWith(nullptr, IDOK);
  EXPECT_EQ(Rows().front(), "typed");
  EXPECT_EQ(workspace.history.Count(), 4);
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(ClipboardText(), "typed");
}

TEST_F(MainWindowTest, MinimizeStoresThePositionThatATrayLeftClickRestores) {
  // A position of its own, so that only the one minimizing stores can bring it back there.
  IniProfile profile;
  WritePosition(profile, {0, 0});
  ::SetWindowPos(dialog.m_hWnd, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Command(IDC_MINIMIZE);
  const Rect hidden = WindowRect(dialog.m_hWnd);
  ASSERT_LT(hidden.bottom, 1) << "minimized above the screen";
  ::SetWindowPos(dialog.m_hWnd, nullptr, 5, hidden.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND icon = ::FindWindowA("PelmoTaskbarIcon", nullptr);
  DWORD process = 0;
  ::GetWindowThreadProcessId(icon, &process);
  ASSERT_EQ(process, ::GetCurrentProcessId());
  ::SendMessageA(icon, WM_TASKBAR_CALLBACK, 0, WM_LBUTTONDOWN);
  PumpUntil([&] { return WindowRect(dialog.m_hWnd).top >= 0; });
  const Rect shown = WindowRect(dialog.m_hWnd);
  EXPECT_EQ(shown.left, 123);
  EXPECT_EQ(shown.top, 77);
  EXPECT_EQ(shown.Height(), hidden.Height()) << "moved, not resized";
}

TEST_F(MainWindowTest, KeepTopPutsAChosenEntryOnTopAndDeleteRestKeepsTheClipboardsTextAlone) {
  CopyAndWait("older");
  CopyAndWait("newest");
  workspace.options.keepTop = 1;
  Choose(2);
  PumpUntil([&] { return workspace.history.Count() == 4; });
  EXPECT_EQ(Rows(), (std::vector<std::string>{"on the clipboard at start", "newest", "older",
                                              "on the clipboard at start"}));

  workspace.clipBook.emplace_back().text = "kept";
  workspace.links.push_back("www.kept.org");
  Command(ID_DELETE_REST);
  EXPECT_EQ(Rows(), std::vector<std::string>{"on the clipboard at start"});
  EXPECT_EQ(workspace.clipBook.size(), 1u);
  EXPECT_EQ(workspace.links.size(), 1u);
}

// Another program's thread that copies `text` and then holds the clipboard open, as some programs
// do, until it is destroyed. The copy's notification waits in the test's queue until then.
class Holder {
 public:
  explicit Holder(const char* text)
      : m_thread([this, text] {
          WriteClipboardText(nullptr, text);
          ::OpenClipboard(nullptr);
          m_held.set_value();
          m_go.get_future().wait();
          ::CloseClipboard();
        }) {
    m_held.get_future().wait();
  }
  ~Holder() {
    m_go.set_value();
    m_thread.join();
  }

 private:
  std::promise<void> m_held, m_go;
  std::thread m_thread;
};

// A held clipboard is read again at growing intervals until its writer lets go. What a read again
// took in is not taken again when a viewer ahead passes its change on late; the newest change wins.
TEST_F(MainWindowTest, ACopyHeldOpenForSecondsIsCapturedOnceWhenItsWriterLetsGo) {
  {
    Holder holder("held for long");
    Settle(1200);  // well past five reads 100 ms apart
  }
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "held for long"; }));

  other.JoinChain();  // passes nothing on: the test does, late
  {
    Holder holder("first");
    ::SendMessageA(dialog.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
  }
  ASSERT_TRUE(other.Copy("newest"));
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "newest"; }));
  ::SendMessageA(dialog.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
  Settle();
  EXPECT_EQ(Rows(),
            (std::vector<std::string>{"newest", "held for long", "on the clipboard at start"}));
}

// The saved history is read while the window works; a close or a command waits for the read and
// sees every entry. It opens on its top row and reaches the drop-down a batch at a time.
TEST(MainWindowStart, ALongSavedHistoryComesInWhileTheWindowWorks) {
  RemoveItemFiles();
  const int saved = 2 * History::kFirstRows + 1;
  Workspace workspace(ModuleFileName());
  for (int i = saved; i-- > 0;) workspace.history.InsertTop("entry " + std::to_string(i), kPlain);
  ASSERT_TRUE(workspace.SaveItems().done);
  {
    ClipboardSession clipboard(nullptr);
    ASSERT_TRUE(clipboard.IsOpen() && ::EmptyClipboard());
  }
  const auto start = [](CMainDialog& dialog, UINT message, WPARAM wParam) {
    ASSERT_TRUE(dialog.Create(nullptr));
    ::SendMessageA(dialog.m_hWnd, message, wParam, 0);
  };
  {
    Workspace strip(ModuleFileName());
    CMainDialog closed(strip);
    start(closed, WM_CLOSE, 0);
  }
  EXPECT_EQ(LoadItemsFile(ItemFileName(ModuleFileName(), kItemsExtension)).content.history.size(),
            static_cast<size_t>(saved));
  {
    Workspace strip(ModuleFileName());
    CMainDialog emptied(strip);
    start(emptied, WM_COMMAND, ID_DELETE_REST);
    Settle();
    EXPECT_EQ(strip.history.Count(), 0) << "Delete Rest took every entry";
    emptied.DestroyWindow();
  }

  Workspace strip(ModuleFileName());
  CMainDialog dialog(strip);
  start(dialog, WM_NULL, 0);
  CHistoryCombo& combo = test::HistoryComboOf(dialog.m_hWnd);
  PumpUntil([&] { return combo.GetCount() == saved; });
  EXPECT_EQ(ComboRows(combo), workspace.history.Texts());
  EXPECT_EQ(combo.GetCurSel(), 0);
  dialog.DestroyWindow();
  RemoveItemFiles();
}

TEST(MainWindowChain, MaintainsAndLeavesTheViewerChain) {
  OtherProgram successor, later;
  successor.JoinChain();
  HWND stranger = reinterpret_cast<HWND>(0x1234);
  Workspace workspace(ModuleFileName());
  CMainDialog dialog(workspace);
  ASSERT_TRUE(dialog.Create(nullptr));
  Settle();
  EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);
  // Each change reaches the next viewer, and only it.
  const auto passesOnTo = [&](OtherProgram& next, OtherProgram& not_) {
    const int before = next.drawClipboards, notBefore = not_.drawClipboards;
    WriteClipboardText(nullptr, "passed on");
    PumpUntil([&] { return next.drawClipboards > before; });
    Settle();
    return next.drawClipboards > before && not_.drawClipboards == notBefore;
  };
  EXPECT_TRUE(passesOnTo(successor, later));

  // Changes that do not concern our successor are passed on to it.
  ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(stranger), 0);
  ASSERT_EQ(successor.chainChanges.size(), 1u);
  EXPECT_EQ(successor.chainChanges[0].first, stranger);

  // Our successor leaves: we link to its successor.
  ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(successor.Hwnd()),
                 reinterpret_cast<LPARAM>(later.Hwnd()));
  EXPECT_TRUE(passesOnTo(later, successor));
  ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(later.Hwnd()), 0);
  EXPECT_EQ(later.chainChanges.size(), 0u);
  EXPECT_FALSE(passesOnTo(later, successor)) << "nobody follows us now";
  EXPECT_EQ(successor.chainChanges.size(), 1u);

  // Leaving: the viewer ahead of us is told who follows us.
  OtherProgram ahead;
  ahead.JoinChain();
  HWND ours = dialog.m_hWnd;
  dialog.DestroyWindow();
  ASSERT_EQ(ahead.chainChanges.size(), 1u) << "the window left the chain when it was destroyed";
  EXPECT_EQ(ahead.chainChanges[0], std::make_pair(ours, HWND{nullptr}));
}

// Changes marked private are passed on but not recorded, and a viewer ahead of the strip that
// swallows the notifications, or posts them on late, stops neither the capture nor Quick Replace.

// Writes a text with one more format beside it, holding a DWORD.
bool CopyMarked(HWND owner, const std::string& text, const char* mark, DWORD value) {
  ClipboardSession clipboard(owner);
  return clipboard.IsOpen() && clipboard.WriteText(text) &&
         test::PutClipboardBytes(::RegisterClipboardFormatA(mark), &value, sizeof value);
}

TEST(CaptureGuards, AChangeMarkedPrivateIsPassedOnButNotRecorded) {
  RemoveItemFiles();
  OtherProgram viewer;
  viewer.JoinChain();
  {
    Workspace workspace(ModuleFileName());
    CMainDialog dialog(workspace);
    ASSERT_TRUE(dialog.Create(nullptr));
    Settle();
    const int rows = workspace.history.Count();
    for (const char* mark : {"ExcludeClipboardContentFromMonitorProcessing",
                             "CanIncludeInClipboardHistory", "Clipboard Viewer Ignore"}) {
      const int before = viewer.drawClipboards;
      ASSERT_TRUE(CopyMarked(viewer.Hwnd(), "secret", mark, 0));
      EXPECT_TRUE(PumpUntil([&] { return viewer.drawClipboards > before; })) << mark;
      Settle();
      EXPECT_EQ(workspace.history.Count(), rows) << mark;
    }
    // Allowed into the history explicitly.
    ASSERT_TRUE(CopyMarked(viewer.Hwnd(), "open", "CanIncludeInClipboardHistory", 1));
    EXPECT_TRUE(PumpUntil([&] { return workspace.history.Count() == rows + 1; }));
  }
  RemoveItemFiles();
}

TEST_F(MainWindowTest, ASwallowingViewerAheadIsOvertakenAndTheMissedChangeCaptured) {
  other.JoinChain();  // now at the head, passing nothing on
  ASSERT_TRUE(other.Copy("missed"));
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "missed"; }, 3000));
  EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);

  // Still pointing at us, it now passes changes on: the chain is a loop, which must not bring
  // the change round again and again.
  other.passOn = true;
  CopyAndWait("once");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"once", "missed", "on the clipboard at start"}));
}

TEST_F(MainWindowTest, QuickReplaceGoesOnReplacingBehindAViewerThatPostsTheChangesOn) {
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"qq1", "Replaced text one"}};
  other.JoinChain();
  other.passOn = true;
  other.postOn = true;
  for (const char* copy : {"first", "second"}) {
    ASSERT_TRUE(other.Copy("qq1"));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == "Replaced text one"; })) << copy;
    Settle();
  }
}

// A text the ANSI code page cannot hold: captured whole, put back whole and edited.
TEST_F(MainWindowTest, AGreekTextComesBackAsTheSameUtf16AndIsEditedWhole) {
  const std::u16string greek = u"Καλημέρα κόσμε \U0001F642";
  {  // a copy as a Unicode program makes it: CF_UNICODETEXT only
    ClipboardSession clipboard(other.Hwnd());
    ASSERT_TRUE(clipboard.IsOpen() && ::EmptyClipboard());
    ASSERT_TRUE(test::PutClipboardBytes(CF_UNICODETEXT, greek.c_str(),
                                        (greek.size() + 1) * sizeof(char16_t)));
  }
  PumpUntil([&] { return workspace.history.Count() == 2; });
  Settle();
  ASSERT_EQ(workspace.history.At(0).wide, greek);
  EXPECT_EQ(workspace.history.At(0).text, ToSystemAnsi(greek))
      << "the rules see the system's ANSI text";
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ASSERT_TRUE(::GetComboBoxInfo(Combo().m_hWnd, &combo));
  EXPECT_EQ(WideWindowText(combo.hwndItem), greek) << "the edit field shows the selected entry";

  CopyAndWait("elsewhere");
  Choose(1);
  PumpUntil([&] { return ClipboardUnicode() == greek; });
  EXPECT_EQ(ClipboardUnicode(), greek);
  EXPECT_EQ(ClipboardText(), ToSystemAnsi(greek));
  Settle();
  EXPECT_EQ(workspace.history.Count(), 3) << "our own write adds nothing";

  // The editor shows the wide text and gives back what is typed, whole.
  std::u16string shown;
  ModalScript script({[&shown](HWND editor) {
                        wchar_t text[64] = {};
                        ::GetDlgItemTextW(editor, IDC_EDIT_TEXT, text, 64);
                        shown = reinterpret_cast<const char16_t*>(text);
                        ::SetDlgItemTextW(editor, IDC_EDIT_TEXT, L"Привет, мир");
                      },
                      [](HWND editor) { Click(editor, IDOK); }});
  Command(ID_EDIT_ITEM);
  Settle();
  EXPECT_EQ(shown, greek);
  EXPECT_EQ(workspace.history.At(1).wide, u"Привет, мир");
  EXPECT_EQ(ClipboardUnicode(), u"Привет, мир");
}


// Inline mode against a stand-in taskbar. Wine's own "Shell_TrayWnd" is hidden and has no
// children; the stand-in is a topmost window of that class made later, so the lookup by class
// name meets it first.
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

TEST_F(InlineModeTest, CapturesReachBothDropDownsDeleteF3AndDragsWorkInline) {
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

  // It takes dragged text, and puts an entry back whole.
  OleSession ole;
  test::DragOnto(combo.m_hWnd, "dragged inline");
  EXPECT_TRUE(test::PumpUntil([&] { return Rows().front() == "dragged inline"; }));
  const std::u16string greek = u"Καλημέρα κόσμε";
  workspace.history.InsertTop("?a??µ??a ??sµe", kPlain, greek);
  combo.SetCurSel(0);
  test::Notify(InlineWindow(), IDC_INLINE_HISTORY, CBN_SELCHANGE);
  EXPECT_EQ(ClipboardUnicode(), greek);
}

}  // namespace
}  // namespace pelmo
