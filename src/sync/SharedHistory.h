// The history shared through a sync folder: our captures appended to a journal of our own, the
// other computers' journals read from where we last stopped. Each journal has one writer, so two
// computers never write one file, and a sync service that delivers late, twice, or half a file
// costs nothing: a record is taken by its sequence number, once, and a torn one waits until it is
// whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Profile.h"
#include "model/Workspace.h"
#include "sync/JournalFiles.h"

namespace pelmo {

// Where the profile keeps, per journal, its id and the last sequence number taken in.
constexpr const char* kSyncTakenSection = "Sync Taken";

// Our journal's file name: the computer's and the user's names, with characters that a file
// name or a profile key cannot hold replaced.
std::string OwnJournalName(const std::string& computer, const std::string& user);

// What a take-in brought.
struct SyncNews {
  std::vector<JournalRecord> records;  // new records of every other journal, oldest first
  std::vector<std::string> problems;   // each said once: damaged records, an unopened journal
};

// Makes taken-in records entries, oldest first, by the capture's rules: an empty text or one over
// "IgnoreMore" is left out, and the item maximum holds. The newest entry made, or null.
const HistoryItem* InsertShared(Workspace& workspace, const std::vector<JournalRecord>& records);

class SharedHistory {
 public:
  // Our journal keeps at least `keep` records; it is rewritten when it holds twice as many.
  SharedHistory(JournalFiles& files, JournalKeys& keys, TextProfile& profile, std::string ownName,
                size_t keep);

  // Appends a capture to our journal; false (said once until it works again) when it could not.
  bool Share(const HistoryItem& entry, uint64_t time);
  // What is new in the other journals since the last take-in.
  SyncNews TakeIn();
  // A problem with our own journal, said once, empty when none.
  std::string TakeOwnProblem() { return std::exchange(m_ownProblem, std::string()); }

 private:
  struct Cursor {
    uint64_t id = 0;
    uint32_t generation = 0;
    size_t offset = 0;
    uint64_t taken = 0;  // the last sequence number taken in
    size_t damageTold = 0;
    bool unopenedTold = false;
    bool headerTold = false;
  };
  void OpenOwn();
  bool RewriteOwn();
  // Whether our journal is whole on disk: until a write works again, each write rewrites it
  // whole, and the failure is said once.
  bool Wrote(bool written);
  // A record of ours as appended; nullopt when it could not be sealed.
  std::optional<std::string> EncodeOwn(const JournalRecord& record);
  void TakeFrom(const std::string& name, SyncNews& news);
  Cursor& CursorFor(const std::string& name, const JournalHeader& header);

  JournalFiles& m_files;
  JournalKeys& m_keys;
  TextProfile& m_profile;
  std::string m_ownName;
  size_t m_keep;
  JournalHeader m_header;
  std::deque<JournalRecord> m_own;  // what our journal holds
  uint64_t m_nextSequence = 1;
  bool m_writeFailed = false;
  std::string m_ownProblem;
  std::map<std::string, Cursor> m_cursors;
};

}  // namespace pelmo
