// Starting the browser the user picked, and where that choice is kept.
#pragma once

#include <string>

namespace pelmo {

// The browser's full path lives in the settings file, section "PATH", key "BROWSER".
constexpr const char* kBrowserSection = "PATH";
constexpr const char* kBrowserKey = "BROWSER";

// Starts `browser` with one argument, shown without taking the focus. A failed start is
// reported in a message box; true when the browser started.
bool LaunchBrowser(const std::string& browser, const std::string& argument);

}  // namespace pelmo
