// The stores: the items, Quick Replace and calculator files, damaged or not, the browser, and the
// quick window key last told.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <future>
#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "../TestSupport.h"
#include "model/BrowserSetting.h"
#include "model/CalculatorHistoryStore.h"
#include "model/ItemFiles.h"
#include "model/Settings.h"
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
using namespace test;

// What a test saves and compares: the lists' entries by value.
using Stored = ItemLists<HistoryItem, HistoryItem, std::string>;

std::vector<HistoryItem> Entries(const Strings& texts) {
  std::vector<HistoryItem> entries(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) entries[i].text = texts[i];
  return entries;
}

void Save(const std::string& path, const Stored& items) {
  ItemsFileView view;
  for (const HistoryItem& entry : items.history) view.history.push_back(&entry);
  for (const HistoryItem& entry : items.clipBook) view.clipBook.push_back(&entry);
  view.links.assign(items.links.begin(), items.links.end());
  SaveItemsFile(path, view);
}

// The lists of what was saved or loaded, and all their elements in file order.
std::vector<Strings> Lists(const Stored& items) {
  std::vector<Strings> lists = {{}, {}, items.links};
  for (const HistoryItem& entry : items.history) lists[0].push_back(Shown(entry));
  for (const HistoryItem& entry : items.clipBook) lists[1].push_back(Shown(entry));
  return lists;
}
std::vector<Strings> Lists(const ItemsFile& items) {
  Stored copy{{}, items.clipBook, items.links};
  for (const auto& entry : items.history) copy.history.push_back(*entry);
  return Lists(copy);
}
template <typename Items>
Strings All(const Items& items) {
  Strings all;
  for (const Strings& list : Lists(items)) all.insert(all.end(), list.begin(), list.end());
  return all;
}

// Links beyond the first 200 are left out, which is no damage. A 16-bit string that the code page
// holds exactly loads as a plain entry.
TEST(ItemFiles, RoundTripWithWideEntriesInTheirOwnForm) {
  const std::u16string longWide = std::u16string(150, u'Ж') + std::u16string(150, u'z');
  Stored items = {Entries({"newest", "two\r\nlines", std::string("nul\0inside", 10), "\x80\xE9\xFF",
                           "", std::string(300, 'a'), std::string(70000, 'b')}),
                  Entries({"name\ntext"}),
                  {}};
  items.history.push_back({"?x", u"Ωx"});
  items.history.push_back({"?", u"\U0001F642"});
  items.history.push_back({std::string(150, '?') + std::string(150, 'z'), longWide});
  items.history.push_back({"\xE9\x80", u"é€"});
  items.clipBook.push_back({"name\n?", u"name\nΩ"});
  for (int i = 0; i < 250; ++i) items.links.push_back("http://x/" + std::to_string(i));
  TempDir dir;
  Save(dir.File("p.clp"), items);

  const Loaded<ItemsFile> loaded = LoadItemsFile(dir.File("p.clp"));
  EXPECT_TRUE(loaded.opened && !loaded.Incomplete());
  items.links.resize(kMaxLoadedLinks);
  items.history.back().wide.clear();  // é€: the code page holds it
  EXPECT_EQ(Lists(loaded.content), Lists(items));

  const auto units = [](const std::u16string& wide) {
    std::string bytes;
    for (const char16_t c : wide) bytes += {static_cast<char>(c), static_cast<char>(c >> 8)};
    return bytes;
  };
  const Stored mixed = {{items.history[0], items.history[7], items.history[8], items.history[9]},
                        items.clipBook,
                        {"l"}};
  Save(dir.File("mixed.clp"), mixed);
  EXPECT_EQ(ReadBytes(dir.File("mixed.clp")),
            Int32(4) + Text("newest") + "\xFF\xFE\xFF\x02" + units(u"Ωx") + "\xFF\xFE\xFF\x02" +
                units(u"\U0001F642") + "\xFF\xFE\xFF\xFF\x2C\x01" + units(longWide) + Int32(2) +
                Text("name\ntext") + "\xFF\xFE\xFF\x06" + units(u"name\nΩ") + Int32(1) + Text("l"));
}

