#pragma once

#include <string>

// Opens Pelmo's HTTP captures window ("Web..."), presses "Export as HTML", saves the page as
// `path` (a Windows path) and closes the window again. 0 done, 1 a step did not happen in time.
int ExportLinks(const std::wstring& path, unsigned long ms);
