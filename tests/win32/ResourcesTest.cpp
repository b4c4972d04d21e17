// Every dialog template's controls have distinct ids: one duplicate would route a click or a
// data exchange to the wrong control, and no compiler notices.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "resource.h"

namespace pelmo {
namespace {

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Resources, ControlIdsAreUniqueInEveryDialog) {
  for (const UINT dialogId :
       {IDD_MAIN, IDD_EDIT_ITEM, IDD_ABOUTBOX, IDD_CALCULATOR, IDD_CLIPBOOK, IDD_CLIPBOOK_ENTRY,
        IDD_QUICK_REPLACE, IDD_SHORTCUT, IDD_CONCATENATE, IDD_SETTINGS}) {
    SCOPED_TRACE(dialogId);
    HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId),
                                       nullptr, NoHandling, 0);
    ASSERT_NE(dialog, nullptr);
    std::set<int> ids;
    int controls = 0;
    // Direct children only: a combo box's own edit field has an id of its own choosing.
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      const int id = ::GetDlgCtrlID(child);
      if (id == -1 || id == 0xFFFF) continue;  // static texts share the "no id" id
      ++controls;
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " is used twice";
    }
    EXPECT_GT(controls, 0);
    ::DestroyWindow(dialog);
  }
}

}  // namespace
}  // namespace pelmo