// A cut anywhere is an error, and exactly the elements lying whole before it are kept.
TEST(ItemFiles, EveryTruncationKeepsThePrefix) {
  const Stored items = {
      Entries({"a", "", std::string(300, 'h')}), Entries({"clip\nbook"}), {"http://one/"}};
  const Strings all = All(items);
  std::vector<size_t> ends;  // where each element ends
  size_t offset = 0;
  for (const Strings& list : Lists(items)) {
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
    ASSERT_EQ(All(loaded.content), Strings(all.begin(), all.begin() + whole)) << "cut at " << cut;
  }
}

// An items file: three history entries, one ClipBook entry, no links.
const std::string kGoodItems = List({"one", "two", "three"}) + List({"name\ntext"}) + List({});
const std::string kGoodPairs = Int32(1) + Text("ab") + Text("xyz");

// A file loaded in part is reported with the fault's place, and copied to "<file>.damaged" before
// the first save only. Impossible counts and lengths fail where they stand, reserving nothing.
TEST(ItemStore, AFileLoadedInPartIsKeptBesideBeforeTheFirstSave) {
  const std::string noMore = Int32(0) + Int32(0);
  // What the file holds, the entries loaded, what the save writes, and the report.
  using Case = std::tuple<const char*, const char*, std::string, size_t, std::string, const char*>;
  const Case cases[] = {
      {"2^31-1 entries", "Pelmo.clp", Int32(0x7FFFFFFF) + Text("a") + Text("b"), 2,
       Int32(2) + Text("a") + Text("b") + noMore,
       "byte 8: history entry 3 of 2147483647: file ends early"},
      {"ClipBook count cut", "Pelmo.clp", Int32(1) + Text("a") + "\x05", 1,
       Int32(1) + Text("a") + noMore, "byte 6: ClipBook entry count: file ends early"},
      {"negative count", "Pelmo.clp", Int32(0x80000000) + Int32(1) + Text("c") + Int32(0), 0,
       Int32(0) + noMore, "byte 0: history entry count: count -2147483648 is negative"},
      // Entry 2 claims 100,000,000 bytes; the unread tail follows.
      {"length past the end", "Pelmo.clp",
       Int32(3) + Text("one") + "\xFF\xFF\xFF" + Int32(100000000) + "two" + std::string(5000, 't'),
       1, Int32(1) + Text("one") + noMore, "byte 8: history entry 2 of 3: string length 100000000"},
      {"bytes after the last list", "Pelmo.clp", kGoodItems + std::string(400, 'x'), 3, kGoodItems,
       "byte 36: 400 bytes follow the last list"},
      {"bytes after 250 links", "Pelmo.clp", noMore + List(Strings(250, "l")) + "xyz", 0,
       noMore + List(Strings(200, "l")), "byte 512: 3 bytes follow the last list"},
      {"garbage with a negative count", "Pelmo.qrp", Int32(0xFFFFFFF0) + std::string(496, 'g'), 0,
       Int32(0), "byte 0: Quick Replace pair count: count -16 is negative"},
      // Entries beyond the first 1,000,000 are counted and reported, never kept.
      {"2^31-1 empty entries", "Pelmo.clp", Int32(0x7FFFFFFF) + std::string(1200000, '\0'), 1000000,
       Int32(1000000) + std::string(1000000, '\0') + noMore,
       "200000 more history entries were left out"},
  };
  for (const auto& [name, file, bytes, loaded, saved, reported] : cases) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.File(file);
    WriteBytes(path, bytes);
    Workspace workspace(dir.File("Pelmo.exe"));
    const bool items = path == workspace.Files().ItemsPath();
    const FileOutcome load = items ? workspace.LoadItems() : workspace.LoadQuickRep();
    EXPECT_TRUE(load.done);
    EXPECT_EQ(items ? workspace.history.Texts().size() : workspace.quickRep.size(), loaded);
    EXPECT_TRUE(Has(load.problem, reported) && Has(load.problem, path + ".damaged"))
        << load.problem;
    EXPECT_FALSE(fs::exists(path + ".damaged"));  // loading alone changes nothing

    const auto save = [&] { return items ? workspace.SaveItems() : workspace.SaveQuickRep(); };
    EXPECT_TRUE(save().done);
    EXPECT_EQ(ReadBytes(path + ".damaged") + "|" + ReadBytes(path), bytes + "|" + saved);
    WriteBytes(path + ".damaged", "moved on");
    EXPECT_TRUE(save().done && ReadBytes(path + ".damaged") == "moved on");
  }
}

