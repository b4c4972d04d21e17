#pragma once

#include <string>

// Window texts leave the driver in UTF-8, as the Linux side reads them.
std::string ToUtf8(const std::wstring& text);
