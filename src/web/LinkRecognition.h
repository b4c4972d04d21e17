// Link recognition: the one web or FTP address that a captured text holds, if any. It runs on
// every capture, so it scans the text a few times at most and never copies it.
#pragma once

#include <string>
#include <string_view>

#include "framework/AnsiCodePage.h"

namespace pelmo {

// The address in `text`: from the first of "http://" or "https://" (the earlier of the two),
// "ftp://", "www.", "ftp." that occurs (in that order of preference, whatever their positions) to
// the first blank, double quote or line break; without one, to ".htm" and one byte more, or else
// at most 70 bytes. White space is trimmed from both ends. Empty when there is no prefix or the
// result is shorter than 9 bytes. Searches step over double-byte characters whole, so a prefix
// never starts at a trail byte.
std::string ExtractLink(std::string_view text, const LeadBytes& leadBytes = AnsiLeadBytes());

}  // namespace pelmo
