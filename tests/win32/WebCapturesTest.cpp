// The HTTP captures window on a list of links: the export, and the browser it starts through a
// stand-in that records how it was started.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "ModalScript.h"
#include "ToolContextFixture.h"
#include "WindowTestSupport.h"
#include "model/BrowserSetting.h"
#include "framework/IniProfile.h"
#include "resource.h"
#include "web/LinksPage.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {
namespace {

using test::AnswerActiveWindow;
using test::Click;
using test::ModalScript;

using Links = std::deque<std::string>;

// A folder with a blank in its name, holding the stand-in browser as "browser.exe", which is
// made the browser to start.
struct BrowserFolder {
  BrowserFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "pelmo web test\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    browser = folder + "browser.exe";
    std::string standIn = ModuleFileName();
    standIn = standIn.substr(0, standIn.rfind('\\') + 1) + "stand_in_browser.exe";
    ::CopyFileA(standIn.c_str(), browser.c_str(), FALSE);
    record = browser + ".txt";
    ::DeleteFileA(record.c_str());
    IniProfile profile;
    BrowserSetting(profile).Save(browser);
  }
  // Every start's command line and show value, once the first is written and a moment has passed
  // for any other.
  std::string WaitForRecord() const {
    test::PumpUntil([&] { return test::FileBytes(record).find('\n') != std::string::npos; },
                    10000);
    test::Settle(500);
    return test::FileBytes(record);
  }
  std::string folder, browser, record;
};

// The window on `given`, running `steps` and then closed with Ok.
class WebCapturesTest : public ::testing::Test {
 protected:
  void Show(Links given, const std::function<void(HWND)>& steps,
            std::vector<ModalScript::Step> inner = {}) {
    links = std::move(given);
    inner.insert(inner.begin(), [&](HWND window) {
      steps(window);
      Click(window, IDOK);
    });
    ModalScript script(std::move(inner));
    ShowWebCaptures(tool.context);
  }

  test::ToolTestContext tool;
  Links& links = tool.workspace.links;
};

// Types a path into the open file dialog and confirms it.
void ChooseFile(const std::string& path) {
  HWND fileDialog = ::GetActiveWindow();
  for (const int nameField : {cmb13, edt1}) ::SetDlgItemTextA(fileDialog, nameField, path.c_str());
  ::PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
}

// A button's click, followed by the notification that a quick second click sends.
void DoubleClick(HWND dialog, int id) {
  for (const WORD code : {BN_CLICKED, BN_DOUBLECLICKED})
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

TEST_F(WebCapturesTest, EachButtonActsOnceOnTheSelectedLinkEvenWhenDoubleClicked) {
  BrowserFolder browser;
  Show({"www.a.org", "www.b.org", "www.c.org"}, [&](HWND window) {
    ::SendDlgItemMessageA(window, IDC_WEB_LIST, LB_SETCURSEL, 0, 0);
    DoubleClick(window, IDC_DOWN);
    EXPECT_EQ(links, (Links{"www.b.org", "www.a.org", "www.c.org"}));
    DoubleClick(window, IDC_UP);
    EXPECT_EQ(links, (Links{"www.a.org", "www.b.org", "www.c.org"}));
    DoubleClick(window, IDC_WEB_DELETE);
    EXPECT_EQ(links, (Links{"www.b.org", "www.c.org"}));
    // The copy selects the line below, where its capture will have put the link again.
    DoubleClick(window, IDC_WEB_COPY);
    EXPECT_EQ(test::ClipboardText(), "www.b.org");
    DoubleClick(window, IDC_WEB_OPEN);
  });
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" www.c.org\n8\n") << "started once";
}

// An export that cannot be written names the file and starts no browser; one that can opens the
// page in the browser.
TEST_F(WebCapturesTest, ExportWritesThePageAndOpensItInTheBrowserUnlessTheWriteFails) {
  BrowserFolder browser;
  // Another program holds the old page open without sharing: it cannot be replaced.
  const std::string blocked = browser.folder + "blocked.htm", page = browser.folder + "linx.htm";
  { std::ofstream(blocked) << "old page"; }
  ::DeleteFileA(page.c_str());
  HANDLE lock = test::LockFile(blocked);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  std::string shown;
  Show({"www.a.org", "http://b.org/<b>&"},
       [](HWND window) {
         Click(window, IDC_WEB_EXPORT);
         Click(window, IDC_WEB_EXPORT);
       },
       {[&](HWND) { ChooseFile(blocked); },
        [&](HWND) { AnswerActiveWindow(IDYES); },  // replace the existing page
        [&](HWND) { shown = AnswerActiveWindow(IDOK); },
        [&](HWND) { ChooseFile(page); }});
  ::CloseHandle(lock);
  EXPECT_NE(shown.find(blocked), std::string::npos) << shown;
  EXPECT_EQ(test::FileBytes(blocked), "old page");
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" \"" + page + "\"\n8\n");
  EXPECT_EQ(test::FileBytes(page), BuildLinksPage(links));
}

}  // namespace
}  // namespace pelmo
