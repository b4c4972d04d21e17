#include "web/BrowserCommand.h"

#include <cstdio>
#include <cstring>

namespace pelmo {

namespace {

std::string Quoted(const std::string& part) {
  const bool quoted = part.size() >= 2 && part.front() == '"' && part.back() == '"';
  if (quoted || part.find_first_of(" \t") == std::string::npos) return part;
  return '"' + part + '"';
}

}  // namespace

std::string BrowserCommandLine(const std::string& browser, const std::string& argument) {
  return Quoted(browser) + ' ' + Quoted(argument);
}

std::optional<std::string> LaunchFailureMessage(unsigned result, const std::string& browser,
                                                unsigned long lastError) {
  switch (result) {
    case 0:
      return "The system is out of memory or resources!";
    case 2:
      return "EXPLORER Browser file not found\n" + browser + "\nSet Options/Path.";
    case 3:
      return "EXPLORER Browser Path not found\n" + browser + "\nSet Options/Path.";
    case 11:
      return "Invalid binary module file (error in binary image).";
    default:
      break;
  }
  if (result >= 32) return std::nullopt;
  // The system's error number is read as a runtime errno value for the text, as it always was.
  const char* text = std::strerror(static_cast<int>(lastError));
  char message[512];
  std::snprintf(message, sizeof message, "Unable to run process!\nError code: %lu\n%s", lastError,
                text ? text : "");
  return std::string(message);
}

}  // namespace pelmo
