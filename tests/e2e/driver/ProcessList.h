#pragma once

#include <string>

// Whether a process whose executable has this file name (for example "Pelmo.exe", compared
// without regard to case) is running.
bool IsImageRunning(const std::wstring& imageName);
