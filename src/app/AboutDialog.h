// The About box (dialog 100): the program's name, version and credits.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "About": the box, modal over the context's owner.
void ShowAbout(const ToolContext& context);

}  // namespace pelmo
