// Reading numbers typed into edit boxes: blanks and tabs around the number are allowed,
// anything else around it is refused, and so is a value out of range.
#pragma once

#include <optional>
#include <string>

namespace pelmo {

std::optional<int> ParseSignedText(const std::string& text);
// A leading minus sign is refused.
std::optional<unsigned> ParseUnsignedText(const std::string& text);

}  // namespace pelmo