// Memory that runs out while the lists take in what was read leaves a load in part too: reported,
// and kept beside before the first save. The history's next block of rows cannot be had; the Quick
// Replace list, full to its last place, cannot grow (the read itself needs less).
TEST(ItemStore, MemoryRunningOutWhileTheListsTakeTheFileIsALoadInPart) {
  const std::string items = List(Strings(300, "entry")) + Int32(0) + Int32(0);
  for (const bool history : {true, false}) {
    TempDir dir;
    const std::string path = dir.File(history ? "Pelmo.clp" : "Pelmo.qrp");
    const std::string bytes = history ? items : kGoodPairs;
    WriteBytes(path, bytes);
    Workspace workspace(dir.File("Pelmo.exe"));
    Loaded<ItemsFile> read = ReadItemsFile(dir.File("Pelmo.clp"));
    workspace.quickRep.resize(1 << 14);
    g_failAllocationsFrom = history ? 512 : 5 << 18;
    const FileOutcome load =
        history ? workspace.TakeItems(std::move(read)) : workspace.LoadQuickRep();
    g_failAllocationsFrom = 0;
    EXPECT_TRUE(Has(load.problem, "not enough memory") && Has(load.problem, path + ".damaged"))
        << load.problem;
    EXPECT_TRUE((history ? workspace.SaveItems() : workspace.SaveQuickRep()).done);
    EXPECT_EQ(ReadBytes(path + ".damaged"), bytes);
  }
}

// Puts a store's file at `path` as `place` says, and returns what lets it go. "held" is a FIFO (a
// read would wait for a writer for good) or, under Windows, a file open without sharing.
std::function<void()> Put(const std::string& place, const std::string& path,
                          const std::string& intact) {
  if (place == "folder") fs::create_directory(path);
#ifdef _WIN32
  if (place != "missing" && place != "folder") WriteBytes(path, intact);
  if (place == "held") {
    HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(lock, INVALID_HANDLE_VALUE);
    return [lock] { ::CloseHandle(lock); };
  }
#else
  if (place == "intact" || place == "memory") WriteBytes(path, intact);
  EXPECT_TRUE(place != "held" || ::mkfifo(path.c_str(), 0600) == 0);
#endif
  return [] {};
}

// Loads on another thread, so that a load that blocks fails the test instead of hanging it.
FileOutcome LoadAtOnce(const std::string& path, const std::function<FileOutcome()>& load) {
  auto loading = std::async(std::launch::async, load);
  if (loading.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
    ADD_FAILURE() << "reading " << path << " blocked";
    std::ofstream{path};  // a writer that leaves at once lets the reader go
  }
  return loading.get();
}

// The bytes of a file; a folder or a FIFO reads as none.
std::string Bytes(const std::string& path) {
  return fs::is_regular_file(path) ? ReadBytes(path) : "none";
}

// Missing and intact files load silently and are saved. One that cannot be read (also for want of
// memory) is reported at load and once by the first save, and never saved over; set-up goes on.
TEST(ItemStore, SavesOverEveryFileButOneThatCouldNotBeRead) {
  const std::string lists = Int32(0) + Int32(2) + Text("www.first.org") + Text("www.next.org");
  for (const std::string place : {"missing", "intact", "folder", "held", "memory"}) {
    SCOPED_TRACE(place);
    const bool unreadable = place != "missing" && place != "intact";
    TempDir dir;
    const std::string path = dir.File("Pelmo.clp");
    const std::function<void()> letGo = Put(place, path, Int32(1) + Text("one") + lists);
    WriteBytes(dir.File("Pelmo.qrp"), kGoodPairs);
    Workspace workspace(dir.File("Pelmo.exe"));
    workspace.history.InsertTop("new", kPlain);
    if (place == "memory") g_failAllocationsFrom = 256 * 1024;
    const FileOutcome load = LoadAtOnce(path, [&] { return workspace.LoadItems(); });
    g_failAllocationsFrom = 0;
    letGo();
    EXPECT_EQ(load.done, place == "intact");
    EXPECT_EQ(workspace.history.Count(), load.done ? 2 : 1);
    EXPECT_EQ(load.problem.empty(), !unreadable) << load.problem;
    EXPECT_EQ(Has(load.problem, path) && Has(load.problem, "cannot be read"), unreadable);
    EXPECT_EQ(Has(load.problem, "memory"), place == "memory");
    EXPECT_TRUE(workspace.LoadQuickRep().done && workspace.quickRep.size() == 1);
    const std::string before = Bytes(path);
    for (const bool first : {true, false}) {
      const FileOutcome save = workspace.SaveItems();
      EXPECT_EQ(save.done, !unreadable);
      EXPECT_EQ(Has(save.problem, path) && Has(save.problem, "not saved"), unreadable && first);
      EXPECT_EQ(save.problem.empty(), !unreadable || !first) << save.problem;
    }
    EXPECT_TRUE(workspace.SaveQuickRep().done);
    EXPECT_EQ(ReadBytes(dir.File("Pelmo.qrp")), kGoodPairs);
    EXPECT_FALSE(fs::exists(path + ".damaged"));
    EXPECT_EQ(Bytes(path), unreadable  ? before
                           : load.done ? Int32(2) + Text("new") + Text("one") + lists
                                       : Int32(1) + Text("new") + Int32(0) + Int32(0));
  }
}

