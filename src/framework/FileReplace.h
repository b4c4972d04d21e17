// The platform-specific steps of safe saving and of loading. The steps return an empty string on
// success, otherwise what went wrong.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pelmo {

// Pushes everything written to the file through the system's caches onto the disk.
std::string FlushToDisk(std::FILE* file);

// Puts `source` in place of `target` in one step: a reader sees either file, whole. A target that
// another program holds open for a moment is tried again for about 2 s.
std::string ReplaceFileAtomically(const std::string& source, const std::string& target);

// What is at a path that is about to be opened for reading.
struct InputPathCheck {
  bool missing = false;  // nothing there: not an error
  std::string problem;   // there is something, but it cannot be read as a file; empty when it can
};
InputPathCheck CheckInputPath(const std::string& path);

// Whether a folder is at that path.
bool IsFolder(const std::string& path);

// The running process's id: it makes temporary names that no other process uses at the moment.
unsigned long CurrentProcessId();

// Whether a process of that id runs now; true also when it runs but may not be looked at.
bool ProcessRunning(unsigned long id);

// The names of the plain files in a folder, given as "" (the current one) or ending in a
// separator; none when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);

}  // namespace pelmo
