// The platform-specific steps of safe saving. Each returns an empty string on success, otherwise
// what went wrong.
#pragma once

#include <cstdio>
#include <string>

namespace pelmo {

// Pushes everything written to the file through the system's caches onto the disk.
std::string FlushToDisk(std::FILE* file);

// Puts `source` in place of `target` in one step: a reader sees either file, whole.
std::string ReplaceFileAtomically(const std::string& source, const std::string& target);

}  // namespace pelmo
