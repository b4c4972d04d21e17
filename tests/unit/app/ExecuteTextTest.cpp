#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ExecuteText.h"

namespace pelmo {
namespace {

TEST(ExecuteText, Parsing) {
  const struct {
    const char* text;
    const char* file;
    const char* parameters;
  } cases[] = {
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
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<ShellRequest> request = ParseExecuteText(c.text, false);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->verb, "open");
    EXPECT_EQ(request->file, c.file);
    EXPECT_EQ(request->parameters, c.parameters);
  }
}

struct RecordingShell : Shell {
  explicit RecordingShell(std::intptr_t result) : result(result) {}
  std::intptr_t Execute(const ShellRequest& request) override {
    calls.push_back(request);
    return result;
  }
  std::intptr_t result;
  std::vector<ShellRequest> calls;
};

// The shell is called once per text that holds more than white space; only listed failures
// give a message, some with a trailing blank.
TEST(ExecuteText, CallsTheShellAndReportsListedFailures) {
  const struct {
    const char* text;
    std::intptr_t result;
    size_t calls;
    const char* message;  // nullptr: nothing shown
  } cases[] = {
      {"  winword report.doc", 33, 1, nullptr},
      {"  winword report.doc", 2, 1, "The specified file was not found. "},
      {"  winword report.doc", 4, 1, nullptr},
      {"  winword report.doc", 0, 1, "The operating system is out of memory or resources."},
      {"  winword report.doc", 32, 1, "The specified dynamic-link library was not found."},
      {" \t\r\n", 2, 0, nullptr},
      {"", 2, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.result);
    RecordingShell shell(c.result);
    const std::optional<std::string> message = ExecuteText(c.text, true, shell);
    ASSERT_EQ(shell.calls.size(), c.calls);
    if (c.calls) {
      const ShellRequest& call = shell.calls[0];
      EXPECT_EQ(call.verb + "|" + call.file + "|" + call.parameters, "explore|winword|report.doc");
    }
    EXPECT_EQ(message.value_or("none"), c.message ? c.message : "none");
  }
}

}  // namespace
}  // namespace pelmo
