// A journal: the file in the sync folder where one Pelmo appends its captures, one whole record at
// a time, for the Pelmos of the user's other computers to read. Another computer's sync service
// delivers it late, out of order, through temporary files and sometimes cut short, so every record
// carries its own length and checksum: a reader always tells a whole record from a torn one (the
// end of a file still on its way) and from a damaged one (skipped, the records after it still
// count).
//
// Bytes, little-endian. The header (kHeaderBytes): "PLMSYNC1", the journal id (u64), the
// generation (u32), flags (u32, 1 = encrypted), PBKDF2 iterations (u32), the salt (16 bytes), a
// CRC-32 of all that (u32). A record: kRecordMagic (u32), the body's length (u32), the sequence
// number (u64), the body, a CRC-32 of length, sequence and body (u32). The body: the time (u64,
// milliseconds since 1970 UTC), the kind (u32), the text's length (u32) and bytes, the wide
// text's length in UTF-16 units (u32) and units. Encrypted, the body is sealed under the key with
// the journal id and the sequence number as associated data, so a record cannot be moved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

struct JournalHeader {
  uint64_t id = 0;          // one journal across its rewrites; a new id is a new journal
  uint32_t generation = 0;  // moves with every rewrite
  bool encrypted = false;
  uint32_t iterations = 0;  // of PBKDF2, when encrypted
  std::string salt;         // kSaltBytes, when encrypted
};

struct JournalRecord {
  uint64_t sequence = 0;  // rises by one with each record of a journal, never reused
  uint64_t time = 0;      // milliseconds since 1970 UTC
  int kind = 0;
  std::string text;
  std::u16string wide;
};

// Encrypts and opens record bodies under one journal's key.
class RecordSealer {
 public:
  virtual ~RecordSealer() = default;
  virtual std::string Seal(const std::string& plain, const std::string& associated) = 0;
  virtual std::optional<std::string> Open(const std::string& sealed,
                                          const std::string& associated) = 0;
};

constexpr size_t kHeaderBytes = 48;
constexpr size_t kSaltBytes = 16;
constexpr uint32_t kRecordMagic = 0x4A534C50;  // "PLSJ"
// A body longer than this is a damaged length, not a text: no capture is that long.
constexpr uint32_t kMaxBodyBytes = 256u << 20;
// More iterations than this is a damaged header, not a key anyone waits for.
constexpr uint32_t kMaxIterations = 10000000;

uint32_t Crc32(std::string_view bytes);

std::string EncodeHeader(const JournalHeader& header);
// The header, or nullopt when `bytes` (at least kHeaderBytes) do not hold a whole, valid one.
std::optional<JournalHeader> DecodeHeader(std::string_view bytes);

// One record as it is appended; sealed when the header says encrypted (then `sealer` is needed),
// empty when the sealer refused.
// Whether `bytes` (at least 4) start where a record does.
bool StartsWithRecord(std::string_view bytes);

std::string EncodeRecord(const JournalHeader& header, const JournalRecord& record,
                         RecordSealer* sealer);

// What reading records from a part of a journal found.
struct RecordScan {
  std::vector<JournalRecord> records;  // whole records, opened, in the journal's order
  size_t end = 0;          // where the next read starts: before a torn record, or the end
  int damaged = 0;         // stretches skipped: a bad checksum, a length past reason, no magic
  size_t firstDamage = 0;  // where the first of them starts, when `damaged`
  int unopened = 0;        // whole records the key does not open (another passphrase)
};

// Reads the records of `bytes`, which start at journal offset `offset` at a record boundary.
// Encrypted records are opened with `sealer`; without one they count as unopened.
RecordScan ScanRecords(std::string_view bytes, size_t offset, const JournalHeader& header,
                       RecordSealer* sealer);

}  // namespace pelmo
