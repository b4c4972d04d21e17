// journal FILE: the whole records of a sync journal, oldest first.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "cli/Commands.h"
#include "sync/JournalFormat.h"

namespace pelmo::cli {

int RunJournal(const Arguments& args) {
  if (args.size() != 1) return 2;
  std::ifstream in(args[0], std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::optional<JournalHeader> header = DecodeHeader(bytes);
  if (!header) {
    std::fprintf(stderr, "pelmo-cli: %s: not a journal\n", args[0].c_str());
    return 1;
  }
  const RecordScan scan =
      ScanRecords(std::string_view(bytes).substr(kHeaderBytes), kHeaderBytes, *header, nullptr);
  for (const JournalRecord& record : scan.records)
    std::printf("%llu  %s\n", static_cast<unsigned long long>(record.sequence),
                record.text.c_str());
  if (scan.unopened) std::printf("%d sealed\n", scan.unopened);
  if (scan.damaged || scan.end != bytes.size()) {
    std::fprintf(stderr, "pelmo-cli: %s: %d damaged, %zu bytes after the last whole record\n",
                 args[0].c_str(), scan.damaged, bytes.size() - scan.end);
    return 1;
  }
  return 0;
}

}  // namespace pelmo::cli
