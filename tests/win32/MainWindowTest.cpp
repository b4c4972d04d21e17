// The main window on the real clipboard: capture and its guards, the viewer chain, the history
// operations, a text the code page cannot hold, and Inline mode.
#include <future>
#include <thread>

#include "MainWindowFixture.h"
#include "framework/SystemCodePage.h"
#include "framework/WindowMessages.h"

namespace pelmo {
namespace {

using namespace test;

// Equal texts are captured too, newest first, and a copy of our own adds no row.
TEST_F(MainWindowTest, CapturesEveryCopyAndTheHistoryCommandsActOnTheSelectedEntry) {
  CopyAndWait("r2");
  CopyAndWait("r1");
  CopyAndWait("r0\r\nsecond line");
  // The same text copied again by a person, later than the platform repeats one copy.
  ::Sleep(ClipboardCapture::kRepeatMs);
  CopyAndWait("r0\r\nsecond line");
  EXPECT_EQ(Rows(), (Strings{"r0", "r0", "r1", "r2", "on the clipboard at start"}));
  // The rows the commands go to are the history's own rules: here, each copies the row it selects.
  Combo().SetCurSel(-1);
  Command(IDC_UP);
  EXPECT_EQ(ClipboardText(), "r2");
  Command(IDC_DOWN);
  EXPECT_EQ(ClipboardText(), "on the clipboard at start");

  Combo().SetCurSel(2);
  Command(IDC_DELETE_ITEM);
  EXPECT_EQ(ClipboardText(), "r2");

  Combo().SetCurSel(0);
  Command(ID_MARK_ITEM);
  EXPECT_EQ(ClipboardText(), "r0\r\nsecond line");
  Settle();
  EXPECT_EQ(workspace.history.At(0).kind, kMarked);

  // A copy that another program's open clipboard refuses leaves no skip flag behind.
  ASSERT_TRUE(::OpenClipboard(other.Hwnd()));
  Combo().SetCurSel(2);
  Command(ID_MARK_ITEM);
  ::CloseClipboard();
  EXPECT_EQ(ClipboardText(), "r0\r\nsecond line") << "the copy did nothing";
  CopyAndWait("after");
  EXPECT_EQ(Rows().front(), "after");

  // Keep Top puts a chosen entry on top; Delete Rest keeps the clipboard's text alone.
  workspace.options.keepTop = 1;
  Choose(4);
  PumpUntil([&] { return workspace.history.Count() == 6; });
  EXPECT_EQ(Rows(), (Strings{"on the clipboard at start", "after", "r0", "r0", "r2",
                             "on the clipboard at start"}));
  workspace.clipBook.emplace_back().text = "kept";
  workspace.links.push_back("www.kept.org");
  Command(ID_DELETE_REST);
  EXPECT_EQ(Rows(), Strings{"on the clipboard at start"});
  EXPECT_EQ(workspace.clipBook.size(), 1u);
  EXPECT_EQ(workspace.links.size(), 1u);
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
  char tip[64] = {};
  ::GetWindowTextA(icon, tip, sizeof tip);
  EXPECT_STREQ(tip, "Dadar Adedirude") << "shown once the strip has been painted";
  ::SendMessageA(icon, WM_TASKBAR_CALLBACK, 0, WM_LBUTTONDOWN);
  PumpUntil([&] { return WindowRect(dialog.m_hWnd).top >= 0; });
  EXPECT_EQ(WindowRect(dialog.m_hWnd), (Rect{123, 77, 123 + hidden.Width(), 77 + hidden.Height()}))
      << "moved back, not resized";
}

// Runs `during` while another program's thread, having copied `text`, holds the clipboard open as
// some programs do. The copy's notification waits in the test's queue until it lets go.
void WhileHeld(const char* text, const std::function<void()>& during) {
  std::promise<void> held, go;
  std::thread holder([&] {
    WriteClipboardText(nullptr, text);
    ::OpenClipboard(nullptr);
    held.set_value();
    go.get_future().wait();
    ::CloseClipboard();
  });
  held.get_future().wait();
  during();
  go.set_value();
  holder.join();
}

// A held clipboard is read again at growing intervals until its writer lets go. What a read again
// took in is not taken again when a viewer ahead passes its change on late; the newest change wins.
TEST_F(MainWindowTest, ACopyHeldOpenForSecondsIsCapturedOnceWhenItsWriterLetsGo) {
  WhileHeld("held for long", [] { Settle(1200); });  // well past five reads 100 ms apart
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "held for long"; }));

  other.JoinChain();  // passes nothing on: the test does, late
  WhileHeld("first", [&] { ::SendMessageA(dialog.m_hWnd, WM_DRAWCLIPBOARD, 0, 0); });
  ASSERT_TRUE(other.Copy("newest"));
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "newest"; }));
  ::SendMessageA(dialog.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
  Settle();
  EXPECT_EQ(Rows(), (Strings{"newest", "held for long", "on the clipboard at start"}));
}

