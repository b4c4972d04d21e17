#include <gtest/gtest.h>

#include <vector>

#include "app/ExecuteText.h"

namespace pelmo {
namespace {

using Calls = std::vector<std::string>;

struct RecordingShell : Shell {
  std::intptr_t Execute(const ShellRequest& request) override {
    calls.push_back(request.verb + "|" + request.file + "|" + request.parameters);
    return result;
  }
  std::intptr_t result = 33;  // success
  Calls calls;
};

// The text and the shell's call ("verb|file|parameters"), made once per text that holds more than
// white space; only listed failures give a message, some with a trailing blank.
TEST(ExecuteText, ParsesTheTextCallsTheShellAndReportsListedFailures) {
  const std::pair<const char*, const char*> cases[] = {
      {"notepad c:\\notes.txt", "open|notepad|c:\\notes.txt"},
      {" \t\r\n\v\f prog a  b  ", "open|prog|a  b  "},    // trailing blanks stay
      {"my\tprog a", "open|my\tprog|a"},                  // only a blank splits
      {"jo@example.org", "open|mailto:jo@example.org|"},  // "@" at 2
      {"j@example.org", "open|j@example.org|"},           // "@" at 1
      {"@home x", "open|@home|x"},                        // "@" at 0
      {"mailto:jo@example.org", "open|mailto:jo@example.org|"},
      {"MailTo:jo@example.org", "open|MailTo:jo@example.org|"},
      {"Jo Doe jo@example.org", "open|mailto:Jo Doe jo@example.org|"},
      {" \t\r\n", ""},
      {"", ""}};
  for (const auto& [text, call] : cases) {
    RecordingShell shell;
    EXPECT_EQ(ExecuteText(text, false, shell), std::nullopt) << text;
    EXPECT_EQ(shell.calls, *call ? Calls{call} : Calls{}) << text;
  }

  const std::pair<std::intptr_t, const char*> results[] = {
      {2, "The specified file was not found. "},
      {4, "none"},
      {0, "The operating system is out of memory or resources."},
      {32, "The specified dynamic-link library was not found."}};
  for (const auto& [result, message] : results) {
    RecordingShell shell;
    shell.result = result;
    EXPECT_EQ(ExecuteText("  winword report.doc", true, shell).value_or("none"), message) << result;
    EXPECT_EQ(shell.calls, Calls{"explore|winword|report.doc"});
  }
}

}  // namespace
}  // namespace pelmo
