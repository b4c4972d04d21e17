// The items and Quick Replace files: their bytes, what loading makes of damaged ones, and what
// ItemStore lets a save do to a file after what loading found there.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "../framework/TempDir.h"
#include "framework/AnsiCodePage.h"
#include "model/ItemFiles.h"
#include "model/ItemStore.h"
#include "model/Workspace.h"

// While set, every allocation of this many bytes or more fails: a 32-bit address space that is
// nearly used up. Replacing the global operator new is the standard's own seam for this.
static size_t g_failAllocationsFrom = 0;

void* operator new(size_t size) {
  if (g_failAllocationsFrom != 0 && size >= g_failAllocationsFrom) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
// They free what the operator new above took from malloc (GCC cannot see that pairing).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, size_t) noexcept {
  std::free(block);
}
#pragma GCC diagnostic pop

namespace pelmo {
namespace {

namespace fs = std::filesystem;
using test::Int32;
using test::ReadBytes;
using test::TempDir;
using test::Text;
using test::WriteBytes;

// Entries without a wide text.
std::vector<HistoryItem> Entries(const std::vector<std::string>& texts) {
  std::vector<HistoryItem> entries(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) entries[i].text = texts[i];
  return entries;
}

// What a test saves: the lists' entries by value.
using Stored = ItemLists<HistoryItem, HistoryItem, std::string>;

const HistoryItem& Entry(const HistoryItem& entry) {
  return entry;
}
const HistoryItem& Entry(const std::unique_ptr<HistoryItem>& entry) {
  return *entry;
}

template <typename List>
std::vector<std::string> Texts(const List& entries) {
  std::vector<std::string> texts;
  for (const auto& entry : entries) texts.push_back(Entry(entry).text);
  return texts;
}

void Save(const std::string& path, const Stored& items) {
  ItemsFileView view;
  for (const HistoryItem& entry : items.history) view.history.push_back(&entry);
  for (const HistoryItem& entry : items.clipBook) view.clipBook.push_back(&entry);
  view.links.assign(items.links.begin(), items.links.end());
  SaveItemsFile(path, view);
}

template <typename Items>
std::vector<std::vector<std::string>> Lists(const Items& items) {
  return {Texts(items.history), Texts(items.clipBook), items.links};
}

// Every element, in file order.
template <typename Items>
std::vector<std::string> All(const Items& items) {
  std::vector<std::string> all;
  for (const auto& list : Lists(items)) all.insert(all.end(), list.begin(), list.end());
  return all;
}

std::vector<std::string> Numbered(const char* stem, int count) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(stem + std::to_string(i));
  return texts;
}

std::vector<std::pair<std::string, std::string>> Pairs(const std::vector<QuickRepItem>& items) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const QuickRepItem& item : items) pairs.emplace_back(item.shortcut, item.text);
  return pairs;
}

// All comes back as saved, but links beyond the first 200: left out, and that is no damage.
TEST(ItemFiles, RoundTrip) {
  Stored items = {
      Entries({"newest", "two\r\nlines", std::string("nul\0inside", 10), "\x80\xE9\xFF", "",
               std::string(300, 'a'), std::string(70000, 'b')}),
      Entries({"name\ntext"}),
      Numbered("http://x/", 250),
  };
  const std::vector<QuickRepItem> pairs = {{"ab", "xyz"}, {"", std::string(65534, 'q')}};
  TempDir dir;
  Save(dir.File("p.clp"), items);
  SaveQuickRepFile(dir.File("p.qrp"), pairs);

  const Loaded<ItemsFile> loaded = LoadItemsFile(dir.File("p.clp"));
  EXPECT_TRUE(loaded.opened && !loaded.Incomplete());
  items.links.resize(kMaxLoadedLinks);
  EXPECT_EQ(Lists(loaded.content), Lists(items));

  const Loaded<std::vector<QuickRepItem>> loadedPairs = LoadQuickRepFile(dir.File("p.qrp"));
  EXPECT_FALSE(loadedPairs.error);
  EXPECT_EQ(Pairs(loadedPairs.content), Pairs(pairs));
}

