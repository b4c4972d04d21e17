// The item files on disk: where they are, and what loading found out about them, which decides
// what a later save may do to them.
//
// - A file that is not there is no problem: loading skips it, saving creates it.
// - A file that is there but cannot be read is reported when loading and is not written over for
//   the rest of the run (UnreadableFileGuard). The way out is to close Pelmo, make the file
//   readable or move it away, and start again.
// - A file that loaded only in part (damaged, more entries than kMaxLoadedEntries, memory running
//   out while the lists took the entries) is copied to "<file>.damaged" before the first save
//   over it in the run, so its unread tail survives; the load message says so.
#pragma once

#include <string>
#include <vector>

#include "model/ItemFiles.h"
#include "model/UnreadableFileGuard.h"

namespace pelmo {

// How a load or a save went. `problem` is what to tell the user, empty when there is nothing to
// tell (a file that does not exist yet is no problem).
struct FileOutcome {
  bool done = false;
  std::string problem;
};

constexpr const char* kDamagedSuffix = ".damaged";

// Reads the items file at `path`; running out of memory makes it a file that cannot be read. It
// touches nothing but the file, so it may run on another thread while the program works.
Loaded<ItemsFile> ReadItemsFile(const std::string& path);

class ItemStore {
 public:
  // The files are named after the executable: "<dir><base>.clp" and "<dir><base>.qrp".
  explicit ItemStore(const std::string& exePath);

  const std::string& ItemsPath() const { return m_items.path; }
  const std::string& QuickRepPath() const { return m_quickRep.path; }

  // Loading is reading (ReadItemsFile, on any thread) and then taking in what was read: the
  // outcome, and what a later save may do to the file.
  FileOutcome LoadItems(ItemsFile& into) { return TakeItems(ReadItemsFile(m_items.path), into); }
  FileOutcome TakeItems(Loaded<ItemsFile> read, ItemsFile& into);
  FileOutcome SaveItems(const ItemsFileView& items);
  FileOutcome LoadQuickRep(std::vector<QuickRepItem>& into);
  FileOutcome SaveQuickRep(const std::vector<QuickRepItem>& pairs);

  // The lists took only part of what was loaded (memory ran out): the file now counts as loaded
  // in part. Adds what that means for the next save to the outcome's problem.
  void ItemsLoadedInPart(FileOutcome& outcome) { LoadedInPart(m_items, outcome); }
  void QuickRepLoadedInPart(FileOutcome& outcome) { LoadedInPart(m_quickRep, outcome); }

 private:
  struct Record {
    std::string path;
    UnreadableFileGuard guard;
    bool read = false;        // opened and read, whole or in part, in this run
    bool incomplete = false;  // read in part: the first save keeps it as "<file>.damaged"
    bool copyKept = false;    // "<file>.damaged" was written in this run
  };

  template <typename Content>
  static FileOutcome Take(Record& record, Loaded<Content> loaded, Content& into);
  template <typename SaveFile>
  static FileOutcome Save(Record& record, SaveFile saveFile);
  static void LoadedInPart(Record& record, FileOutcome& outcome);

  Record m_items;
  Record m_quickRep;
};

}  // namespace pelmo
