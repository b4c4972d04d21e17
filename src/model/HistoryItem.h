// One entry of the clipboard history.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmo {

enum HistoryKind : int {
  kPlain = 0,
  kConcatenated = 1,
  kMarked = 2,
  kDroppedFiles = 3,
};

struct HistoryItem {
  std::string text;  // the full text, never trimmed or shortened
  // The same text in UTF-16, kept only when the ANSI code page could not hold it: empty unless
  // `text` lost characters (then `text` is its ANSI form, which every rule of the history uses).
  std::u16string wide;
  int kind = kPlain;
  int multiLine = 0;  // 1 when the text holds a line feed
};

// What ends a line of an entry's text, in either of its forms.
template <typename Char>
constexpr Char kLineEnds[] = {'\r', '\n', 0};

// A label is made from at most this many bytes of its entry's text.
constexpr size_t kLabelBytes = 50;

// The one-line row text of an entry: the first line of its first 50 bytes, trimmed.
std::string Label(const HistoryItem& item);
// Label, also setting the entry's multi-line flag from its text.
std::string MakeLabel(HistoryItem& item);

// The label of an entry that keeps a wide text, drawn instead of MakeLabel's '?'s. Its rules are
// MakeLabel's with a character for a byte: the ANSI text holds one byte per character (a
// surrogate pair is one '?'), so the first 50 characters are the ones the 50 bytes stand for and
// the wide label converts to exactly the ANSI label. Empty for an entry without a wide text.
std::u16string WideLabel(const HistoryItem& item);

// Label and WideLabel without a copy: the part of the entry's text, or of its wide text, they are.
std::string_view LabelIn(const HistoryItem& item);
std::u16string_view WideLabelIn(const HistoryItem& item);

// The first line of `text`, white space taken off both ends first, as a label is made of it.
std::string_view FirstLineTrimmed(std::string_view text);
std::u16string_view FirstLineTrimmed(std::u16string_view text);

}  // namespace pelmo
