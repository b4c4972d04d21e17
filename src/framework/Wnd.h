// CWnd: a C++ object bound to one HWND, with a virtual window procedure.
//
// Binding: the object is found from its HWND through a map of the program's windows. Windows we
// create get our procedure from the start; dialog controls are subclassed onto their C++ class
// (SubclassDlgItem). Every class overrides WindowProc with a plain switch and calls Default()
// for what it does not handle.
//
// Reflection: WM_DRAWITEM, WM_MEASUREITEM and control notifications (WM_COMMAND from a control)
// are offered first to the control's own object (OnChildNotify).
#pragma once

#include <windows.h>

#include <string>

namespace pelmo {

// The whole text of a window, whatever its length.
std::string WindowText(HWND hwnd);
// The same as UTF-16, for a window whose procedure is not ours (ours is ANSI and would narrow it).
std::u16string WideWindowText(HWND hwnd);

// Whether `key` is down as the message being handled was sent (Shift with Enter, and so on).
inline bool KeyHeld(int key) {
  return (::GetKeyState(key) & 0x8000) != 0;
}

// Keeps a child window's top-left corner and stretches it to its parent's client area of the
// given size (the sizes of WM_SIZE).
void StretchToClient(HWND child, int clientWidth, int clientHeight);

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // The bound object of a window, or null when the window has none.
  static CWnd* FromHandle(HWND hwnd);

  // Creates a window of a class registered by RegisterOwnClass (or any class whose procedure is
  // ours) bound to this object.
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu);
  // Registers a window class whose procedure is ours; returns the class name.
  static const char* RegisterOwnClass(const char* name, UINT classStyle, HICON icon = nullptr);

  // Binds this object to a control of a dialog and routes the control's messages through it.
  bool SubclassDlgItem(int id, HWND parent);
  bool SubclassWindow(HWND hwnd);
  void UnsubclassWindow();
  bool DestroyWindow();

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Offered every queued message aimed at this window or one of its children before it is
  // dispatched; true consumes it.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Reflected notifications from the parent; true when handled (result in *result).
  virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // Offers a message to PreTranslateMessage of the objects from its target up through its
  // parents, stopping below `stop` (a modal dialog's window, whose own object is asked last).
  static bool WalkPreTranslateTree(HWND stop, MSG* msg);

  // Small conveniences used across the program.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  std::string GetWindowText() const { return WindowText(m_hWnd); }
  void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
  void Invalidate(bool erase = true) const { ::InvalidateRect(m_hWnd, nullptr, erase); }

 protected:
  // The procedure the window had before we took it over (or DefWindowProc).
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Called when a control is taken over, bound already, before its messages come through us:
  // set-up that a dialog's control must have before it is shown.
  virtual void PreSubclassWindow() {}
  // Called after the window is gone; the object is unbound by then.
  virtual void PostNcDestroy() {}

  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Bind(HWND hwnd);
  void Unbind();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC m_previousProc = nullptr;
};

// Reports an exception caught at a window procedure; nothing may unwind through user32.
void ReportUnexpectedError(const char* what);

}  // namespace pelmo
