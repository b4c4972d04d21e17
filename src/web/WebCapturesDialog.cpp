#include "web/WebCapturesDialog.h"

#include <commdlg.h>

#include <cstddef>
#include <optional>

#include "model/Workspace.h"
#include "framework/BufferedFile.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "resource.h"
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

}  // namespace

CWebCapturesDialog::CWebCapturesDialog(std::deque<std::string>& links, CWnd* parent)
    : CDialog(IDD_WEB_CAPTURES, parent), m_links(links) {}

void CWebCapturesDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_WEB_COPY, m_copyButton);
  DDX_Control(dx, IDC_WEB_EXPORT, m_exportButton);
  DDX_Control(dx, IDC_WEB_SELECT_BROWSER, m_selectBrowserButton);
  DDX_Control(dx, IDC_UP, m_upButton);
  DDX_Control(dx, IDC_DOWN, m_downButton);
  DDX_Control(dx, IDC_WEB_DELETE, m_deleteButton);
  DDX_Control(dx, IDC_WEB_OPEN, m_openButton);
  DDX_Control(dx, IDC_WEB_LIST, m_list);
  DDX_Text(dx, IDC_WEB_BROWSER_PATH, m_browser);
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
  FillList(0);
  m_browser = ReadBrowser();
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
      DeleteLink();
      return true;
    case IDC_UP:
      MoveLink(-1);
      return true;
    case IDC_DOWN:
      MoveLink(1);
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

void CWebCapturesDialog::FillList(int line) {
  m_list.ResetContent();
  for (std::string& link : m_links)
    m_list.SetItemDataPtr(m_list.AddString(link.substr(0, kLineLength)), &link);
  m_list.SetCurSel(line);
}

int CWebCapturesDialog::SelectedLine() const {
  return m_list.GetCurSel();
}

void CWebCapturesDialog::DeleteLink() {
  const int line = SelectedLine();
  const std::optional<size_t> index = EntryIndex(m_list, line, m_links);
  if (!index) return;
  m_links.erase(m_links.begin() + static_cast<std::ptrdiff_t>(*index));
  FillList(line);
}

// The links change places; the list's entries stay where they are.
void CWebCapturesDialog::MoveLink(int step) {
  const int line = SelectedLine();
  const int target = line + step;
  const std::optional<size_t> index = EntryIndex(m_list, line, m_links);
  if (!index || target < 0 || target >= m_list.GetCount()) return;
  const std::ptrdiff_t neighbour = static_cast<std::ptrdiff_t>(*index) + step;
  if (neighbour < 0 || neighbour >= static_cast<std::ptrdiff_t>(m_links.size())) return;
  m_links[*index].swap(m_links[static_cast<size_t>(neighbour)]);
  FillList(target);
}

// The copy reaches the capture like any other program's, so with CaptureHTML on the link is
// also recorded again at the head, and the line below the previous one is then the copy.
void CWebCapturesDialog::CopyLink() {
  const int line = SelectedLine();
  const std::optional<size_t> index = EntryIndex(m_list, line, m_links);
  if (!index) return;
  WriteClipboardText(m_hWnd, m_links[*index]);
  FillList(line + 1);
}

void CWebCapturesDialog::OpenLink() {
  std::string browser = ReadBrowser();
  if (browser.empty()) {
    AppMessageBox("Select your Browser", MB_OK);
    SelectBrowser();
    browser = ReadBrowser();
  }
  if (const std::optional<size_t> index = EntryIndex(m_list, SelectedLine(), m_links))
    LaunchBrowser(browser, m_links[*index]);
}

void CWebCapturesDialog::SelectBrowser() {
  const std::string stored = ReadBrowser();
  const std::optional<std::string> chosen =
      AskFile(m_hWnd, stored.empty() ? "*.exe" : stored, nullptr, nullptr, false);
  if (!chosen) return;
  m_browser = *chosen;
  m_profile.WriteString(kBrowserSection, kBrowserKey, m_browser);
  ::SetDlgItemTextA(m_hWnd, IDC_WEB_BROWSER_PATH, m_browser.c_str());
}

void CWebCapturesDialog::ExportLinks() {
  const std::string page = BuildLinksPage(m_links);
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
  const std::string browser = ReadBrowser();
  if (!browser.empty()) LaunchBrowser(browser, *path);
}

std::string CWebCapturesDialog::ReadBrowser() {
  return m_profile.GetString(kBrowserSection, kBrowserKey, "");
}

// The list keeps its top-left corner and reaches the client area's right and bottom edges.
void CWebCapturesDialog::OnSize(int width, int height) {
  if (m_list.m_hWnd) StretchToClient(m_list, width, height);  // not while being created
}

void ShowWebCaptures(Workspace& workspace, CWnd& owner) {
  CWebCapturesDialog(workspace.links, &owner).DoModal();
}

}  // namespace pelmo
