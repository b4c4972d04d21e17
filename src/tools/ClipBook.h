// ClipBook entries: one string each, the name, a line feed, then the text. A string without a
// line feed is its own name and its own text. An entry is kept as a HistoryItem holding that
// string, so that a text the ANSI code page could not hold keeps the whole string in UTF-16 as
// well (HistoryItem::wide), and is stored in the items file as a history entry is.
#pragma once

#include <string>

#include "model/HistoryItem.h"

namespace pelmo {

// `item`'s text under `name`; an item that keeps a wide text makes an entry that keeps one too,
// named by `wideName`, the name in UTF-16.
HistoryItem MakeClipBookEntry(const std::string& name, const std::u16string& wideName,
                              const HistoryItem& item);
std::string ClipBookName(const std::string& entry);
std::u16string ClipBookName(const std::u16string& entry);
// The text as it is put back: the ANSI text and, for an entry that keeps one, the wide text.
HistoryItem ClipBookText(const HistoryItem& entry);

// The name "To ClipBook" proposes for a text: its first 35 characters.
std::string ProposedClipBookName(const std::string& text);

}  // namespace pelmo
