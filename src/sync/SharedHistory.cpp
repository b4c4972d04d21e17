#include "sync/SharedHistory.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <limits>

namespace pelmo {

namespace {

constexpr size_t kWhole = std::numeric_limits<size_t>::max();

bool NameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

// A journal name that can also be a profile key: our own characters and the suffix.
bool IsJournalName(const std::string& name) {
  const std::string suffix = kJournalSuffix;
  return name.size() > suffix.size() &&
         name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
         std::all_of(name.begin(), name.end() - static_cast<long>(suffix.size()), NameCharacter);
}

std::string Computer(const std::string& journal) {
  return journal.substr(0, journal.size() - std::string(kJournalSuffix).size());
}

std::string TakenText(uint64_t id, uint64_t taken) {
  char text[48];
  std::snprintf(text, sizeof text, "%016" PRIx64 " %" PRIu64, id, taken);
  return text;
}

}  // namespace

std::string OwnJournalName(const std::string& computer, const std::string& user) {
  std::string name = computer + "-" + user;
  for (char& c : name)
    if (!NameCharacter(c)) c = '_';
  return name + kJournalSuffix;
}

const HistoryItem* InsertShared(Workspace& workspace, const std::vector<JournalRecord>& records) {
  const Settings& options = workspace.options;
  History& history = workspace.history;
  bool inserted = false;
  for (const JournalRecord& record : records) {
    if (!TakesText(options, record.text, static_cast<long long>(record.text.size()))) continue;
    const bool known = record.kind == kConcatenated || record.kind == kDroppedFiles;
    history.InsertTop(record.text, known ? record.kind : kPlain, record.wide);
    history.EvictOverflow(options.deleteAfter);
    inserted = true;
  }
  return inserted && history.Count() > 0 ? &history.At(0) : nullptr;
}

SharedHistory::SharedHistory(JournalFiles& files, JournalKeys& keys, TextProfile& profile,
                             std::string ownName, size_t keep)
    : m_files(files),
      m_keys(keys),
      m_profile(profile),
      m_ownName(std::move(ownName)),
      m_keep(std::max<size_t>(keep, 1)) {
  OpenOwn();
}

// Goes on with the journal we left, when it is ours under this passphrase; a journal under
// another passphrase (or none) cannot be carried over and is started again under a new id, which
// tells the readers it is another journal.
void SharedHistory::OpenOwn() {
  const std::optional<JournalBytes> found = m_files.Read(m_ownName, 0, kWhole);
  const std::optional<JournalHeader> header =
      found ? DecodeHeader(found->bytes) : std::optional<JournalHeader>();
  if (header && header->encrypted == m_keys.HasPassphrase()) {
    RecordSealer* sealer = header->encrypted ? m_keys.SealerFor(*header) : nullptr;
    const RecordScan scan = ScanRecords(std::string_view(found->bytes).substr(kHeaderBytes),
                                        kHeaderBytes, *header, sealer);
    if (scan.unopened == 0) {
      m_header = *header;
      for (const JournalRecord& record : scan.records) {
        m_nextSequence = std::max(m_nextSequence, record.sequence + 1);
        m_own.push_back(record);
      }
      while (m_own.size() > 2 * m_keep) m_own.pop_front();
      // A torn or damaged end is a write cut short: the journal is written again whole.
      if (scan.damaged == 0 && scan.end == found->bytes.size()) return;
      Wrote(RewriteOwn());
      return;
    }
  }
  m_header = m_keys.NewHeader();
  m_own.clear();
  Wrote(RewriteOwn());
}

std::optional<std::string> SharedHistory::EncodeOwn(const JournalRecord& record) {
  RecordSealer* sealer = m_header.encrypted ? m_keys.SealerFor(m_header) : nullptr;
  if (m_header.encrypted && !sealer) return std::nullopt;  // the system refused the key
  std::string bytes = EncodeRecord(m_header, record, sealer);
  if (bytes.empty()) return std::nullopt;  // nor sealed it
  return bytes;
}

bool SharedHistory::RewriteOwn() {
  ++m_header.generation;
  std::string bytes = EncodeHeader(m_header);
  for (const JournalRecord& record : m_own) {
    const std::optional<std::string> encoded = EncodeOwn(record);
    if (!encoded) return false;
    bytes += *encoded;
  }
  return m_files.Replace(m_ownName, bytes);
}

bool SharedHistory::Share(const HistoryItem& entry, uint64_t time) {
  m_own.push_back({m_nextSequence++, time, entry.kind, entry.text, entry.wide});
  bool written;
  if (m_own.size() > 2 * m_keep || m_writeFailed) {
    while (m_own.size() > m_keep) m_own.pop_front();
    written = RewriteOwn();  // also brings in a record whose append failed
  } else {
    const std::optional<std::string> encoded = EncodeOwn(m_own.back());
    written = encoded && m_files.Append(m_ownName, *encoded);
  }
  return Wrote(written);
}

bool SharedHistory::Wrote(bool written) {
  if (!written && !m_writeFailed)
    m_ownProblem =
        "Pelmo could not write to its journal in the sync folder. It tries again with "
        "the next copy.";
  m_writeFailed = !written;
  return written;
}

SyncNews SharedHistory::TakeIn() {
  SyncNews news;
  for (const std::string& name : m_files.Journals())
    if (name != m_ownName && IsJournalName(name)) TakeFrom(name, news);
  std::stable_sort(news.records.begin(), news.records.end(),
                   [](const JournalRecord& a, const JournalRecord& b) { return a.time < b.time; });
  return news;
}

SharedHistory::Cursor& SharedHistory::CursorFor(const std::string& name,
                                                const JournalHeader& header) {
  auto found = m_cursors.find(name);
  if (found == m_cursors.end() || found->second.id != header.id) {
    Cursor cursor;
    cursor.id = header.id;
    const std::string stored = m_profile.GetString(kSyncTakenSection, name.c_str(), "");
    uint64_t id = 0, taken = 0;
    if (std::sscanf(stored.c_str(), "%" SCNx64 " %" SCNu64, &id, &taken) == 2 && id == header.id)
      cursor.taken = taken;
    found = m_cursors.insert_or_assign(name, cursor).first;
  }
  Cursor& cursor = found->second;
  if (cursor.offset == 0 || cursor.generation != header.generation) {
    cursor.generation = header.generation;
    cursor.offset = kHeaderBytes;  // a rewritten journal is read again; taken records stay taken
  }
  return cursor;
}

void SharedHistory::TakeFrom(const std::string& name, SyncNews& news) {
  const std::optional<JournalBytes> head = m_files.Read(name, 0, kHeaderBytes);
  if (!head || head->size < kHeaderBytes) return;  // on its way, or held for a moment
  const std::optional<JournalHeader> header = DecodeHeader(head->bytes);
  if (!header) {
    Cursor& cursor = m_cursors[name];
    if (!std::exchange(cursor.headerTold, true))
      news.problems.push_back("The file \"" + name + "\" in the sync folder is not a journal " +
                              "Pelmo can read. Nothing of it is taken in.");
    return;
  }
  Cursor& cursor = CursorFor(name, *header);
  std::optional<JournalBytes> tail = m_files.Read(name, cursor.offset, kWhole);
  if (!tail) return;
  // A file shorter than where we stopped, or without a record there, was replaced by another
  // version of itself (a service restoring an older copy): read it again from the start.
  if (tail->size < cursor.offset || (tail->bytes.size() >= 4 && !StartsWithRecord(tail->bytes))) {
    cursor.offset = kHeaderBytes;
    tail = m_files.Read(name, cursor.offset, kWhole);
    if (!tail) return;
  }
  RecordSealer* sealer = header->encrypted ? m_keys.SealerFor(*header) : nullptr;
  const RecordScan scan = ScanRecords(tail->bytes, cursor.offset, *header, sealer);
  const uint64_t takenBefore = cursor.taken;
  for (const JournalRecord& record : scan.records) {
    if (record.sequence <= cursor.taken) continue;
    cursor.taken = record.sequence;
    news.records.push_back(record);
  }
  cursor.offset = scan.end;
  if (cursor.taken != takenBefore)
    m_profile.WriteString(kSyncTakenSection, name.c_str(), TakenText(cursor.id, cursor.taken));
  if (scan.damaged && scan.firstDamage != cursor.damageTold) {
    cursor.damageTold = scan.firstDamage;
    news.problems.push_back("The journal of " + Computer(name) +
                            " in the sync folder has a damaged record. It was skipped; the "
                            "records after it are taken in.");
  }
  if (scan.unopened && !std::exchange(cursor.unopenedTold, true))
    news.problems.push_back("The journal of " + Computer(name) +
                            " cannot be opened with this computer's passphrase. Nothing of it is "
                            "taken in until the passphrases are the same.");
}

}  // namespace pelmo
