// The three pop-up menus: their exact items, and where a shown menu sends its commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "app/PopupMenus.h"
#include "resource.h"

namespace pelmo {
namespace {

// One line per item: "\"text\" id", "---" for a separator, "\"text\" >" for a sub-menu followed
// by its items, indented.
void Dump(HMENU menu, const std::string& indent, std::string& out) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(::GetMenuItemInfoA(menu, i, TRUE, &info));
    if (info.fType & MFT_SEPARATOR) {
      out += indent + "---\n";
    } else if (info.hSubMenu) {
      out += indent + "\"" + text + "\" >\n";
      Dump(info.hSubMenu, indent + "  ", out);
    } else {
      out += indent + "\"" + text + "\" " + std::to_string(info.wID) + "\n";
    }
  }
}

TEST(PopupMenus, EachResourceIsOnePopupHoldingExactlyTheItems) {
  const std::string addSubMenu =
      "\"Add\" >\n"
      "  \"To ClipBook\" 32785\n"
      "  \"To QuickRep\" 32788\n";
  const struct {
    UINT id;
    std::string items;
  } menus[] = {
      {103,
       "\"Add Item\" 32779\n\"Edit Item\" 32778\n\"Delete Item\" 1003\n\"Delete Rest\" 32776\n"
       "\"Mark Item\" 32794\n---\n\"Concatenate...\" 32792\n" +
           addSubMenu},
      {141,
       "\"Open\" 32775\n\"Inline\" 32795\n\"Settings ...\" 32777\n\"About\" 32773\n---\n"
       "\"&Exit\" 1\n"},
      {142,
       "\"Calculator...\" 32774\n\"Web...\" 32780\n\"ClipBook...\" 32786\n\"QuickRep...\" 32787\n"
       "---\n\"Settings ...\" 32777\n\"Save now\" 32781\n---\n"
       "\"Items\" >\n  \"Add Item\" 32779\n  \"Edit Item\" 32778\n  \"Delete Item\" 1003\n"
       "  \"Mark Item\" 32794\n  ---\n  \"Concatenate...\" 32792\n  \"Add\" >\n"
       "    \"To ClipBook\" 32785\n    \"To QuickRep\" 32788\n"
       "---\n\"Execute\tF5\" 32782\n\"Toggle\" >\n  \"Desktop\" 32791\n  \"Inline\" 32795\n---\n"
       "\"Help\" 32784\n\"About\" 32773\n---\n\"&Exit\" 1\n"},
  };
  for (const auto& menu : menus) {
    SCOPED_TRACE(menu.id);
    HMENU whole = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu.id));
    ASSERT_TRUE(whole);
    EXPECT_EQ(::GetMenuItemCount(whole), 1);
    ::DestroyMenu(whole);

    const PopupMenuResource resource(menu.id);
    ASSERT_TRUE(resource.Popup());
    std::string items;
    Dump(resource.Popup(), "", items);
    EXPECT_EQ(items, menu.items);
  }
}

// A top-level window with a child button; it records the menu state it is shown and the
// commands it receives.
class CommandWindow {
 public:
  CommandWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PelmoTestCommandWindow";
    ::RegisterClassA(&wc);
    hwnd = ::CreateWindowExA(0, wc.lpszClassName, "commands", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                             10, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    child = ::CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, hwnd,
                              nullptr, wc.hInstance, nullptr);
    s_current = this;
  }
  ~CommandWindow() {
    ::DestroyWindow(hwnd);
    s_current = nullptr;
  }

  HWND hwnd;
  HWND child;
  UINT inlineState = 0;
  std::vector<WORD> commands;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CommandWindow* self = s_current;
    if (self && msg == WM_INITMENUPOPUP && !HIWORD(lp))
      self->inlineState =
          ::GetMenuState(reinterpret_cast<HMENU>(wp), ID_TOGGLE_INLINE, MF_BYCOMMAND);
    if (self && msg == WM_COMMAND) self->commands.push_back(LOWORD(wp));
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  static inline CommandWindow* s_current = nullptr;
};

// Runs inside the menu loop: once the menu is on the screen, notes where and chooses its first
// item with the keyboard.
RECT g_menuRect;
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = ::FindWindowA("#32768", nullptr);
  if (!menu || !::IsWindowVisible(menu)) return;
  ::KillTimer(nullptr, timer);
  ::GetWindowRect(menu, &g_menuRect);
  ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(PopupMenus, ShownMenuSendsTheChosenCommandToTheTopLevelWindow) {
  constexpr UINT kAbsent = 0xFFFFFFFF;
  const struct {
    UINT menu;
    bool fromChild;
    bool inlineChecked;
    WORD firstCommand;
    UINT inlineState;
  } cases[] = {
      {IDR_ITEM_MENU, true, true, ID_ADD_ITEM, kAbsent},
      {IDR_MAIN_MENU, true, true, ID_CALCULATOR, MF_CHECKED},
      {IDR_MAIN_MENU, false, false, ID_CALCULATOR, MF_UNCHECKED},
      {IDR_TRAY_MENU, false, true, ID_OPEN, MF_CHECKED},
      {IDR_TRAY_MENU, false, false, ID_OPEN, MF_UNCHECKED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.menu << (c.fromChild ? " from child" : "")
                                    << (c.inlineChecked ? " checked" : ""));
    CommandWindow window;
    HWND elsewhere = ::CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 300, 300,
                                       50, 50, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(elsewhere);
    test::Settle(50);
    const POINT at{200, 150};
    g_menuRect = RECT{};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, ChooseFirstItem);
    if (c.menu == IDR_TRAY_MENU)
      ShowTrayMenu(window.hwnd, at, c.inlineChecked);
    else
      ShowWindowMenu(c.menu, c.fromChild ? window.child : window.hwnd, at, c.inlineChecked);
    if (c.menu == IDR_TRAY_MENU) {
      EXPECT_EQ(::GetForegroundWindow(), window.hwnd);
    }
    ::KillTimer(nullptr, timer);
    test::Settle(50);
    ::DestroyWindow(elsewhere);

    EXPECT_EQ(window.commands, std::vector<WORD>{c.firstCommand});
    EXPECT_EQ(window.inlineState == kAbsent ? kAbsent : window.inlineState & MF_CHECKED,
              c.inlineState);
    EXPECT_EQ(g_menuRect.left, at.x);
    EXPECT_EQ(g_menuRect.top, at.y);
  }
}

}  // namespace
}  // namespace pelmo
