// The calculator's history file (".clc" next to the executable): an archive of a 32-bit entry
// count and then the entries as length-prefixed strings, the oldest first. Nothing follows the
// last entry.
#pragma once

#include <string>
#include <vector>

#include "model/ItemFiles.h"

namespace pelmo {

constexpr const char* kCalculatorHistoryExtension = ".clc";
// A smaller history limit is raised to this when loading and saving.
constexpr unsigned kMinCalculatorHistory = 4;

// Reads the first min(count, limit) entries, which are the oldest ones, and returns them newest
// first, the order of the window's list. After a fault the entries read before it are kept.
Loaded<std::vector<std::string>> LoadCalculatorHistory(const std::string& path, unsigned limit);

// Writes the first min(size, limit) entries of `newestFirst`, the oldest of them first. Throws
// FileError; the previous file then stays as it was.
void SaveCalculatorHistory(const std::string& path, const std::vector<std::string>& newestFirst,
                           unsigned limit);

}  // namespace pelmo
