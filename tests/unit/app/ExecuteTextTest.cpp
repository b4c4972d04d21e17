#include <gtest/gtest.h>

#include <vector>

#include "app/ExecuteText.h"

namespace pelmo {
namespace {

struct RecordingShell : Shell {
  std::intptr_t Execute(const ShellRequest& request) override {
    calls.push_back(request.verb + "|" + request.file + "|" + request.parameters);
    return result;
  }
  std::intptr_t result = 33;  // success
  std::vector<std::string> calls;
};

// The text, the file opened and its parameters; the shell is called once per text that holds
// more than white space, and only listed failures give a message, some with a trailing blank.
TEST(ExecuteText, ParsesTheTextCallsTheShellAndReportsListedFailures) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"notepad c:\\notes.txt", "notepad", "c:\\notes.txt"},
      {" \t\r\n\v\f prog a  b  ", "prog", "a  b  "},    // trailing blanks stay
      {"my\tprog a", "my\tprog", "a"},                  // only a blank splits
      {"jo@example.org", "mailto:jo@example.org", ""},  // "@" at 2
      {"j@example.org", "j@example.org", ""},           // "@" at 1
      {"@home x", "@home", "x"},                        // "@" at 0
      {"mailto:jo@example.org", "mailto:jo@example.org", ""},
      {"MailTo:jo@example.org", "MailTo:jo@example.org", ""},
      {"Jo Doe jo@example.org", "mailto:Jo Doe jo@example.org", ""},
  };
  for (const auto& [text, file, parameters] : cases) {
    RecordingShell shell;
    ExecuteText(text, false, shell);
    EXPECT_EQ(shell.calls, std::vector<std::string>{std::string("open|") + file + "|" + parameters})
        << text;
  }

  const std::pair<std::intptr_t, const char*> results[] = {
      {33, "none"},
      {2, "The specified file was not found. "},
      {4, "none"},
      {0, "The operating system is out of memory or resources."},
      {32, "The specified dynamic-link library was not found."}};
  for (const auto& [result, message] : results) {
    RecordingShell shell;
    shell.result = result;
    EXPECT_EQ(ExecuteText("  winword report.doc", true, shell).value_or("none"), message) << result;
    EXPECT_EQ(shell.calls, std::vector<std::string>{"explore|winword|report.doc"});
  }
  for (const char* blank : {" \t\r\n", ""}) {
    RecordingShell shell;
    EXPECT_EQ(ExecuteText(blank, true, shell), std::nullopt);
    EXPECT_TRUE(shell.calls.empty());
  }
}

}  // namespace
}  // namespace pelmo
