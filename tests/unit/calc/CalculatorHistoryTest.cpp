// The calculator's history file: its exact bytes, the limit, and damaged files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../framework/TempDir.h"
#include "model/CalculatorHistory.h"

namespace pelmo {
namespace {

using test::Int32;
using test::ReadBytes;
using test::TempDir;
using test::Text;
using test::WriteBytes;

// "e<first>" ... "e<first + count - 1>", the last one first: a list with the newest on top.
std::vector<std::string> NewestFirst(int first, int count) {
  std::vector<std::string> entries;
  for (int i = first + count - 1; i >= first; --i) entries.push_back("e" + std::to_string(i));
  return entries;
}

// The file of those entries: the count, then the oldest first.
std::string FileOf(int first, int count) {
  std::string bytes = Int32(count);
  for (int i = first; i < first + count; ++i) bytes += Text("e" + std::to_string(i));
  return bytes;
}

TEST(CalculatorHistory, WritesTheNewestEntriesUpToTheLimitOldestFirst) {
  TempDir dir;
  const std::string path = dir.File("Pelmo.clc");
  SaveCalculatorHistory(path, NewestFirst(0, 30), 20);
  EXPECT_EQ(ReadBytes(path), FileOf(10, 20));
  SaveCalculatorHistory(path, NewestFirst(0, 30), 2);
  EXPECT_EQ(ReadBytes(path), FileOf(26, 4)) << "a limit below 4 counts as 4";
  SaveCalculatorHistory(path, {}, 20);
  EXPECT_EQ(ReadBytes(path), Int32(0));
}

TEST(CalculatorHistory, ADamagedFileKeepsWhatWasReadAndNamesTheOffset) {
  TempDir dir;
  const std::string path = dir.File("Pelmo.clc");
  // Three entries announced, the third claims 200 bytes that are not there.
  WriteBytes(path, Int32(3) + Text("a") + Text("bc") + "\xC8xyz");
  auto loaded = LoadCalculatorHistory(path, 20);
  ASSERT_TRUE(loaded.error);
  EXPECT_EQ(loaded.error->Offset(), 9u);
  EXPECT_NE(loaded.error->Problem().find("entry 3 of 3"), std::string::npos)
      << loaded.error->Problem();
  EXPECT_EQ(loaded.content, (std::vector<std::string>{"bc", "a"}));

  // A count of four billion allocates nothing for it: the file ends at the first entry.
  WriteBytes(path, Int32(0xFFFFFFF0u));
  loaded = LoadCalculatorHistory(path, 0xFFFFFFFFu);
  ASSERT_TRUE(loaded.error);
  EXPECT_EQ(loaded.error->Offset(), 4u);
  EXPECT_TRUE(loaded.content.empty());

  WriteBytes(path, "\x01\x00");
  loaded = LoadCalculatorHistory(path, 20);
  ASSERT_TRUE(loaded.error);
  EXPECT_EQ(loaded.error->Offset(), 0u);
}

}  // namespace
}  // namespace pelmo
