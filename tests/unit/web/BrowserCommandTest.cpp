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

TEST(LaunchFailureMessage, NamesTheCauseOfEveryFailure) {
  EXPECT_EQ(LaunchFailureMessage(32, "b.exe", 0), std::nullopt);
  EXPECT_EQ(LaunchFailureMessage(0, "b.exe", 0), "The system is out of memory or resources!");
  EXPECT_EQ(LaunchFailureMessage(2, "C:\\b.exe", 0),
            "EXPLORER Browser file not found\nC:\\b.exe\nSet Options/Path.");
  EXPECT_EQ(LaunchFailureMessage(3, "C:\\x\\b.exe", 0),
            "EXPLORER Browser Path not found\nC:\\x\\b.exe\nSet Options/Path.");
  EXPECT_EQ(LaunchFailureMessage(11, "b.exe", 0),
            "Invalid binary module file (error in binary image).");
  for (const unsigned result : {1u, 4u, 10u, 12u, 31u}) {
    EXPECT_EQ(LaunchFailureMessage(result, "b.exe", ENOENT),
              std::string("Unable to run process!\nError code: ") + std::to_string(ENOENT) + "\n" +
                  std::strerror(ENOENT));
  }
}

}  // namespace
}  // namespace pelmo
