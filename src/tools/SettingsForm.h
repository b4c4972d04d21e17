// The settings window's rules for what it shows and what it takes back, apart from the window.
#pragma once

#include <optional>
#include <string>

namespace pelmo {

// A "Hold maximum" count: an unsigned decimal number with blanks or tabs around it. A minus sign
// is refused, and so is a number too large for the option it goes into. No other range applies:
// 0 is taken.
std::optional<int> ParseCount(const std::string& text);

// An on/off option is shown checked when the program acts on it as on: any value but 0, as the
// raw options are read from the file. Confirming the window then keeps it on (as 1).
bool ShownChecked(int option);

}  // namespace pelmo
