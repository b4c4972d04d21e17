#include "model/ItemFiles.h"

#include <algorithm>
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

// What becomes of the elements of a list beyond a limit: they are always read over, so that the
// rest of the file is checked too.
enum class Beyond {
  kDropped,   // dropped without a word (the links: the cap is part of the format)
  kReported,  // counted for the report: saving over the file would lose them
};

// Reads a count and then that many elements (at most `limit` kept) into `out`. Room is made for
// no more elements than the rest of the file can hold, one byte each at least, so that a damaged
// count cannot claim memory; a big list then grows without copies. A fault names the element.
template <typename Element, typename ReadElement>
void ReadList(ArchiveReader& archive, const char* element, const char* elements, size_t limit,
              Beyond beyond, std::vector<Element>& out, std::vector<LeftOut>& leftOut,
              ReadElement read, void (*skip)(ArchiveReader&)) {
  const size_t count = ReadCount(archive, element);
  const size_t kept = std::min(count, limit);
  size_t done = 0;
  const auto position = [&] {
    return std::string(element) + " " + std::to_string(done + 1) + " of " + std::to_string(count);
  };
  try {
    out.reserve(out.size() +
                static_cast<size_t>(std::min<std::uint64_t>(kept, archive.Remaining())));
  } catch (const std::bad_alloc&) {
    // Then it grows as it goes, as far as memory allows.
  }
  try {
    for (; done < kept; ++done) out.push_back(read(archive));
    if (count == kept) return;
    LeftOut* left = beyond == Beyond::kReported
                        ? &leftOut.emplace_back(LeftOut{element, elements, 0})
                        : nullptr;
    for (; done < count; ++done) {
      skip(archive);
      if (left) ++left->count;
    }
  } catch (const ArchiveError& e) {
    throw InContext(e, position());
  } catch (const std::bad_alloc&) {
    throw ArchiveError(archive.Offset(), position() + ": more than fits in memory");
  }
}

std::string ReadText(ArchiveReader& archive) {
  return archive.ReadString();
}

HistoryItem ReadEntry(ArchiveReader& archive) {
  ArchiveText read = archive.ReadText();
  HistoryItem entry;
  entry.text = std::move(read.text);
  entry.wide = std::move(read.wide);
  return entry;
}

std::unique_ptr<HistoryItem> ReadHistoryEntry(ArchiveReader& archive) {
  return std::make_unique<HistoryItem>(ReadEntry(archive));
}

QuickRepItem ReadPair(ArchiveReader& archive) {
  QuickRepItem pair;
  pair.shortcut = archive.ReadString();
  pair.text = archive.ReadString();
  return pair;
}

void SkipText(ArchiveReader& archive) {
  archive.SkipString();
}

void SkipPair(ArchiveReader& archive) {
  archive.SkipString();
  archive.SkipString();
}

template <typename Content, typename Read>
Loaded<Content> Load(const std::string& path, Read read) {
  Loaded<Content> result;
  std::optional<InputFile> file = result.Open(path);
  if (!file) return result;
  ArchiveReader archive(*file);
  try {
    read(archive, result);
    // Nothing is ever written after the last list: bytes there are data that a save would drop.
    if (const std::uint64_t rest = archive.Remaining()) {
      throw ArchiveError(archive.Offset(), std::to_string(rest) + " bytes follow the last list");
    }
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
  return Load<ItemsFile>(path, [](ArchiveReader& archive, Loaded<ItemsFile>& loaded) {
    ItemsFile& items = loaded.content;
    ReadList(archive, "history entry", "history entries", kMaxLoadedEntries, Beyond::kReported,
             items.history, loaded.leftOut, ReadHistoryEntry, SkipText);
    ReadList(archive, "ClipBook entry", "ClipBook entries", kMaxLoadedEntries, Beyond::kReported,
             items.clipBook, loaded.leftOut, ReadEntry, SkipText);
    ReadList(archive, "link", "links", kMaxLoadedLinks, Beyond::kDropped, items.links,
             loaded.leftOut, ReadText, SkipText);
  });
}

Loaded<std::vector<QuickRepItem>> LoadQuickRepFile(const std::string& path) {
  return Load<std::vector<QuickRepItem>>(
      path, [](ArchiveReader& archive, Loaded<std::vector<QuickRepItem>>& loaded) {
        ReadList(archive, "Quick Replace pair", "Quick Replace pairs", kMaxLoadedEntries,
                 Beyond::kReported, loaded.content, loaded.leftOut, ReadPair, SkipPair);
      });
}

void SaveItemsFile(const std::string& path, const ItemsFileView& items) {
  SaveArchive(path, [&items](ArchiveWriter& archive) {
    for (const auto* list : {&items.history, &items.clipBook}) {
      archive.WriteCount(list->size());
      for (const HistoryItem* entry : *list) {
        if (entry->wide.empty())
          archive.WriteString(entry->text);
        else
          archive.WriteWideString(entry->wide);
      }
    }
    archive.WriteCount(items.links.size());
    for (const std::string_view text : items.links) archive.WriteString(text);
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
