// The item editor and the help window, driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalScript.h"
#include "ToolContextFixture.h"
#include "WindowTestSupport.h"
#include "app/EditItemDialog.h"
#include "app/HelpWindow.h"
#include "framework/ModulePath.h"
#include "framework/Wnd.h"
#include "resource.h"

namespace pelmo {
namespace {

using test::Click;
using test::ModalScript;

// --- the item editor -----------------------------------------------------------------------

TEST(EditItemDialog, DoneGivesTheEditedTextCancelAndTheCloseBoxNone) {
  const struct {
    const char* name;
    void (*end)(HWND dialog);
    bool done;
  } cases[] = {
      {"Done", [](HWND dlg) { Click(dlg, IDOK); }, true},
      {"Cancel", [](HWND dlg) { Click(dlg, IDCANCEL); }, false},
      {"Escape",
       [](HWND dlg) { ::PostMessageA(::GetDlgItem(dlg, IDC_EDIT_TEXT), WM_KEYDOWN, VK_ESCAPE, 0); },
       false},
      {"close box", [](HWND dlg) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::ToolTestContext tool;
    HistoryItem given;
    given.text = "given text";
    std::string shown;
    ModalScript script({
        [&](HWND dlg) {
          shown = WindowText(::GetDlgItem(dlg, IDC_EDIT_TEXT));
          ::SetDlgItemTextA(dlg, IDC_EDIT_TEXT, "first\r\n\r\nthird");
        },
        c.end,
    });
    const std::optional<HistoryItem> edited = ShowEditItem(tool.context, given);
    EXPECT_EQ(shown, "given text");
    EXPECT_EQ(edited.has_value(), c.done);
    EXPECT_EQ(edited.value_or(given).text, c.done ? "first\r\n\r\nthird" : "given text");
  }
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
  const Rect client = ClientRect(help), field = RectInParent(help, text);
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
