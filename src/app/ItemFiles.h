// The items file (".clp": history, ClipBook entries, captured links) and the Quick Replace file
// (".qrp"), both archives next to the executable. No header, no version, nothing after the last
// element:
//   items file:         count, history texts (row 0 first); count, ClipBook strings;
//                       count, links (newest first)
//   Quick Replace file: count, then shortcut and text of each pair
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Archive.h"

namespace pelmo {

constexpr const char* kItemsExtension = ".clp";
constexpr const char* kQuickRepExtension = ".qrp";
// Links beyond this many stay unread when loading.
constexpr size_t kMaxLoadedLinks = 200;

// "<drive><dir><base><extension>" from the executable's full path: the extension replaced.
std::string ItemFileName(const std::string& exePath, const char* extension);

template <typename Text>
struct ItemLists {
  std::vector<Text> history;  // row 0 (newest) first
  std::vector<Text> clipBook;
  std::vector<Text> links;  // newest first
};
using ItemsFile = ItemLists<std::string>;
// What saving needs: views of the texts where they live.
using ItemsFileView = ItemLists<std::string_view>;

struct QuickRepItem {
  std::string shortcut;
  std::string text;
};

// The result of loading: whether the file could be opened, what was read, and the fault that
// stopped reading. After a fault, the content holds every element read before it.
template <typename Content>
struct Loaded {
  bool opened = false;
  Content content;
  std::optional<ArchiveError> error;
};

Loaded<ItemsFile> LoadItemsFile(const std::string& path);
Loaded<std::vector<QuickRepItem>> LoadQuickRepFile(const std::string& path);

// Both throw FileError; the previous file then stays as it was.
void SaveItemsFile(const std::string& path, const ItemsFileView& items);
void SaveQuickRepFile(const std::string& path, const std::vector<QuickRepItem>& pairs);

}  // namespace pelmo
