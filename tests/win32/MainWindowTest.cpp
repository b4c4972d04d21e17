// The main window on the real clipboard: capture, the viewer chain and the history operations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "app/MainDialog.h"
#include "framework/Clipboard.h"

namespace pelmo {
namespace {

using test::ClipboardText;
using test::PumpUntil;
using test::Settle;

// Another program on the desktop: writes the clipboard and, when asked, takes part in the
// clipboard viewer chain to see what is passed on to it.
class OtherProgram {
 public:
  OtherProgram() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PelmoTestOther";
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowExA(0, wc.lpszClassName, "other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~OtherProgram() {
    if (m_viewer) ::ChangeClipboardChain(m_hwnd, m_next);
    ::DestroyWindow(m_hwnd);
  }
  void JoinChain() {
    m_viewer = true;
    m_next = ::SetClipboardViewer(m_hwnd);
  }
  bool Copy(const std::string& text) { return WriteClipboardText(m_hwnd, text); }
  HWND Hwnd() const { return m_hwnd; }

  std::vector<std::pair<HWND, HWND>> chainChanges;
  int drawClipboards = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<OtherProgram*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == WM_CHANGECBCHAIN) {
      self->chainChanges.emplace_back(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
      return 0;
    }
    if (self && msg == WM_DRAWCLIPBOARD) {
      ++self->drawClipboards;
      return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  HWND m_hwnd;
  HWND m_next = nullptr;
  bool m_viewer = false;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(other.Copy("on the clipboard at start"));
    Settle();
    ASSERT_TRUE(dialog.Create(nullptr));
    Settle();
    ASSERT_EQ(Rows(), std::vector<std::string>{"on the clipboard at start"});
  }

  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    CHistoryCombo& combo = dialog.GetHistoryCombo();
    for (int i = 0; i < combo.GetCount(); ++i) rows.push_back(combo.RowText(i));
    return rows;
  }
  // Copies in the other program and waits for the capture to see it.
  void CopyAndWait(const std::string& text) {
    ASSERT_TRUE(other.Copy(text));
    PumpUntil([&] { return ClipboardText() == text; });
    Settle();
  }
  int Selected() { return dialog.GetHistoryCombo().GetCurSel(); }

  OtherProgram other;
  CMainDialog dialog;
};

TEST_F(MainWindowTest, CapturesEveryCopyNewestFirstEqualTextsIncluded) {
  CopyAndWait("one");
  CopyAndWait("two\r\nsecond line");
  CopyAndWait("two\r\nsecond line");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"two", "two", "one", "on the clipboard at start"}));
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(dialog.GetHistory().At(0).text, "two\r\nsecond line");
  EXPECT_EQ(dialog.GetHistory().At(0).multiLine, 1);
}

TEST_F(MainWindowTest, TextsLongerThanTheLimitAreDropped) {
  dialog.m_options.ignoreMore = 10;
  CopyAndWait("0123456789");
  CopyAndWait("0123456789A");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"0123456789", "on the clipboard at start"}));
}

TEST_F(MainWindowTest, EvictsOneBottomEntryPerCapture) {
  for (int i = 0; i < 5; ++i) CopyAndWait("entry " + std::to_string(i));
  ASSERT_EQ(dialog.GetHistory().Count(), 6);
  dialog.m_options.deleteAfter = 3;
  CopyAndWait("next");
  EXPECT_EQ(dialog.GetHistory().Count(), 6) << "one in, one out";
  EXPECT_EQ(Rows().back(), "entry 0");
}

TEST_F(MainWindowTest, OwnCopiesAreSkippedExactlyOnce) {
  CopyAndWait("alpha");
  CopyAndWait("beta");
  dialog.GetHistoryCombo().SetCurSel(1);
  dialog.CopySelectedToClipboard(true);
  PumpUntil([&] { return ClipboardText() == "alpha"; });
  Settle();
  EXPECT_EQ(dialog.GetHistory().Count(), 3) << "our own write adds nothing";
  CopyAndWait("gamma");
  EXPECT_EQ(Rows().front(), "gamma") << "the skip flag swallowed only one change";
}