// The same rule for the calculator's history; its load's report already says that the calculator
// will not save over the file, so its saves say nothing.
TEST(CalculatorHistoryStore, SavesOverEveryFileButOneThatCouldNotBeRead) {
  for (const std::string place : {"missing", "intact", "folder", "held"}) {
    SCOPED_TRACE(place);
    const bool unreadable = place != "missing" && place != "intact";
    TempDir dir;
    CalculatorHistoryStore store(dir.File("Pelmo.exe"), 20);
    ASSERT_EQ(store.Path(), dir.File("Pelmo.clc"));
    const std::function<void()> letGo =
        Put(place, store.Path(), Int32(2) + Text("1+1") + Text("pi"));
    Strings entries{"left over"};
    const FileOutcome load = LoadAtOnce(store.Path(), [&] { return store.Load(entries); });
    letGo();
    EXPECT_EQ(entries, (load.done ? Strings{"pi", "1+1"} : Strings()));
    EXPECT_EQ(load.done, place == "intact");
    EXPECT_EQ(Has(load.problem, "The file \"" + store.Path() + "\" cannot be read (") &&
                  Has(load.problem, "). The calculator will not save over it."),
              unreadable)
        << load.problem;
    EXPECT_TRUE(unreadable || load.problem.empty()) << load.problem;
    const std::string before = Bytes(store.Path());
    for (const char* newest : {"2*3", "4*5"}) {
      entries.insert(entries.begin(), newest);
      const FileOutcome save = store.Save(entries);
      EXPECT_EQ(std::pair(save.done, save.problem), std::pair(!unreadable, std::string()));
    }
    EXPECT_EQ(Bytes(store.Path()), unreadable ? before : List({entries.rbegin(), entries.rend()}));
  }
}

TEST(BrowserSetting, IsThePathUnderPathBrowserAndEmptyUntilChosen) {
  MapProfile profile;
  EXPECT_EQ(BrowserSetting(profile).Load(), "");
  BrowserSetting(profile).Save("C:\\browser.exe");
  EXPECT_EQ(profile.values, (decltype(profile.values){{"PATH/BROWSER", "C:\\browser.exe"}}));
  EXPECT_EQ(BrowserSetting(profile).Load(), "C:\\browser.exe");
}

// A quick window key that cannot be held; a telling that did not reach the user does not count.
TEST(TellOncePerKey, TellsEachKeyOnceAndAgainWhenTheTellingFailed) {
  MapProfile profile;
  int told = 0;
  // The key, whether its telling reaches the user, and the tellings so far.
  const std::tuple<const char*, bool, int> starts[] = {
      {"Ctrl+Shift+V", false, 1}, {"Ctrl+Shift+V", true, 2}, {"Ctrl+Shift+V", true, 2},
      {"Ctrl+Alt+H", true, 3},    {"Ctrl+Alt+H", true, 3},   {"Ctrl+Shift+V", true, 4}};
  for (const auto& [key, reaches, tellings] : starts) {
    TellOncePerKey(profile, key, [&, reaches = reaches] {
      ++told;
      return reaches;
    });
    EXPECT_EQ(told, tellings) << key;
  }
  EXPECT_EQ(profile.values,
            (decltype(profile.values){{"Settings /QuickWindowKeyTold", "Ctrl+Shift+V"}}));
}

}  // namespace
}  // namespace pelmo
