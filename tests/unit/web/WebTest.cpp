// Link recognition, the links page and the browser's command line.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "web/BrowserCommand.h"
#include "web/LinkRecognition.h"
#include "web/LinksPage.h"

namespace pelmo {
namespace {

// The first prefix in order of preference, up to a terminator; without one, up to ".htm" and one
// more byte, or 70 bytes. With lead bytes, double-byte characters are stepped over whole.
TEST(ExtractLink, PrefixesTerminatorsLimitsAndDoubleByteCharacters) {
  LeadBytes shiftJis;
  for (int b = 0x81; b <= 0xFC; ++b) shiftJis[b] = b <= 0x9F || b >= 0xE0;
  const std::string hundred = "http://e.com/" + std::string(87, 'a');
  // "\x82w" is one character whose trail byte is 'w': "ww." after it is no "www.".
  const std::string fake = "\x82www.fake.example\x82\x20 ftp.real.example";
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"see http://example.com/a.html now", "http://example.com/a.html"},
      {"www.early.org then http://late.org/x", "http://late.org/x"},
      {"www.early.org then ftp://late.org/x", "ftp://late.org/x"},
      {"ftp.files.org and www.web.org", "www.web.org"}, {"http://a.b/<i>&x", "http://a.b/<i>&x"},
      // "https://" ranks with "http://": the earlier of the two wins, over any other prefix.
      {"https://www.example.com/x y", "https://www.example.com/x"},
      {"www.early.org then https://late.org/x", "https://late.org/x"},
      {"https://a.org/1 http://b.org/2", "https://a.org/1"},
      {"http://a.org/1 https://b.org/2", "http://a.org/1"},
      {"HTTP://EXAMPLE.COM/X WWW.EXAMPLE.COM HTTPS://A.ORG", ""},
      {"<a href=\"http://example.com/page\">x</a>", "http://example.com/page"},
      {"go to http://example.com/line\r\nnext", "http://example.com/line"},
      {"end with http://example.com.", "http://example.com."}, {hundred, hundred.substr(0, 70)},
      {"www.a.com", "www.a.com"}, {"www.a.co", ""},  // the shortest link kept is 9 bytes
      {"x http://e.com/p.htm#name", "http://e.com/p.htm#"},
      {"x http://e.com/p.htm", "http://e.com/p.htm"},
      {"\thttp://e.com/a\tb\t", "http://e.com/a\tb"},  // a tab ends no link; the ends are trimmed
      {fake, "www.fake.example\x82"}};
  // clang-format on
  for (const auto& [text, link] : cases) EXPECT_EQ(ExtractLink(text, LeadBytes{}), link) << text;
  EXPECT_EQ(ExtractLink(fake, shiftJis), "ftp.real.example");
  // A trail byte that looks like a blank does not end the link.
  EXPECT_EQ(ExtractLink("http://e.com/\x82\x20x y", shiftJis), "http://e.com/\x82\x20x");
}

const char kHead[] =
    "<HTML>\n<HEAD>\n<TITLE>Captured linx</TITLE>\n</HEAD>\n<body>\n"
    "<H1>PELMO captured links:</H1><HR>\n";
const char kFoot[] =
    "<HR><BR></A><FONT SIZE=-1>Collected from the clipboard by Pelmo</FONT><BR>"
    "</body>\n</html>\n";

TEST(BuildLinksPage, WritesOneEscapedAnchorPerLinkInListOrder) {
  EXPECT_EQ(BuildLinksPage({}), std::string(kHead) + kFoot);
  EXPECT_EQ(BuildLinksPage({"www.example.com", "http://x/<script>a&b\"</script>"}),
            std::string(kHead) +
                "<a href=\"www.example.com\">www.example.com</a><br>\n"
                "<a href=\"http://x/&lt;script&gt;a&amp;b&quot;&lt;/script&gt;\">"
                "http://x/&lt;script&gt;a&amp;b&quot;&lt;/script&gt;</a><br>\n" +
                kFoot);
}

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
  const std::string unable = "Unable to run process!\nError code: " + std::to_string(ENOENT) +
                             "\n" + std::strerror(ENOENT);
  // clang-format off
  const std::pair<unsigned, std::string> cases[] = {
      {32, "none"},
      {0, "The system is out of memory or resources!"},
      {2, "EXPLORER Browser file not found\nC:\\x\\b.exe\nSet Options/Path."},
      {3, "EXPLORER Browser Path not found\nC:\\x\\b.exe\nSet Options/Path."},
      {11, "Invalid binary module file (error in binary image)."},
      {1, unable}, {4, unable}, {10, unable}, {12, unable}, {31, unable}};
  // clang-format on
  for (const auto& [result, message] : cases)
    EXPECT_EQ(LaunchFailureMessage(result, "C:\\x\\b.exe", ENOENT).value_or("none"), message)
        << result;
}

}  // namespace
}  // namespace pelmo