TEST_F(MainWindowTest, ALockedClipboardLeavesNoSkipFlagBehind) {
  CopyAndWait("alpha");
  ASSERT_TRUE(::OpenClipboard(other.Hwnd()));
  dialog.GetHistoryCombo().SetCurSel(1);
  dialog.CopySelectedToClipboard(true);
  ::CloseClipboard();
  EXPECT_EQ(ClipboardText(), "alpha") << "the copy did nothing";
  CopyAndWait("after");
  EXPECT_EQ(Rows().front(), "after");
}

TEST_F(MainWindowTest, UpDownDeleteAndMark) {
  CopyAndWait("r3");
  CopyAndWait("r2");
  CopyAndWait("r1");
  CopyAndWait("r0");
  CHistoryCombo& combo = dialog.GetHistoryCombo();
  combo.SetCurSel(-1);
  dialog.Up();
  EXPECT_EQ(Selected(), 3) << "second row from the bottom";
  EXPECT_EQ(ClipboardText(), "r3");
  dialog.Down();
  EXPECT_EQ(Selected(), 4);
  EXPECT_EQ(ClipboardText(), "on the clipboard at start");
  Settle();
  EXPECT_EQ(dialog.GetHistory().Count(), 5) << "forced copies never add a row";

  dialog.DeleteItem();  // the bottom row
  Settle();
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(ClipboardText(), "on the clipboard at start") << "nothing selected, nothing copied";
  EXPECT_EQ(Rows(), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));

  combo.SetCurSel(1);
  dialog.DeleteItem();
  Settle();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"r0", "r2", "r3"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(ClipboardText(), "r2");

  dialog.MarkItem();
  dialog.MarkItem();
  Settle();
  EXPECT_EQ(dialog.GetHistory().At(1).kind, kMarked);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(dialog.GetHistory().Count(), 3);
}

TEST_F(MainWindowTest, FindNextSelectsMatchesAndKeepsTheTypedText) {
  CopyAndWait("ALPHABET");
  CopyAndWait("beta");
  CopyAndWait("Alpha");
  std::vector<int> found;
  for (int i = 0; i < 3; ++i) {
    dialog.FindNext("alp");
    found.push_back(Selected());
    EXPECT_EQ(dialog.GetHistoryCombo().GetWindowText(), "alp");
  }
  EXPECT_EQ(found, (std::vector<int>{0, 2, 0}));
  dialog.GetHistoryCombo().SendMessage(CB_SHOWDROPDOWN, FALSE);
}

TEST_F(MainWindowTest, DeleteRestKeepsOnlyTheClipboardText) {
  CopyAndWait("x");
  CopyAndWait("y");
  dialog.DeleteRest();
  EXPECT_EQ(Rows(), std::vector<std::string>{"y"});
}

TEST(MainWindowChain, MaintainsAndLeavesTheViewerChain) {
  OtherProgram viewer;
  viewer.JoinChain();
  HWND stranger = reinterpret_cast<HWND>(0x1234);
  HWND ours = nullptr;
  {
    CMainDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    Settle();
    EXPECT_EQ(dialog.NextViewer(), viewer.Hwnd());
    EXPECT_EQ(::GetClipboardViewer(), dialog.m_hWnd);

    // Changes that do not concern our successor are passed on to it.
    ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(stranger), 0);
    ASSERT_EQ(viewer.chainChanges.size(), 1u);
    EXPECT_EQ(viewer.chainChanges[0].first, stranger);

    // Captures pass the notification on.
    const int before = viewer.drawClipboards;
    WriteClipboardText(viewer.Hwnd(), "passed on");
    PumpUntil([&] { return viewer.drawClipboards > before; });
    EXPECT_GT(viewer.drawClipboards, before);

    // Our successor leaves: we link to its successor.
    ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(viewer.Hwnd()),
                   reinterpret_cast<LPARAM>(stranger));
    EXPECT_EQ(dialog.NextViewer(), stranger);
    ::SendMessageA(dialog.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(stranger), 0);
    EXPECT_EQ(dialog.NextViewer(), nullptr);
    EXPECT_EQ(viewer.chainChanges.size(), 1u);
    ours = dialog.m_hWnd;
    dialog.DestroyWindow();
  }
  EXPECT_NE(::GetClipboardViewer(), ours) << "the window left the chain when it was destroyed";
}

}  // namespace
}  // namespace pelmo