HistoryItem Wide(const std::u16string& wide) {
  HistoryItem entry;
  entry.text = Utf16ToAnsi(wide);
  entry.wide = wide;
  return entry;
}

// A history or ClipBook entry that keeps a wide text is stored in the 16-bit form and comes back
// whole, with its ANSI text; the entries around it and the links keep their narrow bytes. A
// 16-bit string that the ANSI code page holds exactly loads as a plain entry.
TEST(ItemFiles, WideEntriesInTheirOwnFormOthersAsBefore) {
  const std::u16string longWide = std::u16string(150, u'Ж') + std::u16string(150, u'z');
  Stored items = {Entries({"plain"}), Entries({"name\ntext"}), {"l"}};
  items.history.push_back(Wide(u"Ωx"));
  items.history.push_back(Wide(u"\U0001F642"));
  items.history.push_back(Wide(longWide));
  items.clipBook.push_back(Wide(u"name\nΩ"));
  TempDir dir;
  Save(dir.File("mixed.clp"), items);
  const auto units = [](const std::u16string& wide) {
    std::string bytes;
    for (const char16_t c : wide) bytes += {static_cast<char>(c), static_cast<char>(c >> 8)};
    return bytes;
  };
  EXPECT_EQ(ReadBytes(dir.File("mixed.clp")),
            Int32(4) + Text("plain") + "\xFF\xFE\xFF\x02" + units(u"Ωx") + "\xFF\xFE\xFF\x02" +
                units(u"\U0001F642") + "\xFF\xFE\xFF\xFF\x2C\x01" + units(longWide) + Int32(2) +
                Text("name\ntext") + "\xFF\xFE\xFF\x06" + units(u"name\nΩ") + Int32(1) + Text("l"));

  const Loaded<ItemsFile> loaded = LoadItemsFile(dir.File("mixed.clp"));
  ASSERT_FALSE(loaded.error);
  ASSERT_EQ(loaded.content.history.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(loaded.content.history[i]->text, items.history[i].text) << i;
    EXPECT_EQ(loaded.content.history[i]->wide, items.history[i].wide) << i;
  }
  EXPECT_EQ(loaded.content.history[1]->text, "?x");
  ASSERT_EQ(loaded.content.clipBook.size(), 2u);
  EXPECT_TRUE(loaded.content.clipBook[0].wide.empty());
  EXPECT_EQ(loaded.content.clipBook[1].text, "name\n?");
  EXPECT_EQ(loaded.content.clipBook[1].wide, u"name\nΩ");

  WriteBytes(dir.File("exact.clp"),
             Int32(1) + "\xFF\xFE\xFF\x02" + units(u"é€") + Int32(0) + Int32(0));
  const Loaded<ItemsFile> exact = LoadItemsFile(dir.File("exact.clp"));
  ASSERT_EQ(exact.content.history.size(), 1u);
  EXPECT_EQ(exact.content.history[0]->text, "\xE9\x80");
  EXPECT_TRUE(exact.content.history[0]->wide.empty());
}

