// What the shared history needs of the world, so that its rules run without it: the sync
// folder's files (the journals in it, read from an offset, our own appended to and rewritten) and
// the journals' keys. The program's are the folder on disk and the passphrase's keys; tests play
// the sync service.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sync/JournalFormat.h"

namespace pelmo {

// A journal's file name ends so; the temporary files sync services write along the way do not.
constexpr const char* kJournalSuffix = ".pelmosync";

struct JournalBytes {
  std::string bytes;  // from the offset asked for, at most the count asked for
  size_t size = 0;    // the whole file's
};

class JournalFiles {
 public:
  virtual ~JournalFiles() = default;
  // The names of the files in the folder.
  virtual std::vector<std::string> Journals() = 0;
  // Up to `count` bytes of journal `name` from `offset`; nullopt when it cannot be read now.
  virtual std::optional<JournalBytes> Read(const std::string& name, size_t offset,
                                           size_t count) = 0;
  // Appends `bytes` with one write and flushes them to the disk; false when that failed.
  virtual bool Append(const std::string& name, const std::string& bytes) = 0;
  // Puts `bytes` in place of journal `name` as a safe save does; false when that failed.
  virtual bool Replace(const std::string& name, const std::string& bytes) = 0;
};

// The keys of the journals: ours to write under, and the other computers' to read.
class JournalKeys {
 public:
  virtual ~JournalKeys() = default;
  virtual bool HasPassphrase() const = 0;
  // A new journal's header: a random id, and with a passphrase a random salt and the iterations.
  virtual JournalHeader NewHeader() = 0;
  // What opens the records of a journal with this header; null without a passphrase.
  virtual RecordSealer* SealerFor(const JournalHeader& header) = 0;
};

}  // namespace pelmo
