// Execute with the system's shell: the hidden frame owns whatever it shows.
#pragma once

#include <string_view>

namespace pelmo {

// Opens the text as Execute does; a failure is shown with the shell's reason.
void ExecuteWithShell(std::string_view text, bool explore);

}  // namespace pelmo
