// The executable's own path, without any fixed-size limit.
#pragma once

#include <string>

namespace pelmo {

std::string ModuleFileName();
// The file name of the executable without directory and extension ("Pelmo" for C:\x\Pelmo.exe).
std::string ModuleBaseName();

}  // namespace pelmo
