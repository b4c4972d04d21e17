#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "framework/Archive.h"

namespace pelmo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int v : values) bytes += static_cast<char>(v);
  return bytes;
}

std::string WriteStrings(const std::string& path, const std::vector<std::string>& texts) {
  SaveArchive(path, [&](ArchiveWriter& archive) {
    for (const std::string& text : texts) archive.WriteString(text);
  });
  return ReadBytes(path);
}

std::vector<std::string> ReadStrings(const std::string& path, size_t count) {
  std::optional<InputFile> file = InputFile::Open(path);
  EXPECT_TRUE(file);
  ArchiveReader archive(*file);
  std::vector<std::string> texts;
  for (size_t i = 0; i < count; ++i) texts.push_back(archive.ReadString());
  EXPECT_EQ(archive.Remaining(), 0u);
  return texts;
}

TEST(Archive, StringPrefixes) {
  const struct {
    size_t length;
    std::string prefix;
  } cases[] = {
      {0, Bytes({0x00})},
      {254, Bytes({0xFE})},
      {255, Bytes({0xFF, 0xFF, 0x00})},
      {65533, Bytes({0xFF, 0xFD, 0xFF})},
      {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'x');
    const std::string bytes = WriteStrings(dir.File("s"), {text});
    EXPECT_EQ(bytes, c.prefix + text);
    EXPECT_EQ(ReadStrings(dir.File("s"), 1), std::vector<std::string>{text});
  }
}

// Values that straddle the archive's 4096-byte buffer or the file's 1 MB write buffer, and
// values larger than either, come back whole.
TEST(Archive, RoundTripAcrossBufferBoundaries) {
  std::vector<std::string> texts;
  for (const size_t length : {1, 4095, 4096, 4097, 0, 10000, 3, 1048575, 1048576, 7, 2100000, 5}) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>(i * 7 + length);
    texts.push_back(text);
  }
  TempDir dir;
  WriteStrings(dir.File("r"), texts);
  EXPECT_EQ(ReadStrings(dir.File("r"), texts.size()), texts);
}

// Reads the one string of a file, or gives the error it raised.
std::string ReadOne(const std::string& path) {
  std::optional<InputFile> file = InputFile::Open(path);
  ArchiveReader archive(*file);
  try {
    std::string text = archive.ReadString();
    EXPECT_EQ(archive.Remaining(), 0u);
    return text;
  } catch (const ArchiveError& e) {
    EXPECT_EQ(std::string(e.what()), "byte " + std::to_string(e.Offset()) + ": " + e.Problem());
    return "error: " + std::string(e.what());
  }
}

// Sixteen-bit characters are read as ANSI. Damaged input fails at once with the offset of the
// fault; nothing is allocated for a length that the file cannot hold.
TEST(Archive, ReadsMarkedAndDamagedStrings) {
  const struct {
    const char* name;
    std::string bytes;
    std::string result;
  } cases[] = {
      {"16-bit characters", Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 0xAC, 0x20, 0x16, 0x04}), "a\x80?"},
      {"16-bit length after the marker",
       Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}) + std::string(600, '\0'),
       std::string(300, '\0')},
      {"surrogate pair", Bytes({0xFF, 0xFE, 0xFF, 2, 0x3D, 0xD8, 0x00, 0xDE}), "?"},
      {"empty 16-bit", Bytes({0xFF, 0xFE, 0xFF, 0}), ""},
      {"empty file", "", "error: byte 0: file ends early"},
      {"16-bit length cut", Bytes({0xFF, 0x10}), "error: byte 1: file ends early"},
      {"32-bit length cut", Bytes({0xFF, 0xFF, 0xFF, 1, 2}), "error: byte 3: file ends early"},
      {"short text", Bytes({5, 'a', 'b'}),
       "error: byte 0: string length 5 runs past the end of the file (2 bytes left)"},
      {"4 GB length", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}),
       "error: byte 0: string length 4294967295 runs past the end of the file (1 bytes left)"},
      {"16-bit characters past the end", Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'}),
       "error: byte 0: string length 2 runs past the end of the file (3 bytes left)"},
      {"marker repeated", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0}),
       "error: byte 0: string marker repeated"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    WriteBytes(dir.File("w"), c.bytes);
    EXPECT_EQ(ReadOne(dir.File("w")), c.result) << c.name;
  }
}

}  // namespace
}  // namespace pelmo
