// What ItemStore lets a save do to a file, after what loading found there.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <functional>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "../framework/TempDir.h"
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
