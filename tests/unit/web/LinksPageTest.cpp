#include <gtest/gtest.h>

#include "web/LinksPage.h"

namespace pelmo {
namespace {

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

}  // namespace
}  // namespace pelmo
