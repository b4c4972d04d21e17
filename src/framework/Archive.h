// The archive: little-endian integers and length-prefixed strings over a file, buffered in
// blocks of 4096 bytes.
//
// A string is a length prefix and that many bytes of ANSI text, no terminator:
//   length 0..254          one byte
//   length 255..65533      0xFF, 16-bit length
//   length 65534 and more  0xFF, 0xFFFF, 32-bit length
// 0xFF followed by the 16-bit value 0xFFFE marks a string of 16-bit characters: the length
// prefix follows again, then that many UTF-16LE units. It is written only for texts that the
// ANSI code page cannot hold, so every other string keeps its narrow bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "framework/BufferedFile.h"

namespace pelmo {

constexpr size_t kArchiveBufferSize = 4096;

// A string as read: its ANSI text and, only when it was stored as 16-bit characters that the
// ANSI text could not hold exactly, those characters.
struct ArchiveText {
  std::string text;
  std::u16string wide;
};

// What is wrong with a file being read, and the byte offset where the faulty value starts.
class ArchiveError : public std::runtime_error {
 public:
  ArchiveError(std::uint64_t offset, const std::string& problem);
  std::uint64_t Offset() const { return offset_; }
  const std::string& Problem() const { return problem_; }

 private:
  std::uint64_t offset_;
  std::string problem_;
};

// Reads an archive. Every length is checked against what is left of the file before anything
// is allocated for it, so a damaged file fails at once instead of exhausting memory.
class ArchiveReader {
 public:
  explicit ArchiveReader(InputFile& file) : file_(file) {}
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  std::int32_t ReadInt32();
  // A 32-bit element count; a negative one is an error.
  size_t ReadCount();
  std::string ReadString();
  ArchiveText ReadText();
  // Passes over a string as ReadString reads it, checking it the same way, without keeping it.
  void SkipString();

  std::uint64_t Offset() const { return offset_; }
  std::uint64_t Remaining() const;

 private:
  struct LengthPrefix {
    std::uint32_t length;
    bool wideMarker;
  };

  std::uint8_t ReadByte();
  std::uint16_t ReadUInt16();
  std::uint32_t ReadUInt32();
  LengthPrefix ReadLengthPrefix();
  // The prefix of the string starting at `start` and its size in bytes, checked against the file.
  LengthPrefix ReadStringPrefix(std::uint64_t start, std::uint64_t& bytes);
  void ReadBytes(void* data, size_t size);

  InputFile& file_;
  ReadBuffer buffer_{kArchiveBufferSize};
  std::uint64_t offset_ = 0;
};

// Writes an archive. Call Flush before committing the file.
class ArchiveWriter {
 public:
  explicit ArchiveWriter(SafeFile& file) : file_(file) {}
  ArchiveWriter(const ArchiveWriter&) = delete;
  ArchiveWriter& operator=(const ArchiveWriter&) = delete;

  void WriteInt32(std::int32_t value);
  void WriteCount(size_t count);
  void WriteString(std::string_view text);
  // The 16-bit form: the marker, the length in units, the UTF-16LE units.
  void WriteWideString(std::u16string_view text);
  void Flush();

 private:
  void WriteLength(size_t length);
  void WriteBytes(const void* data, size_t size);

  SafeFile& file_;
  char buffer_[kArchiveBufferSize];
  size_t used_ = 0;
};

// Saves `path` safely: `write(ArchiveWriter&)` puts the content; the previous file stays until
// the new one is complete on the disk. Throws FileError.
template <typename Write>
void SaveArchive(const std::string& path, Write&& write) {
  SafeFile file(path);
  ArchiveWriter archive(file);
  try {
    write(archive);
  } catch (const std::length_error& e) {
    throw FileError(path, e.what());
  }
  archive.Flush();
  file.Commit();
}

}  // namespace pelmo
