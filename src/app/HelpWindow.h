// The program's own help viewer: a modeless, resizable window with a getting-started text. It
// serves help requests the way an external viewer would: the request returns at once, and the
// window lives beside the program's other windows until the user closes it.
#pragma once

#include <windows.h>

namespace pelmo {

// Opens the help window, or brings it to the front when it is open already (one per process).
// Every context shows the getting-started text, the only topic there is. It opens centred on the
// work area of the monitor of `strip` (the always-on-top strip, if any), clear of the strip.
void ShowHelpTopic(DWORD_PTR context, HWND strip);

}  // namespace pelmo
