#pragma once

#include <string>

// Window texts leave the driver in UTF-8, as the Linux side reads them, and arrive in it.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