// The saved history is read while the window works: a long file (padded, over 1 MB) on a worker, a
// short one once the window is up. A close or a command waits for the read and sees every entry.
// It opens on its top row and reaches the drop-down a batch at a time.
TEST(MainWindowStart, ASavedHistoryComesInWhileTheWindowWorks) {
  const int saved = 2 * History::kFirstRows + 1;
  RecordingApp app;  // the first start asks for help, and only that one
  IniProfile().WriteInt(kSettingsSection, "NewWindow", 0);
  for (const size_t padding : {0, 300}) {
    RemoveItemFiles();
    Workspace workspace(ModuleFileName());
    Strings rows;
    for (int i = saved; i-- > 0;) {
      rows.insert(rows.begin(), "entry " + std::to_string(i));
      workspace.history.InsertTop(rows.front() + "\n" + std::string(padding, 'x'), kPlain);
    }
    ASSERT_TRUE(workspace.SaveItems().done);
    {
      ClipboardSession clipboard(nullptr);
      ASSERT_TRUE(clipboard.IsOpen() && ::EmptyClipboard());
    }
    // Started and at once closed, emptied by Delete Rest, or left to read.
    for (const UINT message : {WM_CLOSE, WM_COMMAND, WM_NULL}) {
      Workspace strip(ModuleFileName());
      CMainDialog dialog(strip);
      ASSERT_TRUE(dialog.Create(nullptr));
      EXPECT_EQ(app.contexts, std::vector<DWORD_PTR>{IDH_GETTING_STARTED});
      ::SendMessageA(dialog.m_hWnd, message, ID_DELETE_REST, 0);
      if (message == WM_CLOSE) {
        EXPECT_EQ(LoadItemsFile(strip.Files().ItemsPath()).content.history.size(),
                  static_cast<size_t>(saved));
        continue;
      }
      CHistoryCombo& combo = HistoryComboOf(dialog.m_hWnd);
      if (message == WM_COMMAND) {
        Settle();
        EXPECT_EQ(strip.history.Count(), 0) << "Delete Rest took every entry";
      } else {
        PumpUntil([&] { return combo.GetCount() == saved; });
        EXPECT_EQ(ListBoxRows(combo.m_hWnd, true), rows);
        EXPECT_EQ(combo.GetCurSel(), 0);
      }
      dialog.DestroyWindow();
    }
  }
  RemoveItemFiles();
}

// The strip keeps its place in the viewer chain and leaves it when destroyed. Every change reaches
// the next viewer, and only it; one marked private is passed on but not recorded.
TEST(MainWindowChain, MaintainsAndLeavesTheViewerChainAndPassesPrivateChangesOnUnrecorded) {
  OtherProgram successor, later;
  successor.JoinChain();
  Workspace workspace(ModuleFileName());
  CMainDialog dialog(workspace);
  ASSERT_TRUE(dialog.Create(nullptr));
  Settle();
  EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);
  // Copies a text, with a DWORD in one more format `mark` when one is given.
  const auto passesOnTo = [&](OtherProgram& next, OtherProgram& not_, const char* mark = nullptr,
                              DWORD value = 0) {
    const int before = next.drawClipboards, notBefore = not_.drawClipboards;
    {
      ClipboardSession clipboard(nullptr);
      EXPECT_TRUE(clipboard.IsOpen() && clipboard.WriteText("passed on"));
      if (mark) PutClipboardBytes(::RegisterClipboardFormatA(mark), &value, sizeof value);
    }
    PumpUntil([&] { return next.drawClipboards > before; });
    Settle();
    return next.drawClipboards > before && not_.drawClipboards == notBefore;
  };
  EXPECT_TRUE(passesOnTo(successor, later));
  const int rows = workspace.history.Count();
  for (const char* mark : {"ExcludeClipboardContentFromMonitorProcessing",
                           "CanIncludeInClipboardHistory", "Clipboard Viewer Ignore"}) {
    EXPECT_TRUE(passesOnTo(successor, later, mark)) << mark;
    EXPECT_EQ(workspace.history.Count(), rows) << mark;
  }
  EXPECT_TRUE(passesOnTo(successor, later, "CanIncludeInClipboardHistory", 1));
  EXPECT_EQ(workspace.history.Count(), rows + 1) << "allowed into the history explicitly";

  // Changes that do not concern our successor are passed on to it.
  ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, 0x1234, 0);
  ASSERT_EQ(successor.chainChanges.size(), 1u);
  EXPECT_EQ(successor.chainChanges[0].first, reinterpret_cast<HWND>(0x1234));

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
  RemoveItemFiles();
}

