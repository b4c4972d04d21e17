#include "app/ExecuteText.h"

#include <cctype>

namespace pelmo {

namespace {

constexpr std::string_view kMailto = "mailto:";

bool StartsWithMailto(std::string_view text) {
  if (text.size() < kMailto.size()) return false;
  for (size_t i = 0; i < kMailto.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != kMailto[i]) return false;
  }
  return true;
}

struct ShellError {
  std::intptr_t result;
  const char* message;
};

// The trailing blanks are part of the texts.
constexpr ShellError kShellErrors[] = {
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found. "},
    {3, "The specified path was not found. "},
    {5, "The operating system denied access to the specified file. "},
    {8, "There was not enough memory to complete the operation. "},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image). "},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid. "},
    {28, "The DDE transaction could not be completed because the request timed out. "},
    {29, "The DDE transaction failed. "},
    {30,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed. "},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::optional<ShellRequest> ParseExecuteText(std::string_view text, bool explore) {
  const size_t start = text.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);

  ShellRequest request;
  request.verb = explore ? "explore" : "open";
  const size_t at = text.find('@');
  if (at != std::string_view::npos && at >= 2) {
    // An e-mail address; an "@" in the first two places does not make one.
    if (!StartsWithMailto(text)) request.file = kMailto;
    request.file += text;
    return request;
  }
  // The text starts with no blank here, so a blank splits off the parameters.
  const size_t blank = text.find(' ');
  if (blank != std::string_view::npos) {
    request.parameters = text.substr(blank + 1);
    text = text.substr(0, blank);
  }
  request.file = text;
  return request;
}

const char* ShellErrorMessage(std::intptr_t result) {
  for (const ShellError& error : kShellErrors) {
    if (error.result == result) return error.message;
  }
  return nullptr;
}

std::optional<std::string> ExecuteText(std::string_view text, bool explore, Shell& shell) {
  const std::optional<ShellRequest> request = ParseExecuteText(text, explore);
  if (!request) return std::nullopt;
  const char* message = ShellErrorMessage(shell.Execute(*request));
  if (!message) return std::nullopt;
  return std::string(message);
}

}  // namespace pelmo
