#include "framework/Archive.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

constexpr std::uint8_t kByteEscape = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kWordEscape = 0xFFFF;

}  // namespace

ArchiveError::ArchiveError(std::uint64_t offset, const std::string& problem)
    : std::runtime_error("byte " + std::to_string(offset) + ": " + problem),
      offset_(offset),
      problem_(problem) {}

std::uint64_t ArchiveReader::Remaining() const {
  return offset_ < file_.Size() ? file_.Size() - offset_ : 0;
}

void ArchiveReader::ReadBytes(void* data, size_t size) {
  const size_t done = buffer_.Read(
      data, size, [this](void* block, size_t blockSize) { return file_.Read(block, blockSize); });
  if (done < size) {
    throw ArchiveError(offset_,
                       file_.HasReadError() ? "the file cannot be read" : "file ends early");
  }
  offset_ += size;
}

std::uint8_t ArchiveReader::ReadByte() {
  std::uint8_t value;
  ReadBytes(&value, 1);
  return value;
}

std::uint16_t ArchiveReader::ReadUInt16() {
  std::uint8_t b[2];
  ReadBytes(b, sizeof b);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ArchiveReader::ReadUInt32() {
  std::uint8_t b[4];
  ReadBytes(b, sizeof b);
  return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
         std::uint32_t{b[3]} << 24;
}

std::int32_t ArchiveReader::ReadInt32() {
  return static_cast<std::int32_t>(ReadUInt32());
}

size_t ArchiveReader::ReadCount() {
  const std::uint64_t start = offset_;
  const std::int32_t count = ReadInt32();
  // No writer stores a negative count: it is damage, not an empty list.
  if (count < 0) throw ArchiveError(start, "count " + std::to_string(count) + " is negative");
  return static_cast<size_t>(count);
}

ArchiveReader::LengthPrefix ArchiveReader::ReadLengthPrefix() {
  const std::uint8_t byte = ReadByte();
  if (byte < kByteEscape) return {byte, false};
  const std::uint16_t word = ReadUInt16();
  if (word == kWideMarker) return {0, true};
  if (word < kWordEscape) return {word, false};
  return {ReadUInt32(), false};
}

ArchiveReader::LengthPrefix ArchiveReader::ReadStringPrefix(std::uint64_t start,
                                                            std::uint64_t& bytes) {
  LengthPrefix prefix = ReadLengthPrefix();
  const bool wide = prefix.wideMarker;
  if (wide) {
    prefix = ReadLengthPrefix();
    if (prefix.wideMarker) throw ArchiveError(start, "string marker repeated");
  }
  bytes = std::uint64_t{prefix.length} * (wide ? 2 : 1);
  if (bytes > Remaining()) {
    throw ArchiveError(start, "string length " + std::to_string(prefix.length) +
                                  " runs past the end of the file (" + std::to_string(Remaining()) +
                                  " bytes left)");
  }
  prefix.wideMarker = wide;
  return prefix;
}

void ArchiveReader::SkipString() {
  std::uint64_t bytes = 0;
  ReadStringPrefix(offset_, bytes);
  char block[kArchiveBufferSize];
  while (bytes > 0) {
    const size_t part = static_cast<size_t>(std::min<std::uint64_t>(bytes, sizeof block));
    ReadBytes(block, part);
    bytes -= part;
  }
}

std::string ArchiveReader::ReadString() {
  return ReadText().text;
}

ArchiveText ArchiveReader::ReadText() {
  const std::uint64_t start = offset_;
  std::uint64_t bytes = 0;
  const LengthPrefix prefix = ReadStringPrefix(start, bytes);
  const bool wide = prefix.wideMarker;
  const auto size = static_cast<size_t>(bytes);
  try {
    if (size != bytes) throw std::bad_alloc();
    std::string raw(size, '\0');
    ReadBytes(raw.data(), raw.size());
    if (!wide) return {std::move(raw), {}};
    std::u16string units(prefix.length, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                       static_cast<std::uint8_t>(raw[2 * i + 1]) << 8);
    }
    ArchiveText text{Utf16ToAnsi(units), {}};
    if (AnsiToUtf16(text.text) != units) text.wide = std::move(units);
    return text;
  } catch (const std::bad_alloc&) {
    throw ArchiveError(start,
                       "a string of " + std::to_string(bytes) + " bytes does not fit in memory");
  }
}

void ArchiveWriter::WriteBytes(const void* data, size_t size) {
  const char* in = static_cast<const char*>(data);
  if (used_ + size > kArchiveBufferSize) {
    const size_t fill = kArchiveBufferSize - used_;
    std::memcpy(buffer_ + used_, in, fill);
    used_ += fill;
    in += fill;
    size -= fill;
    Flush();
    if (size >= kArchiveBufferSize) {
      // Large values go straight to the file.
      file_.Write(in, size);
      return;
    }
  }
  std::memcpy(buffer_ + used_, in, size);
  used_ += size;
}

void ArchiveWriter::Flush() {
  file_.Write(buffer_, used_);
  used_ = 0;
}

void ArchiveWriter::WriteInt32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                             static_cast<std::uint8_t>(bits >> 16),
                             static_cast<std::uint8_t>(bits >> 24)};
  WriteBytes(b, sizeof b);
}

void ArchiveWriter::WriteCount(size_t count) {
  if (count > static_cast<size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::length_error("too many elements to store: " + std::to_string(count));
  }
  WriteInt32(static_cast<std::int32_t>(count));
}

void ArchiveWriter::WriteLength(size_t length) {
  if (length < kByteEscape) {
    const std::uint8_t b[1] = {static_cast<std::uint8_t>(length)};
    WriteBytes(b, sizeof b);
  } else if (length < kWideMarker) {
    const std::uint8_t b[3] = {kByteEscape, static_cast<std::uint8_t>(length),
                               static_cast<std::uint8_t>(length >> 8)};
    WriteBytes(b, sizeof b);
  } else if (std::uint64_t{length} <= std::numeric_limits<std::uint32_t>::max()) {
    const std::uint8_t b[3] = {kByteEscape, 0xFF, 0xFF};
    WriteBytes(b, sizeof b);
    WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(length)));
  } else {
    throw std::length_error("string too long to store: " + std::to_string(length) + " characters");
  }
}

void ArchiveWriter::WriteString(std::string_view text) {
  WriteLength(text.size());
  WriteBytes(text.data(), text.size());
}

void ArchiveWriter::WriteWideString(std::u16string_view text) {
  const std::uint8_t marker[3] = {kByteEscape, kWideMarker & 0xFF, kWideMarker >> 8};
  WriteBytes(marker, sizeof marker);
  WriteLength(text.size());
  std::uint8_t block[kArchiveBufferSize];
  for (size_t done = 0; done < text.size();) {
    const size_t part = std::min(text.size() - done, sizeof block / 2);
    for (size_t i = 0; i < part; ++i) {
      block[2 * i] = static_cast<std::uint8_t>(text[done + i]);
      block[2 * i + 1] = static_cast<std::uint8_t>(text[done + i] >> 8);
    }
    WriteBytes(block, 2 * part);
    done += part;
  }
}

}  // namespace pelmo
