// Starting the browser the user picked (model/BrowserSetting.h keeps that choice).
#pragma once

#include <string>

namespace pelmo {

// Starts `browser` with one argument, shown without taking the focus. A failed start is
// reported in a message box; true when the browser started.
bool LaunchBrowser(const std::string& browser, const std::string& argument);

}  // namespace pelmo
