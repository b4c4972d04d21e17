// Starting the browser, the portable part: its command line and what a failed start tells the
// user.
#pragma once

#include <optional>
#include <string>

namespace pelmo {

// "browser argument". A part that holds a blank is quoted (unless it already is): unquoted,
// "C:\Program Files\..." would make the system try "C:\Program" first, and a file under a folder
// with blanks would reach the browser as several words.
std::string BrowserCommandLine(const std::string& browser, const std::string& argument);

// The message for a start that returned `result` (below 32 is a failure), or nullopt for a
// success. `lastError` is the thread's last system error at the failure.
std::optional<std::string> LaunchFailureMessage(unsigned result, const std::string& browser,
                                                unsigned long lastError);

}  // namespace pelmo
