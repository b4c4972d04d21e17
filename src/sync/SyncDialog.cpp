#include "sync/SyncDialog.h"

#include <shlobj.h>

#include <string>

#include "framework/AnsiCodePage.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/FileReplace.h"
#include "model/HistoryItem.h"
#include "resource.h"

namespace pelmo {

namespace {

// The passphrase goes through the edit box as UTF-16 and is kept as UTF-8, so the same letters
// typed on computers with other ANSI code pages make the same key.
void ExchangePassphrase(DataExchange& dx, int id, std::string& passphrase) {
  HWND edit = dx.Control(id);
  if (dx.m_bSaveAndValidate) {
    passphrase = Utf16ToUtf8(WideWindowText(edit));
    return;
  }
  const int size = static_cast<int>(passphrase.size());
  std::wstring wide(
      static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, passphrase.data(), size, nullptr, 0)),
      L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, passphrase.data(), size, wide.data(),
                        static_cast<int>(wide.size()));
  ::SetWindowTextW(edit, wide.c_str());
}

// The folder chooser opens on the folder typed so far. It is chosen again once the chooser runs:
// a tree filled in the meantime goes back to its top.
int CALLBACK BrowseCallback(HWND chooser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) {
    ::SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, start);
    ::PostMessageA(chooser, BFFM_SETSELECTIONA, TRUE, start);
  }
  return 0;
}

class CSyncDialog : public CDialog {
 public:
  CSyncDialog(const SyncSettings& settings, CWnd* parent)
      : CDialog(IDD_SYNC, parent), m_settings(settings) {}

  SyncSettings m_settings;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void Browse();
};

void CSyncDialog::DoDataExchange(DataExchange& dx) {
  std::string folder = m_settings.folder;
  DDX_Text(dx, IDC_SYNC_FOLDER, folder);
  if (dx.m_bSaveAndValidate) {
    folder = std::string(FirstLineTrimmed(folder));
    if (!folder.empty() && !IsFolder(folder))
      dx.Refuse(IDC_SYNC_FOLDER, ("The folder \"" + folder + "\" does not exist.").c_str());
    m_settings.folder = folder;
  }
  ExchangePassphrase(dx, IDC_SYNC_PASSPHRASE, m_settings.passphrase);
  int toClipboard = m_settings.toClipboard ? BST_CHECKED : BST_UNCHECKED;
  DDX_Check(dx, IDC_SYNC_TO_CLIPBOARD, toClipboard);
  m_settings.toClipboard = toClipboard == BST_CHECKED;
}

bool CSyncDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_SYNC_BROWSE && code == BN_CLICKED) {
    Browse();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CSyncDialog::Browse() {
  const std::string typed = std::string(FirstLineTrimmed(WindowText(GetDlgItem(IDC_SYNC_FOLDER))));
  BROWSEINFOA browse{};
  browse.hwndOwner = m_hWnd;
  browse.lpszTitle = "The folder to share the history through:";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(typed.c_str());
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&browse);
  if (!chosen) return;
  char path[MAX_PATH] = "";
  if (::SHGetPathFromIDListA(chosen, path)) ::SetDlgItemTextA(m_hWnd, IDC_SYNC_FOLDER, path);
  ::CoTaskMemFree(chosen);
}

}  // namespace

bool ShowSync(const ToolContext& context, SyncSettings& settings) {
  CSyncDialog dialog(settings, &context.owner);
  if (dialog.DoModal() != IDOK || dialog.m_settings == settings) return false;
  settings = dialog.m_settings;
  return true;
}

}  // namespace pelmo
