#include "app/HelpWindow.h"

#include <string>

#include "framework/Gdi.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "model/HelpWindowPlace.h"
#include "model/ItemFiles.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr const char* kCaption = "Pelmo Help";
constexpr int kWidth = 520;
constexpr int kHeight = 440;

std::string WindowsDirectory() {
  const UINT size = ::GetWindowsDirectoryA(nullptr, 0);  // counts the terminator
  std::string path(size, '\0');
  path.resize(::GetWindowsDirectoryA(path.data(), size));
  return path;
}

// Names the files of this very executable, so the text is right whatever the exe is called.
std::string GettingStartedText() {
  const std::string exe = ModuleFileName();
  const std::string ini = WindowsDirectory() + "\\" + ModuleBaseName() + ".INI";
  return "Pelmo keeps a history of every text that passes through the clipboard.\r\n"
         "\r\n"
         "THE STRIP\r\n"
         "The small window that stays on top of the others is the strip. Its drop-down list "
         "holds the history, newest first. Choose an entry and its full text goes back on the "
         "clipboard, ready to paste. The buttons beside the list edit or delete the chosen "
         "entry, move up and down the list, move the strip out of sight above the screen, and "
         "open the main menu.\r\n"
         "\r\n"
         "FILLING THE HISTORY\r\n"
         "Copy a text in any program and it appears as the top entry. Texts longer than the "
         "limit set in Settings are left out; the oldest entry goes when the history is full.\r\n"
         "\r\n"
         "THE TRAY ICON AND THE MENUS\r\n"
         "A left click on the icon in the notification area brings the strip back into view. "
         "A right click opens the tray menu: Open, Inline, Settings, About and Exit. A right "
         "click on the strip, or Shift+F10, opens the item menu; the menu button on the strip "
         "opens the main menu with the calculator, web links, ClipBook, Quick Replace, "
         "Execute, Help and more.\r\n"
         "\r\n"
         "THE QUICK WINDOW\r\n"
         "Press Ctrl+Shift+V wherever you type: a list of the history opens at the caret. Type "
         "words to narrow it to the entries holding all of them; Enter puts the chosen entry "
         "back and returns to your window (pasting it there with AutoPaste), Shift+Enter does not "
         "paste, Escape closes. Another key can be set as QuickWindowKey in the settings "
         "file.\r\n"
         "\r\n"
         "KEYS IN THE DROP-DOWN\r\n"
         "F3\tfind the next entry that contains the typed text\r\n"
         "F5\texecute the text: a file, a program with parameters, a web or e-mail address "
         "(Shift+F5 explores a folder)\r\n"
         "Enter\tadd the typed text as a new entry\r\n"
         "Shift+Enter\tadd the entry to the ClipBook\r\n"
         "Escape\treturn to the window you were working in\r\n"
         "\r\n"
         "WHERE THINGS ARE KEPT\r\n"
         "Settings:\r\n\t" +
         ini +
         "\r\n"
         "History, ClipBook entries and links:\r\n\t" +
         ItemFileName(exe, kItemsExtension) +
         "\r\n"
         "Quick Replace pairs:\r\n\t" +
         ItemFileName(exe, kQuickRepExtension) + "\r\n";
}

class CHelpWindow : public CWnd {
 public:
  bool Open(HWND strip) {
    const char* windowClass =
        RegisterOwnClass("PelmoHelpWindow", CS_HREDRAW | CS_VREDRAW,
                         ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    // The system's default place is the top left, where the strip often stands and covers it.
    const Rect stripRect = strip ? WindowRect(strip) : Rect{};
    const Rect place =
        HelpWindowRect({kWidth, kHeight}, WorkAreaAt({stripRect.left, stripRect.top}), stripRect);
    return CreateEx(0, windowClass, kCaption, WS_OVERLAPPEDWINDOW, place.left, place.top,
                    place.Width(), place.Height(), nullptr, nullptr);
  }

  void BringToFront() const {
    ::ShowWindow(m_hWnd, ::IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        return OnCreate() ? 0 : -1;
      case WM_SIZE:
        ::MoveWindow(m_text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
      case WM_SETFOCUS:
        ::SetFocus(m_text);
        return 0;
      default:
        return Default(message, wParam, lParam);
    }
  }

 private:
  bool OnCreate() {
    // A child: destroyed with this window.
    m_text = ::CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", GettingStartedText().c_str(),
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
        0, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_text) return false;
    ::SendMessageA(m_text, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    // Wide enough for "Shift+Enter" before the key's description.
    const int tabStop = 60;  // dialog units
    ::SendMessageA(m_text, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    return true;
  }

  HWND m_text = nullptr;
};

}  // namespace

void ShowHelpTopic(DWORD_PTR, HWND strip) {
  // Lives until the user closes it; a later request opens it anew.
  static CHelpWindow window;
  if (!window.m_hWnd && !window.Open(strip)) {
    AppMessageBox("Failed to launch help.", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  window.BringToFront();
}

}  // namespace pelmo
