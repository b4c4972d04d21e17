// A stand-in for the user's browser: records how it was started (its command line and the show
// value it was given) at the end of "<its own path>.txt", one per line.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  const std::string record = std::string(path) + ".txt";
  if (FILE* file = std::fopen(record.c_str(), "ab")) {
    std::fprintf(file, "%s\n%u\n", ::GetCommandLineA(), static_cast<unsigned>(startup.wShowWindow));
    std::fclose(file);
  }
  return 0;
}
