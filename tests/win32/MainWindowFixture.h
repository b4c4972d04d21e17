// The main window under test on the real clipboard, and another program on the same desktop.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalScript.h"
#include "WindowTestSupport.h"
#include "app/MainDialog.h"
#include "framework/Clipboard.h"
#include "framework/ModulePath.h"
#include "framework/Ole.h"
#include "model/CalculatorHistory.h"
#include "model/ItemFiles.h"
#include "resource.h"

namespace pelmo::test {

// Another program on the desktop: writes the clipboard and, when asked, takes part in the
// clipboard viewer chain to see what is passed on to it; it passes nothing on unless told to.
class OtherProgram {
 public:
  OtherProgram() {
    m_hwnd = ::CreateWindowExA(0, TestClass("PelmoTestOther", Proc), "other", WS_OVERLAPPED, 0, 0,
                               10, 10, nullptr, nullptr, nullptr, nullptr);
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
  // Copies as the user does: in the foreground.
  bool CopyInFront(const std::string& text) {
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::SetForegroundWindow(m_hwnd);
    return Copy(text);
  }
  HWND Hwnd() const { return m_hwnd; }

  std::vector<std::pair<HWND, HWND>> chainChanges;
  int drawClipboards = 0;
  bool passOn = false;  // whether notifications go on to the next viewer
  bool postOn = false;  // whether they go on later, posted rather than sent

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<OtherProgram*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == WM_CHANGECBCHAIN)
      self->chainChanges.emplace_back(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
    if (!self || msg != WM_DRAWCLIPBOARD) return ::DefWindowProcA(hwnd, msg, wp, lp);
    ++self->drawClipboards;
    if (self->passOn && self->m_next && self->postOn) ::PostMessageA(self->m_next, msg, wp, lp);
    if (self->passOn && self->m_next && !self->postOn) ::SendMessageA(self->m_next, msg, wp, lp);
    return 0;
  }
  HWND m_hwnd;
  HWND m_next = nullptr;
  bool m_viewer = false;
};

// Every test starts without the files a previous test's close may have saved.
inline void RemoveItemFiles() {
  for (const char* extension : {kItemsExtension, kQuickRepExtension, kCalculatorHistoryExtension})
    ::DeleteFileA(ItemFileName(ModuleFileName(), extension).c_str());
}

inline CHistoryCombo& HistoryComboOf(HWND window, int id = IDC_HISTORY) {
  auto* combo = dynamic_cast<CHistoryCombo*>(CWnd::FromHandle(::GetDlgItem(window, id)));
  EXPECT_NE(combo, nullptr);
  return *combo;
}

// A drag of a text onto a window, made in this thread as a user's; it drops after a few passes.
class ScriptedDropSource : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return ++m_calls > 3 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  int m_calls = 0;
};
inline DWORD DragOnto(HWND target, const std::string& text) {
  const Rect r = WindowRect(target);
  ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ComRef<IDropSource> source(new ScriptedDropSource);
  DWORD effect = 0xFF;
  ::DoDragDrop(MakeTextDataObject(text).Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE,
               &effect);
  return effect;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveItemFiles();
    ASSERT_TRUE(other.Copy("on the clipboard at start"));
    Settle();
    ASSERT_TRUE(dialog.Create(nullptr));
    Settle();
    ASSERT_EQ(Rows(), Strings{"on the clipboard at start"});
  }

  CHistoryCombo& Combo() { return HistoryComboOf(dialog.m_hWnd); }
  Strings Rows() { return ListBoxRows(Combo().m_hWnd, true); }
  // Copies in the other program and lets the capture take it in.
  void CopyAndWait(const std::string& text) {
    ASSERT_TRUE(other.Copy(text));
    Settle();
  }
  // Copies in the other program, in front as the user does, and waits for the capture to see it.
  void CopyInFront(const std::string& text) {
    ASSERT_TRUE(other.CopyInFront(text));
    PumpUntil([&] { return workspace.history.At(0).text == text; });
    Settle(300);
  }
  Strings Texts() { return workspace.history.Texts(); }
  int Selected() { return Combo().GetCurSel(); }
  void Command(WORD id) { ::SendMessageA(dialog.m_hWnd, WM_COMMAND, id, 0); }
  void TearDown() override { RemoveItemFiles(); }

  // Chooses a row as the user does in the drop-down.
  void Choose(int row) {
    Combo().SetCurSel(row);
    Notify(dialog.m_hWnd, IDC_HISTORY, CBN_SELCHANGE);
  }
  // Runs `command` and closes its window with `close`, after typing `text` into `field` unless
  // it is null; returns what `field` held.
  std::u16string Answer(WORD command, int field, const char16_t* text,
                        void (*close)(HWND) = kCloseWays[0]) {
    std::u16string before;
    ModalScript script({[&](HWND window) {
      before = WideWindowText(::GetDlgItem(window, field));
      if (text) ::SetDlgItemTextW(window, field, reinterpret_cast<const wchar_t*>(text));
      close(window);
    }});
    Command(command);
    EXPECT_EQ(script.StepsRun(), 1u);
    Settle();
    return before;
  }

  OtherProgram other;
  Workspace workspace{ModuleFileName()};
  CMainDialog dialog{workspace};
};

}  // namespace pelmo::test
