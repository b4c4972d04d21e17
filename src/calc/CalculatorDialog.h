// The calculator window (dialog 153). Its keys, the typing in the expression field and "=" follow
// the rules of CalculatorKeys; its list of earlier expressions lives in the ".clc" file next to
// the executable (CalculatorHistoryStore), loaded when the window opens and saved on every way of
// closing it.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "Calculator...": runs the calculator modally over the context's owner, which stays disabled
// while it is open; the workspace's "Calculator" option is the number of entries its file keeps.
void ShowCalculator(const ToolContext& context);

}  // namespace pelmo
