// Every dialog template's controls have distinct ids: one duplicate would route a click or a
// data exchange to the wrong control, and no compiler notices. The file's version is the About
// box's, the manifest keeps what the program relies on, and the icons have their sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "framework/Wnd.h"
#include "resource.h"

namespace pelmo {
namespace {

std::string ResourceBytes(LPCSTR name, LPCSTR type) {
  HRSRC found = ::FindResourceA(nullptr, name, type);
  if (!found) return std::string();
  const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
  return std::string(bytes, ::SizeofResource(nullptr, found));
}

TEST(Resources, IdsAreUniqueInEveryDialogTheVersionIsTheAboutBoxsAndTheManifestKeepsWhatWeNeed) {
  std::set<std::string> aboutTexts;
  for (const UINT dialogId :
       {IDD_MAIN, IDD_EDIT_ITEM, IDD_ABOUTBOX, IDD_CALCULATOR, IDD_CLIPBOOK, IDD_CLIPBOOK_ENTRY,
        IDD_QUICK_REPLACE, IDD_SHORTCUT, IDD_CONCATENATE, IDD_PREVIEW, IDD_SETTINGS,
        IDD_WEB_CAPTURES, IDD_INLINE, IDD_QUICK_WINDOW, IDD_SYNC}) {
    SCOPED_TRACE(dialogId);
    HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId),
                                       ::GetDesktopWindow(), nullptr, 0);  // Inline's is a child
    ASSERT_NE(dialog, nullptr);
    std::set<int> ids;
    // Direct children only: a combo box's own edit field has an id of its own choosing.
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (dialogId == IDD_ABOUTBOX) aboutTexts.insert(WindowText(child));
      const int id = ::GetDlgCtrlID(child);
      if (id == -1 || id == 0xFFFF) continue;  // static texts share the "no id" id
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " is used twice";
    }
    EXPECT_FALSE(ids.empty());
    ::DestroyWindow(dialog);
  }

  std::string block = ResourceBytes(MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
  char* version = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion",
                               reinterpret_cast<void**>(&version), &length));
  EXPECT_EQ(aboutTexts.count(std::string("Pelmo Version ") + version), 1u);

  const std::string manifest = ResourceBytes(MAKEINTRESOURCEA(1), RT_MANIFEST);
  for (const char* kept : {"<dpiAware", "<supportedOS"})
    EXPECT_NE(manifest.find(kept), std::string::npos) << kept;
  // The manifest asks for the common controls 6 for this build's processor, or the loader ignores
  // it and the program runs with the old controls (and 64-bit Windows may refuse to start it).
  char comctl[MAX_PATH] = "";
  ::GetModuleFileNameA(::LoadLibraryA("comctl32.dll"), comctl, MAX_PATH);
  EXPECT_NE(std::string(comctl).find("winsxs"), std::string::npos) << comctl;
  // Declaring an execution level switches off the redirection that lets a user without
  // administrator rights write Pelmo.INI into the Windows directory.
  EXPECT_EQ(manifest.find("requestedExecutionLevel level"), std::string::npos);

  // Each icon has a picture for the small icon at 100%, 150% and 200%: a directory of entries
  // of 14 bytes after a 6-byte header, each starting with its width.
  for (const UINT iconId : {IDR_MAINFRAME, IDI_TRAY}) {
    const std::string group = ResourceBytes(MAKEINTRESOURCEA(iconId), RT_GROUP_ICON);
    std::set<int> widths;
    for (std::size_t entry = 6; entry + 14 <= group.size(); entry += 14)
      widths.insert(static_cast<unsigned char>(group[entry]));
    EXPECT_EQ(widths, (std::set<int>{16, 24, 32})) << iconId;
  }
}

}  // namespace
}  // namespace pelmo
