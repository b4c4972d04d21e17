#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "TempDir.h"
#include "framework/Archive.h"

namespace pelmo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

void SaveText(const std::string& path, const std::string& text) {
  SaveArchive(path, [&](ArchiveWriter& archive) { archive.WriteString(text); });
}

// A save replaces the target; one that fails half-way keeps the previous file byte for byte.
// Neither leaves its temporary file behind.
TEST(SafeFile, ReplacesTheTargetOnlyWhenComplete) {
  TempDir dir;
  const std::string path = dir.File("items.clp");
  WriteBytes(path, "old content");
  EXPECT_THROW(SaveArchive(path,
                           [](ArchiveWriter& archive) {
                             archive.WriteString(std::string(100000, 'x'));
                             throw std::runtime_error("interrupted");
                           }),
               std::runtime_error);
  EXPECT_EQ(ReadBytes(path), "old content");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  SaveText(path, "new");
  EXPECT_EQ(ReadBytes(path), "\x03new");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(SafeFile, ErrorsNameTheFile) {
  TempDir dir;
  const struct {
    const char* name;
    std::string path;
  } cases[] = {
      {"directory missing", dir.File("absent/items.clp")},
      {"target is a directory", dir.File("folder")},
  };
  std::filesystem::create_directory(dir.File("folder"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      SaveText(c.path, "text");
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.path + ": ", 0), 0u) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(c.path + ".tmp"));
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
}

}  // namespace
}  // namespace pelmo
