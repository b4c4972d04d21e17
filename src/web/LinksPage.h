// The captured links as an HTML page, the way "Export as HTML" writes it.
#pragma once

#include <deque>
#include <string>

namespace pelmo {

// The whole page, one anchor line per link, head to tail. A link may hold '&', '<', '>' (they do
// not end a link), so it is written with entities: the page is opened in a browser, and a copied
// "<script>" must not become live there.
std::string BuildLinksPage(const std::deque<std::string>& links);

}  // namespace pelmo
