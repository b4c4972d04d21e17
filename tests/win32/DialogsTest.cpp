// The item editor, the About box and the help window, driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalScript.h"
#include "WindowTestSupport.h"
#include "app/AboutDialog.h"
#include "app/EditItemDialog.h"
#include "app/HelpWindow.h"
#include "framework/ModulePath.h"
#include "framework/Wnd.h"
#include "resource.h"

namespace pelmo {
namespace {

using test::ChildRect;
using test::Click;
using test::ClientRect;
using test::ModalScript;

// --- the item editor -----------------------------------------------------------------------

TEST(EditItemDialog, DoneTakesTheEditedTextCancelAndTheCloseBoxKeepTheGivenOne) {
  const struct {
    const char* name;
    void (*end)(HWND dialog);
    INT_PTR result;
  } cases[] = {
      {"Done", [](HWND dlg) { Click(dlg, IDOK); }, IDOK},
      {"Cancel", [](HWND dlg) { Click(dlg, IDCANCEL); }, IDCANCEL},
      {"Escape",
       [](HWND dlg) { ::PostMessageA(::GetDlgItem(dlg, IDC_EDIT_TEXT), WM_KEYDOWN, VK_ESCAPE, 0); },
       IDCANCEL},
      {"close box", [](HWND dlg) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CEditItemDialog dialog;
    dialog.m_text = "given text";
    std::string shown;
    ModalScript script({
        [&](HWND dlg) {
          shown = WindowText(::GetDlgItem(dlg, IDC_EDIT_TEXT));
          ::SetDlgItemTextA(dlg, IDC_EDIT_TEXT, "first\r\n\r\nthird");
        },
        c.end,
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(shown, "given text");
    EXPECT_EQ(dialog.m_text, c.result == IDOK ? "first\r\n\r\nthird" : "given text");
  }
}

TEST(EditItemDialog, EnterInTheTextInsertsALineBreakInsteadOfClosing) {
  CEditItemDialog dialog;
  dialog.m_text = "ab";
  bool openAfterEnter = false;
  ModalScript script({
      [](HWND dlg) {
        HWND edit = ::GetDlgItem(dlg, IDC_EDIT_TEXT);
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, 1, 1);
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      },
      [&](HWND dlg) {
        openAfterEnter = ::IsWindow(dlg) != FALSE;
        Click(dlg, IDOK);
      },
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(openAfterEnter);
  EXPECT_EQ(dialog.m_text, "a\r\nb");
}

TEST(EditItemDialog, TextFieldFillsTheWindowBelowTheButtonsInTheFontChosen) {
  for (const int bigFont : {0, 1}) {
    SCOPED_TRACE(bigFont);
    CEditItemDialog dialog;
    dialog.m_bigFont = bigFont;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND edit = ::GetDlgItem(dialog, IDC_EDIT_TEXT);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(edit, WM_GETFONT, 0, 0));
    EXPECT_EQ(font == reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT)), !bigFont);
    LOGFONTA logFont{};
    ::GetObjectA(font, sizeof logFont, &logFont);
    if (bigFont) {
      EXPECT_STREQ(logFont.lfFaceName, "System");
      EXPECT_EQ(logFont.lfHeight, 10);
    }

    RECT templatePlace{0, 11, 0, 0};
    ::MapDialogRect(dialog, &templatePlace);
    ::SetWindowPos(dialog, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const Rect client = ClientRect(dialog), field = ChildRect(dialog, edit);
    EXPECT_EQ(field, (Rect{templatePlace.left, templatePlace.top, client.right, client.bottom}));
  }
}

// --- the About box -------------------------------------------------------------------------

TEST(AboutDialog, ShowsIconAndEveryLineFitsItsField) {
  CAboutDialog dialog;
  bool hasIcon = false;
  std::vector<std::string> cutOff;
  ModalScript script({
      [&](HWND dlg) {
        HFONT font = reinterpret_cast<HFONT>(::SendMessageA(dlg, WM_GETFONT, 0, 0));
        HDC dc = ::GetDC(dlg);
        HGDIOBJ previous = ::SelectObject(dc, font);
        for (HWND child = ::GetWindow(dlg, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
          char className[16] = {};
          ::GetClassNameA(child, className, sizeof className);
          if (lstrcmpiA(className, "Static") != 0) continue;
          if (::SendMessageA(child, STM_GETICON, 0, 0)) {
            hasIcon = true;
            continue;
          }
          const std::string text = WindowText(child);
          SIZE extent;
          ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
          if (extent.cx > ClientRect(child).right) cutOff.push_back(text);
        }
        ::SelectObject(dc, previous);
        ::ReleaseDC(dlg, dc);
      },
      [](HWND dlg) { ::PostMessageA(dlg, WM_KEYDOWN, VK_RETURN, 0); },
  });
  EXPECT_EQ(dialog.DoModal(), IDOK) << "Enter presses the default button, OK";
  EXPECT_TRUE(hasIcon);
  EXPECT_EQ(cutOff, std::vector<std::string>{});
}

// --- the help window -----------------------------------------------------------------------

class HelpWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    for (HWND help : HelpWindows()) ::SendMessageA(help, WM_CLOSE, 0, 0);
  }

  static std::vector<HWND> HelpWindows() {
    std::vector<HWND> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    return found;
  }

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM found) {
    if (WindowText(hwnd) == "Pelmo Help")
      reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
  }
};

// One window, naming the files of this very executable; a later request brings it back to the
// front, restored, and after the user closed it opens it again.
TEST_F(HelpWindowTest, ShowsTheFilesOfThisExeInOneWindowThatEveryRequestBringsBack) {
  ShowHelpTopic(IDH_GETTING_STARTED);
  ASSERT_EQ(HelpWindows().size(), 1u);
  HWND help = HelpWindows()[0];
  EXPECT_TRUE(::IsWindowVisible(help));
  HWND text = ::GetWindow(help, GW_CHILD);
  const std::string content = WindowText(text);
  const std::string base = ModuleBaseName();
  for (const std::string& file : {base + ".INI", base + ".clp", base + ".qrp"})
    EXPECT_NE(content.find(file), std::string::npos) << file;
  for (size_t i = content.find('\n'); i != std::string::npos; i = content.find('\n', i + 1))
    ASSERT_TRUE(i > 0 && content[i - 1] == '\r') << "a bare line feed at " << i;
  ::SetWindowPos(help, nullptr, 0, 0, 640, 300, SWP_NOMOVE | SWP_NOZORDER);
  const Rect client = ClientRect(help), field = ChildRect(help, text);
  EXPECT_EQ(field.right, client.right);
  EXPECT_EQ(field.bottom, client.bottom);

  HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::ShowWindow(help, SW_MINIMIZE);
  ::SetForegroundWindow(other);
  ShowHelpTopic(ID_HELP_TOPICS);
  EXPECT_EQ(HelpWindows(), std::vector<HWND>{help});
  EXPECT_EQ(::GetForegroundWindow(), help);
  EXPECT_FALSE(::IsIconic(help));
  ::DestroyWindow(other);

  ::SendMessageA(help, WM_CLOSE, 0, 0);
  ASSERT_TRUE(HelpWindows().empty());
  ShowHelpTopic(IDH_GETTING_STARTED);
  EXPECT_EQ(HelpWindows().size(), 1u);
}

}  // namespace
}  // namespace pelmo
