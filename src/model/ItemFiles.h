// The items file (".clp": history, ClipBook entries, captured links) and the Quick Replace file
// (".qrp"), both archives next to the executable. No header, no version, nothing after the last
// element:
//   items file:         count, history texts (row 0 first); count, ClipBook strings;
//                       count, links (newest first)
// A history or ClipBook entry with a wide text is stored in the archive's 16-bit form; every
// other string in its narrow form, so a file without such entries is what older versions wrote.
//   Quick Replace file: count, then shortcut and text of each pair
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Archive.h"
#include "framework/BufferedFile.h"
#include "model/HistoryItem.h"

namespace pelmo {

constexpr const char* kItemsExtension = ".clp";
constexpr const char* kQuickRepExtension = ".qrp";
// Links beyond this many are read over and dropped when loading; that is no damage.
constexpr size_t kMaxLoadedLinks = 200;
// History entries, ClipBook entries and Quick Replace pairs beyond this many are passed over when
// loading, counted and reported: far above any real history (a million entries of even one
// byte, with their rows in the drop-down, are about all a 32-bit program can hold comfortably),
// and low enough that a damaged count of 2^31-1 cannot fill the address space.
constexpr size_t kMaxLoadedEntries = 1000000;

// "<drive><dir><base><extension>" from the executable's full path: the extension replaced.
std::string ItemFileName(const std::string& exePath, const char* extension);

template <typename HistoryEntry, typename ClipBookEntry, typename Text>
struct ItemLists {
  std::vector<HistoryEntry> history;    // row 0 (newest) first; only text and wide are stored
  std::vector<ClipBookEntry> clipBook;  // "name\ntext" (tools/ClipBook.h); text and wide stored
  std::vector<Text> links;              // newest first
};
// The history's entries are read as the history keeps them, each on its own: a long history then
// goes into it without being copied.
using ItemsFile = ItemLists<std::unique_ptr<HistoryItem>, HistoryItem, std::string>;
// What saving needs: the entries and texts where they live.
using ItemsFileView = ItemLists<const HistoryItem*, const HistoryItem*, std::string_view>;

struct QuickRepItem {
  std::string shortcut;
  std::string text;
};

// Elements of one list that the file holds beyond kMaxLoadedEntries: read over, not kept.
struct LeftOut {
  const char* element;   // "history entry", ...
  const char* elements;  // "history entries", ...
  size_t count = 0;
};

// The result of loading: whether the file could be opened (and if not, whether because it is
// not there or because it cannot be read), what was read, what was left out, and the fault that
// stopped reading. After a fault, the content holds every element read before it.
template <typename Content>
struct Loaded {
  bool opened = false;
  std::string unreadable;  // why a file that is there could not be opened; empty otherwise
  Content content;
  std::vector<LeftOut> leftOut;
  std::optional<ArchiveError> error;

  // Loading took in less than the file holds: saving over it would lose the rest.
  bool Incomplete() const { return error.has_value() || !leftOut.empty(); }

  // Tells the user where reading `path` stopped; only with an error.
  std::string DamagedMessage(const std::string& path) const {
    return "The file \"" + path + "\" is damaged (" + error->what() +
           "). Everything read before that point has been kept.";
  }

  // Opens the file to load, noting whether it opened and, when it is there but could not be,
  // why; empty when it did not open.
  std::optional<InputFile> Open(const std::string& path) {
    InputFile::OpenFailure failure;
    std::optional<InputFile> file = InputFile::Open(path, &failure);
    opened = file.has_value();
    unreadable = failure.reason;
    return file;
  }
};

Loaded<ItemsFile> LoadItemsFile(const std::string& path);
Loaded<std::vector<QuickRepItem>> LoadQuickRepFile(const std::string& path);

// Both throw FileError; the previous file then stays as it was.
void SaveItemsFile(const std::string& path, const ItemsFileView& items);
void SaveQuickRepFile(const std::string& path, const std::vector<QuickRepItem>& pairs);

}  // namespace pelmo
