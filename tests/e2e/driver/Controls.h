#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Pelmo's windows and controls as another process reads and presses them. Every question is
// asked with a time limit: a hung or dying window must not hang the driver. The texts are asked
// for in UTF-16 (across processes Wine answers the narrow messages with UTF-16 bytes anyway) and
// returned in UTF-8.

// A visible top-level dialog with this caption, or null.
HWND FindDialog(const std::wstring& caption);

bool ReadText(HWND control, std::string& text);
// The rows of a combo box, top first.
bool ReadComboRows(HWND combo, std::vector<std::string>& rows);
// A click on a button: it sends its own notification to its dialog.
bool Click(HWND button);
