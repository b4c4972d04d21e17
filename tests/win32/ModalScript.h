// Drives a modal dialog from the test thread: a WH_CBT hook notices the dialog's activation, and
// a thread timer then runs scripted steps, one per tick, inside the dialog's own modal loop.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/Dialog.h"

namespace pelmo::test {

class ModalScript {
 public:
  using Step = std::function<void(HWND dialog)>;

  explicit ModalScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
    s_current = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
  }
  ~ModalScript() {
    if (m_timer) ::KillTimer(nullptr, m_timer);
    ::UnhookWindowsHookEx(m_hook);
    s_current = nullptr;
  }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  std::size_t StepsRun() const { return m_next; }
  // For a step that finds its window not up yet: the same step runs again on the next tick.
  static void RunAgain() { s_current->m_again = true; }

 private:
  // Ticks allowed after the last step before a window still open is cancelled as stuck.
  static constexpr int kGraceTicks = 100;

  static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    ModalScript* self = s_current;
    if (code == HCBT_ACTIVATE && self && !self->m_dialog) {
      self->m_dialog = reinterpret_cast<HWND>(wParam);
      self->m_timer = ::SetTimer(nullptr, 0, 30, TimerProc);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* self = s_current;
    if (!self) return;
    if (self->m_next < self->m_steps.size()) {
      const std::size_t step = self->m_next++;
      self->m_steps[step](self->m_dialog);
      if (std::exchange(self->m_again, false)) self->m_next = step;
    } else if (++self->m_idleTicks % kGraceTicks == 0 &&
               (::IsWindow(self->m_dialog) || CDialog::ActiveModal())) {
      // Stuck: what is in front goes first (a message box before its dialog), one per grace.
      ADD_FAILURE() << "a window is still open after the script";
      HWND front = ::GetActiveWindow();
      ::PostMessageA(front ? front : self->m_dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }

  static inline ModalScript* s_current = nullptr;

  std::vector<Step> m_steps;
  std::size_t m_next = 0;
  int m_idleTicks = 0;
  bool m_again = false;
  HWND m_dialog = nullptr;
  HHOOK m_hook = nullptr;
  UINT_PTR m_timer = 0;
};

// Sends `dialog` the notification `code` from its control `id`, as the control does.
inline void Notify(HWND dialog, int id, int code) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}
// Presses a button of a dialog the way a click does.
inline void Click(HWND dialog, int id) {
  Notify(dialog, id, BN_CLICKED);
}

// The ways of closing a dialog: OK, Cancel, Escape in the focused field, the close box.
inline void (*const kCloseWays[])(HWND) = {
    [](HWND dlg) { Click(dlg, IDOK); },
    [](HWND dlg) { Click(dlg, IDCANCEL); },
    [](HWND) { ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); },
    [](HWND dlg) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); },
};

}  // namespace pelmo::test
