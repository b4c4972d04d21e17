#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "web/BrowserCommand.h"

namespace pelmo {
namespace {

TEST(BrowserCommandLine, QuotesOnlyThePartsWithBlanksAndNeverTwice) {
  EXPECT_EQ(BrowserCommandLine("C:\\web\\browse.exe", "http://a.org/x"),
            "C:\\web\\browse.exe http://a.org/x");
  EXPECT_EQ(BrowserCommandLine("C:\\Program Files\\b.exe", "C:\\My pages\\linx.htm"),
            "\"C:\\Program Files\\b.exe\" \"C:\\My pages\\linx.htm\"");
  EXPECT_EQ(BrowserCommandLine("\"C:\\Program Files\\b.exe\"", "http://a.org/a\tb"),
            "\"C:\\Program Files\\b.exe\" \"http://a.org/a\tb\"");
  EXPECT_EQ(BrowserCommandLine("", "www.a.org"), " www.a.org");
}

// Results from 32 on are successes; a missing browser file is named; results without a message
// of their own give the system's error text.
TEST(LaunchFailureMessage, NamesTheCauseOfEveryFailure) {
  EXPECT_EQ(LaunchFailureMessage(32, "b.exe", 0), std::nullopt);
  EXPECT_EQ(LaunchFailureMessage(2, "C:\\b.exe", 0),
            "EXPLORER Browser file not found\nC:\\b.exe\nSet Options/Path.");
  for (const unsigned result : {1u, 31u}) {
    EXPECT_EQ(LaunchFailureMessage(result, "b.exe", ENOENT),
              std::string("Unable to run process!\nError code: ") + std::to_string(ENOENT) + "\n" +
                  std::strerror(ENOENT));
  }
}

}  // namespace
}  // namespace pelmo
