// The journals as files in the sync folder. Our appends are one write each, flushed to the disk;
// our rewrites are safe saves, so the sync service only ever sees a whole journal or one that
// grows by whole records (or stops in the middle of one, which a reader waits out).
#pragma once

#include <string>

#include "sync/JournalFiles.h"

namespace pelmo {

class FolderJournalFiles : public JournalFiles {
 public:
  explicit FolderJournalFiles(const std::string& folder);

  std::vector<std::string> Journals() override;
  std::optional<JournalBytes> Read(const std::string& name, size_t offset, size_t count) override;
  bool Append(const std::string& name, const std::string& bytes) override;
  bool Replace(const std::string& name, const std::string& bytes) override;

 private:
  std::string m_folder;  // ending in a separator
};

}  // namespace pelmo
