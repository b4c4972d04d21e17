#include "sync/JournalFormat.h"

#include <array>
#include <cstring>

namespace pelmo {

namespace {

constexpr char kMagic[] = "PLMSYNC1";
constexpr size_t kRecordHead = 16;  // magic, length, sequence
constexpr size_t kRecordTail = 4;   // checksum

void Put32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}
void Put64(std::string& out, uint64_t value) {
  Put32(out, static_cast<uint32_t>(value));
  Put32(out, static_cast<uint32_t>(value >> 32));
}

// Reads little-endian numbers and byte runs, refusing to run past the end.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
  bool Get32(uint32_t& value) {
    if (m_bytes.size() - m_at < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(m_bytes[m_at + i]);
    m_at += 4;
    return true;
  }
  bool Get64(uint64_t& value) {
    uint32_t low = 0, high = 0;
    if (!Get32(low) || !Get32(high)) return false;
    value = uint64_t{high} << 32 | low;
    return true;
  }
  bool Take(size_t count, std::string_view& run) {
    if (m_bytes.size() - m_at < count) return false;
    run = m_bytes.substr(m_at, count);
    m_at += count;
    return true;
  }
  bool AtEnd() const { return m_at == m_bytes.size(); }

 private:
  std::string_view m_bytes;
  size_t m_at = 0;
};

uint32_t Peek32(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  Reader(bytes.substr(at, 4)).Get32(value);
  return value;
}

std::string Associated(const JournalHeader& header, uint64_t sequence) {
  std::string associated;
  Put64(associated, header.id);
  Put64(associated, sequence);
  return associated;
}

std::string EncodeBody(const JournalRecord& record) {
  std::string body;
  Put64(body, record.time);
  Put32(body, static_cast<uint32_t>(record.kind));
  Put32(body, static_cast<uint32_t>(record.text.size()));
  body += record.text;
  Put32(body, static_cast<uint32_t>(record.wide.size()));
  for (const char16_t unit : record.wide) {
    body.push_back(static_cast<char>(unit & 0xFF));
    body.push_back(static_cast<char>(unit >> 8));
  }
  return body;
}

bool DecodeBody(std::string_view body, JournalRecord& record) {
  Reader in(body);
  uint32_t kind = 0, textLength = 0, wideLength = 0;
  std::string_view text, wide;
  if (!in.Get64(record.time) || !in.Get32(kind) || !in.Get32(textLength) ||
      !in.Take(textLength, text) || !in.Get32(wideLength) || wideLength > body.size() / 2 ||
      !in.Take(size_t{wideLength} * 2, wide) || !in.AtEnd())
    return false;
  record.kind = static_cast<int>(kind);
  record.text.assign(text);
  record.wide.resize(wideLength);
  for (size_t i = 0; i < wideLength; ++i)
    record.wide[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                           static_cast<unsigned char>(wide[2 * i + 1]) << 8);
  return true;
}

// Where the next record magic starts at or after `from`, or npos.
size_t FindMagic(std::string_view bytes, size_t from) {
  std::string magic;
  Put32(magic, kRecordMagic);
  return bytes.find(magic, from);
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> made{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      made[n] = c;
    }
    return made;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes)
    crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ crc >> 8;
  return crc ^ 0xFFFFFFFFu;
}

std::string EncodeHeader(const JournalHeader& header) {
  std::string out(kMagic, 8);
  Put64(out, header.id);
  Put32(out, header.generation);
  Put32(out, header.encrypted ? 1 : 0);
  Put32(out, header.iterations);
  std::string salt = header.salt;
  salt.resize(kSaltBytes, '\0');
  out += salt;
  Put32(out, Crc32(out));
  return out;
}

std::optional<JournalHeader> DecodeHeader(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes || bytes.substr(0, 8) != std::string_view(kMagic, 8) ||
      Peek32(bytes, kHeaderBytes - 4) != Crc32(bytes.substr(0, kHeaderBytes - 4)))
    return std::nullopt;
  Reader in(bytes.substr(8));
  JournalHeader header;
  uint32_t flags = 0;
  std::string_view salt;
  in.Get64(header.id);
  in.Get32(header.generation);
  in.Get32(flags);
  in.Get32(header.iterations);
  in.Take(kSaltBytes, salt);
  header.encrypted = (flags & 1) != 0;
  if (flags > 1 ||
      (header.encrypted && (header.iterations == 0 || header.iterations > kMaxIterations)))
    return std::nullopt;
  if (header.encrypted) header.salt.assign(salt);
  return header;
}

bool StartsWithRecord(std::string_view bytes) {
  return Peek32(bytes, 0) == kRecordMagic;
}

std::string EncodeRecord(const JournalHeader& header, const JournalRecord& record,
                         RecordSealer* sealer) {
  std::string body = EncodeBody(record);
  if (header.encrypted) {
    body = sealer->Seal(body, Associated(header, record.sequence));
    if (body.empty()) return body;
  }
  std::string out;
  Put32(out, kRecordMagic);
  Put32(out, static_cast<uint32_t>(body.size()));
  Put64(out, record.sequence);
  out += body;
  Put32(out, Crc32(std::string_view(out).substr(4)));
  return out;
}

RecordScan ScanRecords(std::string_view bytes, size_t offset, const JournalHeader& header,
                       RecordSealer* sealer) {
  RecordScan scan;
  size_t at = 0;
  // A stretch that is not a whole record: skipped up to the next magic after its start. With
  // none, it may still be the start of a record on its way, and the read waits there.
  const auto skipDamage = [&](size_t from) {
    if (scan.damaged++ == 0) scan.firstDamage = offset + at;
    const size_t next = FindMagic(bytes, from);
    if (next == std::string_view::npos) return false;
    at = next;
    return true;
  };
  while (bytes.size() - at >= kRecordHead) {
    if (Peek32(bytes, at) != kRecordMagic) {
      if (skipDamage(at + 1)) continue;
      break;
    }
    const uint32_t length = Peek32(bytes, at + 4);
    if (length > kMaxBodyBytes) {
      if (skipDamage(at + 4)) continue;
      break;
    }
    const size_t whole = kRecordHead + length + kRecordTail;
    if (bytes.size() - at < whole) break;  // torn: the rest of it is still on its way
    const std::string_view record = bytes.substr(at, whole);
    if (Peek32(record, whole - 4) != Crc32(record.substr(4, whole - 8))) {
      if (skipDamage(at + 4)) continue;
      break;
    }
    JournalRecord taken;
    Reader(record.substr(8, 8)).Get64(taken.sequence);
    std::string_view body = record.substr(kRecordHead, length);
    std::optional<std::string> opened;
    if (header.encrypted) {
      if (sealer) opened = sealer->Open(std::string(body), Associated(header, taken.sequence));
      if (!opened) {
        ++scan.unopened;
        at += whole;
        continue;
      }
      body = *opened;
    }
    if (DecodeBody(body, taken))
      scan.records.push_back(std::move(taken));
    else if (scan.damaged++ == 0)
      scan.firstDamage = offset + at;
    at += whole;
  }
  scan.end = offset + at;
  return scan;
}

}  // namespace pelmo
