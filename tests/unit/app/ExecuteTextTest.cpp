#include <gtest/gtest.h>

#include <vector>

#include "app/ExecuteText.h"

namespace pelmo {
namespace {

TEST(ExecuteText, Parsing) {
  const struct {
    const char* text;
    bool explore;
    const char* verb;
    const char* file;
    const char* parameters;
  } cases[] = {
      {"notepad c:\\notes.txt", false, "open", "notepad", "c:\\notes.txt"},
      {" \t\r\n\v\f prog a  b  ", false, "open", "prog", "a  b  "},  // trailing blanks stay
      {"c:\\windows", true, "explore", "c:\\windows", ""},
      {"my\tprog a", false, "open", "my\tprog", "a"},                  // only a blank splits
      {"jo@example.org", false, "open", "mailto:jo@example.org", ""},  // "@" at 2
      {"j@example.org", false, "open", "j@example.org", ""},           // "@" at 1
      {"@home x", false, "open", "@home", "x"},                        // "@" at 0
      {"mailto:jo@example.org", false, "open", "mailto:jo@example.org", ""},
      {"MailTo:jo@example.org", false, "open", "MailTo:jo@example.org", ""},
      {"Jo Doe jo@example.org", false, "open", "mailto:Jo Doe jo@example.org", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<ShellRequest> request = ParseExecuteText(c.text, c.explore);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->verb, c.verb);
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
// give a message.
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

TEST(ExecuteText, ShellMessages) {
  const struct {
    std::intptr_t result;
    const char* message;
  } cases[] = {
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
       "The DDE transaction could not be completed because other DDE transactions were "
       "being processed. "},
      {31, "There is no application associated with the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {1, nullptr},
      {4, nullptr},
      {-1, nullptr},
      {33, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(ShellErrorMessage(c.result), c.message) << c.result;
  }
}

}  // namespace
}  // namespace pelmo