// A viewer ahead of the strip that swallows the notifications, or posts them on late, stops
// neither the capture nor Quick Replace.
TEST_F(MainWindowTest, ASwallowingViewerAheadIsOvertakenAndTheMissedChangeCaptured) {
  other.JoinChain();  // now at the head, passing nothing on
  ASSERT_TRUE(other.Copy("missed"));
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "missed"; }, 3000));
  EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);

  // Still pointing at us, it now passes changes on: the chain is a loop, which must not bring
  // the change round again and again.
  other.passOn = true;
  CopyAndWait("once");
  EXPECT_EQ(Rows(), (Strings{"once", "missed", "on the clipboard at start"}));
}

TEST_F(MainWindowTest, QuickReplaceGoesOnReplacingBehindAViewerThatPostsTheChangesOn) {
  workspace.options.quickRep = 1;
  workspace.quickRep = {{"qq1", "Replaced text one"}};
  other.JoinChain();
  other.passOn = other.postOn = true;
  for (const char* copy : {"first", "second"}) {
    ASSERT_TRUE(other.Copy("qq1"));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == "Replaced text one"; })) << copy;
    Settle();
  }
}

// A copy is read in the forms its owner put: a text the ANSI code page cannot hold is captured
// whole, put back whole and edited.
TEST_F(MainWindowTest, ACopyIsReadInItsOwnersFormsAndAGreekTextComesBackWhole) {
  // A Unicode text the system makes from the ANSI one is never read: it holds nothing more, and
  // reading it after that one leaves a block behind under Wine, every time.
  using UnicodeText = ClipboardSession::UnicodeText;
  // (The Greek copies below are the owners' Unicode texts.)
  const std::pair<std::vector<UINT>, UnicodeText> kCopies[] = {
      {{CF_TEXT}, UnicodeText::kMadeFromAnsi},
      {{CF_TEXT, CF_LOCALE, CF_UNICODETEXT}, UnicodeText::kOwnersAfterAnsi}};
  for (const auto& [formats, source] : kCopies) {
    {
      ClipboardSession clipboard(other.Hwnd());
      ASSERT_TRUE(clipboard.IsOpen() && ::EmptyClipboard());
      const DWORD ab = 0x00620061;  // L"ab", and "a" in one byte
      for (const UINT format : formats) ASSERT_TRUE(PutClipboardBytes(format, &ab, sizeof ab));
    }
    EXPECT_EQ(ClipboardSession(nullptr).UnicodeTextSource(), source) << formats.size();
  }
  Settle();
  workspace.history.DeleteAll();

  const std::u16string greek = u"Καλημέρα κόσμε \U0001F642";
  // A copy as a Unicode program makes it, CF_UNICODETEXT only, and as a program that puts the
  // ANSI form first and its Unicode text after it.
  // (Two texts: one text copied twice at once would be one copy announced twice.)
  for (const bool ansiFirst : {false, true}) {
    const std::u16string text = ansiFirst ? greek : u"Ελλάδα \U0001F642";
    {
      ClipboardSession clipboard(other.Hwnd());
      ASSERT_TRUE(clipboard.IsOpen() && ::EmptyClipboard());
      const std::string ansi = ToSystemAnsi(text);
      if (ansiFirst) {
        ASSERT_TRUE(PutClipboardBytes(CF_TEXT, ansi.c_str(), ansi.size() + 1));
      }
      ASSERT_TRUE(PutClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * 2));
    }
    PumpUntil([&] { return workspace.history.Count() == 1 + ansiFirst; });
    Settle();
    ASSERT_EQ(workspace.history.At(0).wide, text) << ansiFirst;
    EXPECT_EQ(workspace.history.At(0).text, ToSystemAnsi(text))
        << "the rules see the system's ANSI text";
  }
  EXPECT_EQ(WideWindowText(::GetWindow(Combo().m_hWnd, GW_CHILD)), greek)
      << "the edit field shows the selected entry";

  CopyAndWait("elsewhere");
  Choose(1);
  EXPECT_TRUE(PumpUntil([&] { return ClipboardUnicode() == greek; }));
  Settle();
  EXPECT_EQ(workspace.history.Count(), 3) << "our own write adds nothing";

  // The editor shows the wide text and gives back what is typed, whole.
  EXPECT_EQ(Answer(ID_EDIT_ITEM, IDC_EDIT_TEXT, u"Привет, мир"), greek);
  EXPECT_EQ(workspace.history.At(1).wide, u"Привет, мир");
  EXPECT_EQ(ClipboardUnicode(), u"Привет, мир");
}

