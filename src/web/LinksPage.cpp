#include "web/LinksPage.h"

namespace pelmo {

namespace {

void AppendEscaped(std::string& page, const std::string& text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        page += "&amp;";
        break;
      case '<':
        page += "&lt;";
        break;
      case '>':
        page += "&gt;";
        break;
      case '"':
        page += "&quot;";
        break;
      default:
        page += c;
    }
  }
}

}  // namespace

std::string BuildLinksPage(const std::deque<std::string>& links) {
  std::string page =
      "<HTML>\n<HEAD>\n<TITLE>Captured linx</TITLE>\n</HEAD>\n<body>\n"
      "<H1>PELMO captured links:</H1><HR>\n";
  for (const std::string& link : links) {
    page += "<a href=\"";
    AppendEscaped(page, link);
    page += "\">";
    AppendEscaped(page, link);
    page += "</a><br>\n";
  }
  page +=
      "<HR><BR></A><FONT SIZE=-1>Collected from the clipboard by Pelmo</FONT><BR>"
      "</body>\n</html>\n";
  return page;
}

}  // namespace pelmo