// Cutting a valid file anywhere gives an error and keeps exactly the elements that lie whole
// before the cut.
TEST(ItemFiles, EveryTruncationKeepsThePrefix) {
  const Stored items = {
      Entries({"a", "", std::string(300, 'h')}), Entries({"clip\nbook"}), {"http://one/"}};
  const std::vector<std::string> all = All(items);
  std::vector<size_t> ends;  // where each element ends
  size_t offset = 0;
  for (const auto& list : Lists(items)) {
    offset += 4;
    for (const std::string& text : list)
      ends.push_back(offset += (text.size() < 255 ? 1 : 3) + text.size());
  }
  TempDir dir;
  Save(dir.File("full.clp"), items);
  const std::string bytes = ReadBytes(dir.File("full.clp"));
  ASSERT_EQ(bytes.size(), offset);

  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    WriteBytes(dir.File("cut.clp"), bytes.substr(0, cut));
    const Loaded<ItemsFile> loaded = LoadItemsFile(dir.File("cut.clp"));
    ASSERT_TRUE(loaded.error) << cut;
    EXPECT_LE(loaded.error->Offset(), cut);
    const auto whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
    ASSERT_EQ(All(loaded.content), std::vector<std::string>(all.begin(), all.begin() + whole))
        << "cut at " << cut;
  }

  // The same for Quick Replace pairs: the first is whole from byte 11 on.
  SaveQuickRepFile(dir.File("full.qrp"), {{"ab", "xyz"}, {"cd", "uvw"}});
  const std::string pairs = ReadBytes(dir.File("full.qrp"));
  for (size_t cut = 0; cut < pairs.size(); ++cut) {
    WriteBytes(dir.File("cut.qrp"), pairs.substr(0, cut));
    const Loaded<std::vector<QuickRepItem>> loaded = LoadQuickRepFile(dir.File("cut.qrp"));
    EXPECT_TRUE(loaded.error);
    EXPECT_EQ(loaded.content.size(), cut < 11 ? 0u : 1u) << cut;
  }
}

// Counts and lengths the file cannot hold fail where they stand, without reserving for them; so
// do bytes after the last list, also after links beyond the cap.
TEST(ItemFiles, AbsurdCountsAndLengths) {
  std::string links;
  for (int i = 0; i < 250; ++i) links += Text("l");
  const struct {
    const char* name;
    std::string bytes;
    size_t history;
    std::uint64_t offset;
    const char* problem;
  } cases[] = {
      {"2^31-1 entries", Int32(0x7FFFFFFF) + Text("a") + Text("b"), 2, 8,
       "history entry 3 of 2147483647: file ends early"},
      {"ClipBook count cut", Int32(1) + Text("a") + "\x05", 1, 6,
       "ClipBook entry count: file ends early"},
      {"negative count", Int32(0x80000000) + Int32(1) + Text("c") + Int32(0), 0, 0,
       "history entry count: count -2147483648 is negative"},
      {"bytes after the last list",
       Int32(1) + Text("a") + Int32(0) + Int32(0) + std::string(400, 'x'), 1, 14,
       "400 bytes follow the last list"},
      {"bytes after 250 links", Int32(0) + Int32(0) + Int32(250) + links + "xyz", 0, 512,
       "3 bytes follow the last list"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir.File("bad.clp"), c.bytes);
    const Loaded<ItemsFile> loaded = LoadItemsFile(dir.File("bad.clp"));
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(loaded.content.history.size(), c.history);
    EXPECT_EQ(loaded.error->Offset(), c.offset);
    EXPECT_EQ(loaded.error->Problem().rfind(c.problem, 0), 0u) << loaded.error->Problem();
  }
}

// An items file: three history entries, one ClipBook entry, no links.
const std::string kGoodItems =
    Int32(3) + Text("one") + Text("two") + Text("three") + Int32(1) + Text("name\ntext") + Int32(0);
const std::string kGoodPairs = Int32(1) + Text("ab") + Text("xyz");

FileOutcome SaveOne(ItemStore& store, const std::string& text) {
  HistoryItem entry;
  entry.text = text;
  ItemsFileView view;
  view.history.push_back(&entry);
  return store.SaveItems(view);
}