// Inline mode against a stand-in taskbar along the bottom of the screen, its task buttons (which
// FindTaskbarParts chooses) at the left: Wine's own "Shell_TrayWnd" is hidden and childless, and a
// topmost one made later is what the lookup by class name meets first.
class InlineModeTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    taskbar =
        ::CreateWindowExA(WS_EX_TOPMOST, TestClass("Shell_TrayWnd"), "", WS_POPUP | WS_VISIBLE, 0,
                          760, 1280, 40, nullptr, nullptr, nullptr, nullptr);
    tasks = ::CreateWindowExA(0, TestClass("MSTaskSwWClass"), "", WS_CHILD | WS_VISIBLE, 60, 2, 900,
                              36, taskbar, nullptr, nullptr, nullptr);
    notifyArea = ::CreateWindowExA(0, TestClass("TrayNotifyWnd"), "", WS_CHILD | WS_VISIBLE, 1100,
                                   4, 170, 32, taskbar, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    if (taskbar && InlineWindow()) Command(ID_TOGGLE_INLINE);
    if (taskbar) ::DestroyWindow(taskbar);
    MainWindowTest::TearDown();
  }
  // The Inline window: the dialog among the taskbar's children.
  HWND InlineWindow() { return ::FindWindowExA(taskbar, nullptr, "#32770", nullptr); }

  HWND taskbar = nullptr, tasks = nullptr, notifyArea = nullptr;
};

TEST_F(InlineModeTest, FillsTheGapBeforeTheNotificationAreaAndWorksAsTheStrip) {
  CopyAndWait("before");
  Command(ID_TOGGLE_INLINE);
  ASSERT_TRUE(InlineWindow());
  const Rect n = RectInParent(taskbar, notifyArea), w = RectInParent(taskbar, InlineWindow());
  EXPECT_EQ(w, (Rect{RectInParent(taskbar, tasks).right, n.top, n.left, n.bottom}));
  CHistoryCombo& combo = HistoryComboOf(InlineWindow(), IDC_INLINE_HISTORY);
  CopyAndWait("one");
  CopyAndWait("two");
  EXPECT_EQ(ListBoxRows(combo.m_hWnd, true),
            (Strings{"two", "one", "before", "on the clipboard at start"}));
  EXPECT_EQ(combo.GetCurSel(), 0);

  combo.SetCurSel(1);
  Click(InlineWindow(), IDC_DELETE_ITEM);
  EXPECT_EQ(Rows(), (Strings{"two", "before", "on the clipboard at start"}));
  EXPECT_EQ(combo.GetCurSel(), Selected());

  combo.SetWindowText("bef");
  Combo().SetCurSel(-1);
  PressKey(combo.m_hWnd, InlineWindow(), VK_F3);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.GetWindowText(), "bef") << "what was typed stays, for the next F3";
  EXPECT_EQ(Selected(), -1) << "the strip's drop-down is left alone";
  combo.ShowDropDown(false);

  OleSession ole;
  DragOnto(combo.m_hWnd, "dragged inline");
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "dragged inline"; }));
  combo.SetCurSel(1);
  Notify(InlineWindow(), IDC_INLINE_HISTORY, CBN_SELCHANGE);
  EXPECT_EQ(ClipboardText(), "two");
}

}  // namespace
}  // namespace pelmo
