// The history drop-down in the strip. Its keys: Enter adds, Shift+Enter keeps in the ClipBook, F5
// opens, Escape goes back. Dropped files are one entry of whole paths, dropped text is never moved;
// multi-line rows are previewed.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include "MainWindowFixture.h"
#include "controls/PreviewWindow.h"

namespace pelmo {
namespace {

using namespace test;
using namespace std::string_literals;

using HistoryComboTest = MainWindowTest;

// Draws a row of the strip's drop-down highlighted, as the open list does, into a memory DC.
void DrawRow(HWND dialog, int row) {
  MemoryDC dc(nullptr);
  DRAWITEMSTRUCT dis{ODT_COMBOBOX, IDC_HISTORY, static_cast<UINT>(row), ODA_DRAWENTIRE,
                     ODS_SELECTED, ::GetDlgItem(dialog, IDC_HISTORY), dc, RECT{0, 0, 200, 16}, 0};
  ::SendMessageA(dialog, WM_DRAWITEM, IDC_HISTORY, reinterpret_cast<LPARAM>(&dis));
}

TEST_F(HistoryComboTest, KeysDropsAndThePreviewOfMultiLineRows) {
  workspace.options.autoFocus = 1;
  CopyInFront("in the other program");
  Combo().SetWindowText("typed");
  PressKey(Combo().m_hWnd, dialog.m_hWnd, VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return Rows().front() == "typed"; }));

  Combo().SetCurSel(1);
  ModalScript name({[](HWND prompt) { Click(prompt, IDOK); }});
  PressKey(Combo().m_hWnd, dialog.m_hWnd, VK_RETURN, true);
  ASSERT_EQ(workspace.clipBook.size(), 1u);
  EXPECT_NE(workspace.clipBook[0].text.find("in the other program"), std::string::npos);

  std::string shown;
  ModalScript failure({[&](HWND) { shown = AnswerActiveWindow(IDOK); }});
  Combo().SetWindowText("C:\\no such folder\\no such file.txt");
  PressKey(Combo().m_hWnd, dialog.m_hWnd, VK_F5);
  EXPECT_NE(shown, "") << "the shell's failure is reported";

  PressKey(Combo().m_hWnd, dialog.m_hWnd, VK_ESCAPE);
  EXPECT_EQ(::GetForegroundWindow(), other.Hwnd());

  const std::string longPath = "C:\\" + std::string(300, 'd') + "\\file.txt";
  // A block as the shell makes it: the names one after the other, then one more zero.
  const std::string names = "C:\\a.txt\0"s + longPath + "\0\0"s;
  HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  names.copy(reinterpret_cast<char*>(header + 1), names.size());
  ::GlobalUnlock(block);
  ::SendMessageA(Combo().m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  PumpUntil([&] { return workspace.history.Count() == 4; });
  const HistoryItem& entry = workspace.history.At(0);
  EXPECT_EQ(entry.text, "C:\\a.txt\r\n" + longPath);
  EXPECT_EQ(entry.kind, kDroppedFiles);

  OleSession ole;
  ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_UP));  // elsewhere, as at the start of a drag
  EXPECT_EQ(DragOnto(Combo().m_hWnd, "dragged in"), static_cast<DWORD>(DROPEFFECT_NONE))
      << "the source keeps its text";
  PumpUntil([&] { return workspace.history.Count() == 5; });
  EXPECT_EQ(Rows().front(), "dragged in");
  EXPECT_EQ(::GetFocus(), ::GetWindow(Combo().m_hWnd, GW_CHILD)) << "the drop-down has the focus";

  Combo().SetOwnDrag(true);
  DragOnto(Combo().m_hWnd, "its own drag");
  Combo().SetOwnDrag(false);
  Settle();
  EXPECT_EQ(workspace.history.Count(), 5) << "not from itself";

  CopyAndWait("first\r\nsecond\r\nthird");
  Combo().SetPreview(false);
  DrawRow(dialog.m_hWnd, 0);
  EXPECT_EQ(Combo().Preview(), nullptr) << "Preview off: nothing is made";

  Combo().SetPreview(true);
  ::SetFocus(Combo().m_hWnd);
  HWND focus = ::GetFocus();
  DrawRow(dialog.m_hWnd, 0);
  ASSERT_NE(Combo().Preview(), nullptr);
  HWND preview = Combo().Preview()->m_hWnd;
  EXPECT_TRUE(::IsWindowVisible(preview));
  EXPECT_EQ(::GetFocus(), focus) << "shown without being activated";
  EXPECT_EQ(WindowText(::GetDlgItem(preview, IDC_PREVIEW_TEXT)), "first\r\nsecond\r\nthird");

  DrawRow(dialog.m_hWnd, 1);
  EXPECT_FALSE(::IsWindowVisible(preview)) << "a one-line row hides it";
  DrawRow(dialog.m_hWnd, 0);
  Notify(dialog.m_hWnd, IDC_HISTORY, CBN_CLOSEUP);
  EXPECT_FALSE(::IsWindowVisible(preview)) << "closing the list hides it";
}

}  // namespace
}  // namespace pelmo
