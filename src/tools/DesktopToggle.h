// "Desktop": hides the shell's desktop window ("Progman"), and with it the desktop icons, or
// shows it again. Nothing happens without one; the program keeps no record of it.
#pragma once

namespace pelmo {

void ToggleDesktop();

}  // namespace pelmo
