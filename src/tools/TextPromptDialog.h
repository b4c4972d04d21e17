// The one-field prompts ("To ClipBook"'s name, "To QuickRep"'s shortcut): a dialog template whose
// text field is IDC_EDIT_TEXT.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

namespace pelmo {

// Shows `text` in the field; true, with `text` holding what the field held, after IDOK.
bool PromptForText(UINT dialogId, CWnd& owner, std::string& text);

}  // namespace pelmo