// A file that exists but cannot be read is reported when loading and again, once, by the first
// save, which leaves it alone; later saves leave it alone without a word. `letGo` runs between.
void ExpectUnreadableKept(const std::string& exe, const std::string& path,
                          const std::function<void()>& letGo) {
  ItemStore store(exe);
  ASSERT_EQ(store.ItemsPath(), path);
  ItemsFile loaded;
  const FileOutcome load = store.LoadItems(loaded);
  letGo();
  EXPECT_FALSE(load.done);
  EXPECT_NE(load.problem.find(path), std::string::npos) << load.problem;
  EXPECT_NE(load.problem.find("cannot be read"), std::string::npos) << load.problem;
  EXPECT_TRUE(loaded.history.empty());

  const FileOutcome first = SaveOne(store, "new");
  EXPECT_FALSE(first.done);
  EXPECT_NE(first.problem.find(path), std::string::npos) << first.problem;
  EXPECT_NE(first.problem.find("not saved"), std::string::npos) << first.problem;
  const FileOutcome second = SaveOne(store, "newer");
  EXPECT_FALSE(second.done);
  EXPECT_EQ(second.problem, "");
}

// A missing file is no problem and the first save creates it; nothing in an intact file counts
// as damage, and it is saved back as it was, its links in their order.
TEST(ItemStore, MissingAndIntactFilesLoadWithoutAWordAndAreSaved) {
  const std::string intact =
      Int32(1) + Text("one") + Int32(0) + Int32(2) + Text("www.first.org") + Text("www.next.org");
  for (const std::string* bytes : {static_cast<const std::string*>(nullptr), &intact}) {
    TempDir dir;
    if (bytes) WriteBytes(dir.File("Pelmo.clp"), *bytes);
    Workspace workspace(dir.File("Pelmo.exe"));
    if (!bytes) workspace.history.InsertTop("new", kPlain);
    const FileOutcome load = workspace.LoadItems();
    EXPECT_EQ(load.done, bytes != nullptr);
    EXPECT_EQ(load.problem, "");
    EXPECT_TRUE(workspace.SaveItems().done);
    EXPECT_FALSE(fs::exists(dir.File("Pelmo.clp.damaged")));
    EXPECT_EQ(ReadBytes(dir.File("Pelmo.clp")),
              bytes ? intact : Int32(1) + Text("new") + Int32(0) + Int32(0));
  }
}

TEST(ItemStore, AFolderOrAFifoOfThatNameIsUnreadable) {
  TempDir dir;
  fs::create_directory(dir.File("Pelmo.clp"));
  ExpectUnreadableKept(dir.File("Pelmo.exe"), dir.File("Pelmo.clp"), [] {});
  EXPECT_TRUE(fs::is_directory(dir.File("Pelmo.clp")));
#ifndef _WIN32
  // Opening a FIFO to read it would wait for a writer for good, and the start with it.
  TempDir fifoDir;
  const std::string fifo = fifoDir.File("Pelmo.clp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto load = std::async(std::launch::async,
                         [&] { ExpectUnreadableKept(fifoDir.File("Pelmo.exe"), fifo, [] {}); });
  if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << "reading the FIFO blocked";
    std::ofstream{fifo};  // a writer that leaves at once lets the reader go
  }
  load.get();
#endif
}

#ifdef _WIN32
// Another program holds the file open without sharing while Pelmo starts, and lets it go before
// Pelmo saves.
TEST(ItemStore, FileLockedAtStartIsNotOverwritten) {
  TempDir dir;
  const std::string path = dir.File("Pelmo.clp");
  WriteBytes(path, kGoodItems);
  HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ExpectUnreadableKept(dir.File("Pelmo.exe"), path, [lock] { ::CloseHandle(lock); });
  EXPECT_EQ(ReadBytes(path), kGoodItems);
}
#endif

