// The HTTP captures window on a list of links: its operations, the browser it starts through a
// stand-in that records how it was started, the export and what failures tell the user.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "ModalScript.h"
#include "WindowTestSupport.h"
#include "app/MainDialog.h"
#include "framework/ModulePath.h"
#include "resource.h"
#include "tools/IniProfile.h"
#include "web/BrowserLaunch.h"
#include "web/LinksPage.h"
#include "web/WebCapturesDialog.h"

namespace pelmo {
namespace {

using test::AnswerActiveWindow;
using test::Click;
using test::ModalScript;

using Links = std::deque<std::string>;

void SetBrowser(const std::string& path) {
  IniProfile().WriteString(kBrowserSection, kBrowserKey, path);
}

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
    ::DeleteFileA(Record().c_str());
    SetBrowser(browser);
  }
  std::string Record() const { return browser + ".txt"; }
  // The stand-in's command line and show value, once it has written them.
  std::string WaitForRecord() const {
    std::string record;
    test::PumpUntil(
        [&] {
          record = test::FileBytes(Record());
          return record.find('\n') != record.rfind('\n');
        },
        10000);
    return record;
  }
  std::string folder;
  std::string browser;
};

class WebCapturesTest : public ::testing::Test {
 protected:
  void Open(Links given) {
    links = std::move(given);
    ASSERT_TRUE(dialog.Create(nullptr));
  }
  std::vector<std::string> Lines() const {
    return test::ListBoxRows(::GetDlgItem(dialog.m_hWnd, IDC_WEB_LIST));
  }
  void Select(int line) {
    ::SendDlgItemMessageA(dialog.m_hWnd, IDC_WEB_LIST, LB_SETCURSEL, line, 0);
  }
  int Selected() const {
    return static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_WEB_LIST, LB_GETCURSEL, 0, 0));
  }
  void Press(int id, int line) {
    Select(line);
    Click(dialog.m_hWnd, id);
  }

  Links links;
  CWebCapturesDialog dialog{links, nullptr};
};

TEST_F(WebCapturesTest, ShowsFiftyCharactersDeletesAndMovesLinks) {
  const std::string longLink = "http://example.com/" + std::string(60, 'x');
  Open({"www.a.org", longLink, "www.c.org"});
  EXPECT_EQ(Lines(), (std::vector<std::string>{"www.a.org", longLink.substr(0, 50), "www.c.org"}));
  EXPECT_EQ(Selected(), 0);

  Press(IDC_UP, 0);
  Press(IDC_DOWN, 2);
  EXPECT_EQ(links, (Links{"www.a.org", longLink, "www.c.org"}));
  Press(IDC_UP, 1);
  EXPECT_EQ(links, (Links{longLink, "www.a.org", "www.c.org"}));
  EXPECT_EQ(Selected(), 0);
  Press(IDC_DOWN, 1);
  EXPECT_EQ(links, (Links{longLink, "www.c.org", "www.a.org"}));
  EXPECT_EQ(Selected(), 2);

  Press(IDC_WEB_DELETE, 1);
  EXPECT_EQ(links, (Links{longLink, "www.a.org"}));
  EXPECT_EQ(Selected(), 1);
  Press(IDC_WEB_DELETE, 1);
  EXPECT_EQ(links, (Links{longLink}));
  EXPECT_EQ(Selected(), LB_ERR);
}

