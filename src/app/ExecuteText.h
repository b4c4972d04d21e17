// Execute: hands a text to the shell to open it, as a path, a program with parameters, an
// address or an e-mail address.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmo {

// One shell call: the verb, the file, and its parameters.
struct ShellRequest {
  std::string verb;  // "open" or "explore"
  std::string file;
  std::string parameters;
};

// The shell. Returns the call's result: above 32 is success, otherwise an error code.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual std::intptr_t Execute(const ShellRequest& request) = 0;
};

// How a text is opened. Empty when nothing but white space is left to open.
std::optional<ShellRequest> ParseExecuteText(std::string_view text, bool explore);

// The message for a failed shell result; nullptr for success and for unlisted results, which
// are not reported.
const char* ShellErrorMessage(std::intptr_t result);

// Opens the text through the shell. Returns the message to show (with the stop icon), if any.
// Nothing is called for a text of white space only.
std::optional<std::string> ExecuteText(std::string_view text, bool explore, Shell& shell);

}  // namespace pelmo