// A file that loaded incompletely is reported and kept beside as "<file>.damaged" before the
// first save over it, and only then: a later save in the same run leaves that copy alone.
TEST(ItemStore, AFileLoadedInPartIsKeptBesideBeforeTheFirstSave) {
  const struct {
    const char* name;
    const char* file;
    std::string bytes;
    size_t loaded;
    std::string saved;
    const char* reported;
  } cases[] = {
      // Entry 2 claims 100,000,000 bytes; the unread tail follows.
      {"length past the end", "Pelmo.clp",
       Int32(3) + Text("one") + "\xFF\xFF\xFF" + Int32(100000000) + "two" + std::string(5000, 't'),
       1, Int32(1) + Text("one") + Int32(0) + Int32(0), "string length 100000000"},
      {"bytes after the last list", "Pelmo.clp", kGoodItems + std::string(400, 'x'), 3, kGoodItems,
       "400 bytes follow the last list"},
      {"garbage with a negative count", "Pelmo.qrp", Int32(0xFFFFFFF0) + std::string(496, 'g'), 0,
       Int32(0), "count -16 is negative"},
      // Entries beyond the first 1,000,000 are counted and reported, never kept.
      {"2^31-1 empty entries", "Pelmo.clp", Int32(0x7FFFFFFF) + std::string(1200000, '\0'), 1000000,
       Int32(1000000) + std::string(1000000, '\0') + Int32(0) + Int32(0),
       "200000 more history entries were left out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File(c.file);
    WriteBytes(path, c.bytes);
    Workspace workspace(dir.File("Pelmo.exe"));
    const bool items = path == workspace.Files().ItemsPath();
    const FileOutcome load = items ? workspace.LoadItems() : workspace.LoadQuickRep();
    EXPECT_TRUE(load.done);
    EXPECT_EQ(items ? workspace.history.Texts().size() : workspace.quickRep.size(), c.loaded);
    EXPECT_NE(load.problem.find(c.reported), std::string::npos) << load.problem;
    EXPECT_NE(load.problem.find(path + ".damaged"), std::string::npos) << load.problem;
    EXPECT_FALSE(fs::exists(path + ".damaged"));  // loading alone changes nothing

    const auto save = [&] { return items ? workspace.SaveItems() : workspace.SaveQuickRep(); };
    FileOutcome saved = save();
    EXPECT_TRUE(saved.done) << saved.problem;
    EXPECT_EQ(ReadBytes(path + ".damaged"), c.bytes);
    EXPECT_EQ(ReadBytes(path), c.saved);

    WriteBytes(path + ".damaged", "moved on");
    saved = save();
    EXPECT_TRUE(saved.done) << saved.problem;
    EXPECT_EQ(ReadBytes(path + ".damaged"), "moved on");
  }
}

// Memory running out while the items file loads is reported; set-up goes on, the Quick Replace
// file still loads, and neither save writes over what could not be loaded.
TEST(ItemStore, MemoryRunningOutKeepsBothListsAndTheFiles) {
  TempDir dir;
  WriteBytes(dir.File("Pelmo.clp"), kGoodItems);
  WriteBytes(dir.File("Pelmo.qrp"), kGoodPairs);
  Workspace workspace(dir.File("Pelmo.exe"));
  workspace.history.InsertTop("captured at start", 0);

  g_failAllocationsFrom = 256 * 1024;
  FileOutcome items;
  EXPECT_NO_THROW(items = workspace.LoadItems());
  g_failAllocationsFrom = 0;
  EXPECT_NE(items.problem.find("memory"), std::string::npos) << items.problem;
  EXPECT_EQ(workspace.history.Texts(), std::vector<std::string>{"captured at start"});

  const FileOutcome pairs = workspace.LoadQuickRep();
  EXPECT_TRUE(pairs.done);
  ASSERT_EQ(workspace.quickRep.size(), 1u);
  EXPECT_EQ(workspace.quickRep[0].text, "xyz");

  EXPECT_FALSE(workspace.SaveItems().done);
  EXPECT_TRUE(workspace.SaveQuickRep().done);
  EXPECT_EQ(ReadBytes(dir.File("Pelmo.clp")), kGoodItems);
  EXPECT_EQ(ReadBytes(dir.File("Pelmo.qrp")), kGoodPairs);
}

}  // namespace
}  // namespace pelmo