// The copy reaches the strip's capture like any other program's: the link is captured again,
// whole, though its line shows 50 characters.
TEST(WebCapturesOnTheStrip, CopyPutsTheWholeLinkOnTheClipboardAndSelectsItsNewLine) {
  CMainDialog strip;
  ASSERT_TRUE(strip.Create(nullptr));
  test::Settle();
  Workspace& workspace = strip.GetWorkspace();
  workspace.options.captureHTML = 1;
  const std::string longLink = "http://example.com/" + std::string(36, 'y');
  workspace.links = {"www.a.org", longLink};
  CWebCapturesDialog dialog(workspace.links, &strip);
  ASSERT_TRUE(dialog.Create(strip.m_hWnd));
  HWND list = ::GetDlgItem(dialog.m_hWnd, IDC_WEB_LIST);
  ::SendMessageA(list, LB_SETCURSEL, 1, 0);
  Click(dialog.m_hWnd, IDC_WEB_COPY);
  test::PumpUntil([&] { return workspace.links.size() == 3; });
  EXPECT_EQ(test::ClipboardText(), longLink);
  EXPECT_EQ(workspace.links, (Links{longLink, "www.a.org", longLink}));
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  dialog.DestroyWindow();
  strip.DestroyWindow();
}

TEST_F(WebCapturesTest, OpenStartsTheBrowserWithTheLinkQuotedWhereBlanksAreAndShowValue8) {
  BrowserFolder browser;
  Open({"www.a.org", "http://b.org/x\ty"});
  Press(IDC_WEB_OPEN, 1);
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" \"http://b.org/x\ty\"\n8\n");
  ::DeleteFileA(browser.Record().c_str());
  Select(0);
  test::Notify(dialog.m_hWnd, IDC_WEB_LIST, LBN_DBLCLK);
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" www.a.org\n8\n");
}

TEST_F(WebCapturesTest, OpenWithoutABrowserAsksForOne) {
  SetBrowser("");
  Open({"www.a.org"});
  std::vector<std::string> shown;
  ModalScript script({
      [&](HWND) { shown.push_back(AnswerActiveWindow(IDOK)); },
      [&](HWND) { AnswerActiveWindow(IDCANCEL); },  // the file dialog
      [&](HWND) { shown.push_back(AnswerActiveWindow(IDOK)); },
  });
  Press(IDC_WEB_OPEN, 0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "Select your Browser");
  EXPECT_NE(shown[1], "") << "nothing chosen: the link alone is no program, and that is told";
}

// Types a path into the open file dialog and confirms it.
void ChooseFile(const std::string& path) {
  HWND fileDialog = ::GetActiveWindow();
  for (const int nameField : {cmb13, edt1}) ::SetDlgItemTextA(fileDialog, nameField, path.c_str());
  ::PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
}

TEST_F(WebCapturesTest, ExportWritesTheEscapedPageAndOpensItInTheBrowser) {
  BrowserFolder browser;
  Open({"www.a.org", "http://b.org/<b>&"});
  const std::string page = browser.folder + "linx.htm";
  ::DeleteFileA(page.c_str());
  ModalScript script({[&](HWND) { ChooseFile(page); }});
  Click(dialog.m_hWnd, IDC_WEB_EXPORT);
  EXPECT_EQ(browser.WaitForRecord(), '"' + browser.browser + "\" \"" + page + "\"\n8\n");
  EXPECT_EQ(test::FileBytes(page), BuildLinksPage(links));
}

TEST_F(WebCapturesTest, AnExportThatCannotBeWrittenNamesTheFileAndStartsNoBrowser) {
  BrowserFolder browser;
  Open({"www.a.org"});
  // Another program holds the old page open without sharing: it cannot be replaced.
  const std::string page = browser.folder + "blocked.htm";
  { std::ofstream(page) << "old page"; }
  HANDLE lock = test::LockFile(page);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  std::string shown;
  ModalScript script({[&](HWND) { ChooseFile(page); },
                      [&](HWND) { AnswerActiveWindow(IDYES); },  // replace the existing page
                      [&](HWND) { shown = AnswerActiveWindow(IDOK); }});
  Click(dialog.m_hWnd, IDC_WEB_EXPORT);
  ::CloseHandle(lock);
  EXPECT_NE(shown.find(page), std::string::npos) << shown;
  test::Settle(500);
  EXPECT_EQ(test::FileBytes(browser.Record()), "");
  EXPECT_EQ(test::FileBytes(page), "old page");
}

}  // namespace
}  // namespace pelmo
