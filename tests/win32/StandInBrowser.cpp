// A stand-in for the user's browser: records how it was started (its command line and the show
// value it was given) at the end of "<its own path>.txt", one per line.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  STARTUPINFOA startup{};
  ::GetStartupInfoA(&startup);
  if (FILE* file = std::fopen((std::string(path) + ".txt").c_str(), "ab")) {
    std::fprintf(file, "%s\n%u\n", ::GetCommandLineA(), static_cast<unsigned>(startup.wShowWindow));
    std::fclose(file);
  }
  return 0;
}
