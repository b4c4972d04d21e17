#include "app/ItemFiles.h"

#include <algorithm>
#include <limits>
#include <new>

namespace pelmo {

namespace {

ArchiveError InContext(const ArchiveError& error, const std::string& context) {
  return ArchiveError(error.Offset(), context + ": " + error.Problem());
}

size_t ReadCount(ArchiveReader& archive, const char* element) {
  try {
    return archive.ReadCount();
  } catch (const ArchiveError& e) {
    throw InContext(e, std::string(element) + " count");
  }
}

// Reads a count and then that many elements (at most `limit`) into `out`. Nothing is reserved
// from the count: the list grows only with what the file really holds. A fault names the element.
template <typename Element, typename ReadElement>
void ReadList(ArchiveReader& archive, const char* element, size_t limit, std::vector<Element>& out,
              ReadElement read) {
  const size_t count = std::min(ReadCount(archive, element), limit);
  const size_t before = out.size();
  const auto position = [&] {
    return std::string(element) + " " + std::to_string(out.size() - before + 1) + " of " +
           std::to_string(count);
  };
  try {
    for (size_t i = 0; i < count; ++i) out.push_back(read(archive));
  } catch (const ArchiveError& e) {
    throw InContext(e, position());
  } catch (const std::bad_alloc&) {
    throw ArchiveError(archive.Offset(), position() + ": more than fits in memory");
  }
}

std::string ReadText(ArchiveReader& archive) {
  return archive.ReadString();
}

QuickRepItem ReadPair(ArchiveReader& archive) {
  QuickRepItem pair;
  pair.shortcut = archive.ReadString();
  pair.text = archive.ReadString();
  return pair;
}

constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();

template <typename Content, typename Read>
Loaded<Content> Load(const std::string& path, Read read) {
  Loaded<Content> result;
  std::optional<InputFile> file = InputFile::Open(path);
  if (!file) return result;
  result.opened = true;
  ArchiveReader archive(*file);
  try {
    read(archive, result.content);
  } catch (const ArchiveError& e) {
    result.error = e;
  }
  return result;
}

}  // namespace

std::string ItemFileName(const std::string& exePath, const char* extension) {
  const size_t nameStart = exePath.find_last_of("\\/:") + 1;  // 0 when there is no directory
  const size_t dot = exePath.find_last_of('.');
  const size_t baseEnd = dot != std::string::npos && dot >= nameStart ? dot : exePath.size();
  return exePath.substr(0, baseEnd) + extension;
}

Loaded<ItemsFile> LoadItemsFile(const std::string& path) {
  return Load<ItemsFile>(path, [](ArchiveReader& archive, ItemsFile& items) {
    ReadList(archive, "history entry", kNoLimit, items.history, ReadText);
    ReadList(archive, "ClipBook entry", kNoLimit, items.clipBook, ReadText);
    ReadList(archive, "link", kMaxLoadedLinks, items.links, ReadText);
  });
}

Loaded<std::vector<QuickRepItem>> LoadQuickRepFile(const std::string& path) {
  return Load<std::vector<QuickRepItem>>(
      path, [](ArchiveReader& archive, std::vector<QuickRepItem>& pairs) {
        ReadList(archive, "Quick Replace pair", kNoLimit, pairs, ReadPair);
      });
}

void SaveItemsFile(const std::string& path, const ItemsFileView& items) {
  SaveArchive(path, [&items](ArchiveWriter& archive) {
    for (const auto* list : {&items.history, &items.clipBook, &items.links}) {
      archive.WriteCount(list->size());
      for (const std::string_view text : *list) archive.WriteString(text);
    }
  });
}

void SaveQuickRepFile(const std::string& path, const std::vector<QuickRepItem>& pairs) {
  SaveArchive(path, [&pairs](ArchiveWriter& archive) {
    archive.WriteCount(pairs.size());
    for (const QuickRepItem& pair : pairs) {
      archive.WriteString(pair.shortcut);
      archive.WriteString(pair.text);
    }
  });
}

}  // namespace pelmo
