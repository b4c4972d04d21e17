#include <gtest/gtest.h>

#include <string>

#include "web/LinkRecognition.h"

namespace pelmo {
namespace {

TEST(ExtractLink, TakesTheFirstPrefixInOrderOfPreferenceAndEndsAtATerminator) {
  const struct {
    const char* text;
    const char* link;
  } cases[] = {
      {"see http://example.com/a.html now", "http://example.com/a.html"},
      {"www.early.org then http://late.org/x", "http://late.org/x"},
      {"www.early.org then ftp://late.org/x", "ftp://late.org/x"},
      {"ftp.files.org and www.web.org", "www.web.org"},
      {"https://www.example.com/x y", "www.example.com/x"},
      {"https://example.com/x", ""},
      {"HTTP://EXAMPLE.COM/X WWW.EXAMPLE.COM", ""},
      {"<a href=\"http://example.com/page\">x</a>", "http://example.com/page"},
      {"go to http://example.com/line\r\nnext", "http://example.com/line"},
      {"end with http://example.com.", "http://example.com."},
      {"http://a.b/<i>&x", "http://a.b/<i>&x"},
      {"www.a.com", "www.a.com"},  // the shortest link kept: 9 bytes
      {"www.a.co", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractLink(c.text, {}), c.link) << c.text;
  }
}

TEST(ExtractLink, WithoutTerminatorRunsToHtmAndOneMoreOrIsCutAt70) {
  EXPECT_EQ(ExtractLink("x http://e.com/p.htm#name", {}), "http://e.com/p.htm#");
  EXPECT_EQ(ExtractLink("x http://e.com/p.html", {}), "http://e.com/p.html");
  EXPECT_EQ(ExtractLink("x http://e.com/p.htm", {}), "http://e.com/p.htm");
  const std::string hundred = "http://e.com/" + std::string(87, 'a');
  EXPECT_EQ(ExtractLink(hundred, {}), hundred.substr(0, 70));
  // A tab does not end a link; only the ends are trimmed.
  EXPECT_EQ(ExtractLink("\thttp://e.com/a\tb\t", {}), "http://e.com/a\tb");
}

TEST(ExtractLink, StepsOverDoubleByteCharactersWhole) {
  LeadBytes shiftJis;
  for (int b = 0x81; b <= 0x9F; ++b) shiftJis[b] = true;
  for (int b = 0xE0; b <= 0xFC; ++b) shiftJis[b] = true;
  // "\x82w" is one character whose trail byte is 'w': "ww." after it is no "www.".
  const std::string text = "\x82www.fake.example\x82\x20 ftp.real.example";
  EXPECT_EQ(ExtractLink(text, {}), "www.fake.example\x82");
  EXPECT_EQ(ExtractLink(text, shiftJis), "ftp.real.example");
  // A trail byte that looks like a blank does not end the link.
  EXPECT_EQ(ExtractLink("http://e.com/\x82\x20x y", shiftJis), "http://e.com/\x82\x20x");
}

}  // namespace
}  // namespace pelmo
