#include "web/WebCapturesDialog.h"

#include <commdlg.h>

#include <deque>
#include <optional>
#include <string>

#include "model/BrowserSetting.h"
#include "controls/OXBitmapButton.h"
#include "framework/BufferedFile.h"
#include "framework/Clipboard.h"
#include "framework/IniProfile.h"
#include "framework/WinApp.h"
#include "resource.h"
#include "tools/ListToolDialog.h"
#include "web/BrowserLaunch.h"
#include "web/LinksPage.h"

namespace pelmo {

namespace {

constexpr size_t kLineLength = 50;

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common file dialogs' library brings the printing stack with it, several megabytes that
// every start would pay for a dialog most sessions never open: it is loaded on first use.
FileDialogFunction FileDialog(bool save) {
  static const HMODULE library = ::LoadLibraryA("comdlg32.dll");
  if (!library) return nullptr;
  const FARPROC function =
      ::GetProcAddress(library, save ? "GetSaveFileNameA" : "GetOpenFileNameA");
  return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void*>(function));
}

// A common file dialog's answer: the chosen file's full path, nullopt when cancelled.
std::optional<std::string> AskFile(HWND owner, const std::string& initialName, const char* filter,
                                   const char* defaultExtension, bool save) {
  char file[MAX_PATH] = "";
  initialName.copy(file, sizeof file - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrDefExt = defaultExtension;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  const FileDialogFunction ask = FileDialog(save);
  if (!ask || !ask(&dialog)) return std::nullopt;
  return std::string(file);
}

// Its rows are the links' first 50 characters. Captures add links at the head while it is open.
class CWebCapturesDialog : public CListToolDialog<std::deque<std::string>> {
 public:
  CWebCapturesDialog(std::deque<std::string>& links, CWnd* parent)
      : CListToolDialog(IDD_WEB_CAPTURES, links, parent), m_browser(m_profile) {}

 protected:
  void DoDataExchange(DataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  std::string RowText(const std::string& link) const override {
    return link.substr(0, kLineLength);
  }

 private:
  void CopyLink();
  void OpenLink();
  void SelectBrowser();
  void ExportLinks();

  COXBitmapButton m_copyButton;
  COXBitmapButton m_exportButton;
  COXBitmapButton m_selectBrowserButton;
  COXBitmapButton m_upButton;
  COXBitmapButton m_downButton;
  COXBitmapButton m_deleteButton;
  COXBitmapButton m_openButton;
  IniProfile m_profile;
  BrowserSetting m_browser;  // read afresh at every launch
};

void CWebCapturesDialog::DoDataExchange(DataExchange& dx) {
  CListToolDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_WEB_COPY, m_copyButton);
  DDX_Control(dx, IDC_WEB_EXPORT, m_exportButton);
  DDX_Control(dx, IDC_WEB_SELECT_BROWSER, m_selectBrowserButton);
  DDX_Control(dx, IDC_UP, m_upButton);
  DDX_Control(dx, IDC_DOWN, m_downButton);
  DDX_Control(dx, IDC_WEB_DELETE, m_deleteButton);
  DDX_Control(dx, IDC_WEB_OPEN, m_openButton);
}

BOOL CWebCapturesDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetUpFlatButtons({
      {m_copyButton, IDB_COPY, "Copy link to clipboard"},
      {m_exportButton, IDB_WEB_SAVE, "Export as HTML"},
      {m_selectBrowserButton, IDB_WEB_BROWSE, "Select Browser"},
      {m_upButton, IDB_UP, "Move Up"},
      {m_downButton, IDB_DOWN, "Move Down"},
      {m_deleteButton, IDB_DELETE, "Delete"},
      {m_openButton, IDB_WEB_FIND, "Open in external browser"},
  });
  Fill(0);
  return TRUE;
}

bool CWebCapturesDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_WEB_LIST) {
    if (code == LBN_DBLCLK) OpenLink();
    return true;
  }
  // An owner-drawn button follows a quick second click with a double-click notification: only
  // the click acts, or a double click on Delete would remove two links.
  if (control && code != BN_CLICKED) return true;
  switch (id) {
    case IDC_WEB_DELETE:
      DeleteSelected();
      return true;
    case IDC_UP:
      MoveSelected(-1);
      return true;
    case IDC_DOWN:
      MoveSelected(1);
      return true;
    case IDC_WEB_COPY:
      CopyLink();
      return true;
    case IDC_WEB_OPEN:
      OpenLink();
      return true;
    case IDC_WEB_SELECT_BROWSER:
      SelectBrowser();
      return true;
    case IDC_WEB_EXPORT:
      ExportLinks();
      return true;
    default:
      return CDialog::OnCommand(id, code, control);
  }
}

// The copy reaches the capture like any other program's, so with CaptureHTML on the link is
// also recorded again at the head, and the line below the previous one is then the copy.
void CWebCapturesDialog::CopyLink() {
  const int row = m_list.GetCurSel();
  const std::optional<size_t> index = SelectedEntry();
  if (!index) return;
  WriteClipboardText(m_hWnd, m_entries[*index]);
  Fill(row + 1);
}

void CWebCapturesDialog::OpenLink() {
  std::string browser = m_browser.Load();
  if (browser.empty()) {
    AppMessageBox("Select your Browser", MB_OK);
    SelectBrowser();
    browser = m_browser.Load();
  }
  if (const std::optional<size_t> index = SelectedEntry())
    LaunchBrowser(browser, m_entries[*index]);
}

void CWebCapturesDialog::SelectBrowser() {
  const std::string stored = m_browser.Load();
  const std::optional<std::string> chosen =
      AskFile(m_hWnd, stored.empty() ? "*.exe" : stored, nullptr, nullptr, false);
  if (!chosen) return;
  m_browser.Save(*chosen);
}

void CWebCapturesDialog::ExportLinks() {
  const std::string page = BuildLinksPage(m_entries);
  const std::optional<std::string> path = AskFile(
      m_hWnd, "linx.htm",
      "HTML File (*.htm)\0*.htm\0HTML File (*.html)\0*.html\0All Files (*.*)\0*.*\0", "htm", true);
  if (!path) return;
  try {
    SafeFile file(*path);
    file.Write(page.data(), page.size());
    file.Commit();
  } catch (const FileError& error) {
    AppMessageBox(std::string("The page could not be written.\n") + error.what(),
                  MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::string browser = m_browser.Load();
  if (!browser.empty()) LaunchBrowser(browser, *path);
}

}  // namespace

void ShowWebCaptures(const ToolContext& context) {
  CWebCapturesDialog(context.workspace.links, &context.owner).DoModal();
}

}  // namespace pelmo
