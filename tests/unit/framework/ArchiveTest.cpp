// The archive format of the program's files, and the safe file every save goes through.
#include <gtest/gtest.h>

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "../TestSupport.h"
#include "framework/Archive.h"
#include "framework/FileReplace.h"

namespace pelmo {
namespace {

namespace fs = std::filesystem;
using namespace test;

std::string Bytes(std::initializer_list<unsigned char> values) {
  return std::string(values.begin(), values.end());
}

std::string WriteStrings(const std::string& path, const Strings& texts) {
  SaveArchive(path, [&](ArchiveWriter& archive) {
    for (const std::string& text : texts) archive.WriteString(text);
  });
  return ReadBytes(path);
}

// Reads `count` strings, the last of them "error: <what>" when one raised an error.
Strings ReadStrings(const std::string& path, size_t count) {
  std::optional<InputFile> file = InputFile::Open(path);
  if (!file) return {"cannot open"};
  ArchiveReader archive(*file);
  Strings texts;
  try {
    while (texts.size() < count) texts.push_back(archive.ReadString());
    EXPECT_EQ(archive.Remaining(), 0u);
  } catch (const ArchiveError& e) {
    EXPECT_EQ(std::string(e.what()), "byte " + std::to_string(e.Offset()) + ": " + e.Problem());
    texts.push_back("error: " + std::string(e.what()));
  }
  return texts;
}

// Each length's prefix; then values straddling or exceeding the 4096-byte archive buffer or the
// 1 MB write buffer, and those with every prefix, read back from one file.
TEST(Archive, StringPrefixesAndRoundTripAcrossBufferBoundaries) {
  const std::pair<size_t, std::string> cases[] = {
      {0, Bytes({0x00})},
      {254, Bytes({0xFE})},
      {255, Bytes({0xFF, 0xFF, 0x00})},
      {65533, Bytes({0xFF, 0xFD, 0xFF})},
      {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  Strings texts;
  for (const size_t length : {1, 4095, 4096, 4097, 0, 10000, 3, 1048575, 1048576, 7, 2100000, 5}) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>(i * 7 + length);
    texts.push_back(text);
  }
  TempDir dir;
  for (const auto& [length, prefix] : cases) {
    texts.emplace_back(length, 'x');
    EXPECT_EQ(WriteStrings(dir.File("s"), {texts.back()}), prefix + texts.back()) << length;
  }
  WriteStrings(dir.File("r"), texts);
  EXPECT_EQ(ReadStrings(dir.File("r"), texts.size()), texts);
}

// Sixteen-bit characters are read as ANSI. Damaged input fails at once with the offset of the
// fault; nothing is allocated for a length that the file cannot hold.
TEST(Archive, ReadsMarkedAndDamagedStrings) {
  const std::tuple<const char*, std::string, std::string> cases[] = {
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
  for (const auto& [name, bytes, result] : cases) {
    WriteBytes(dir.File("w"), bytes);
    EXPECT_EQ(ReadStrings(dir.File("w"), 1), Strings{result}) << name;
  }
}

// A save failing half-way keeps the target whole and leaves no temp file. A complete file that
// cannot replace its target (a folder) is kept aside; the error says where.
TEST(SafeFile, ReplacesTheTargetOnlyWhenCompleteAndKeepsAsideWhatCannotReplaceIt) {
  TempDir dir;
  const std::string path = dir.File("items.clp");
  WriteBytes(path, "old content");
  const auto interrupted = [](ArchiveWriter& archive) {
    archive.WriteString(std::string(100000, 'x'));
    throw std::runtime_error("interrupted");
  };
  EXPECT_THROW(SaveArchive(path, interrupted), std::runtime_error);
  EXPECT_EQ(dir.Names(), Strings{"items.clp"}) << "the failed save's temp file is gone";
  EXPECT_EQ(ReadBytes(path), "old content");

  fs::create_directories(dir.File("folder.clp/inside"));
  WriteBytes(dir.File("folder.clp.unsaved"), "kept earlier");
  try {
    WriteStrings(dir.File("folder.clp"), {"new"});
    ADD_FAILURE() << "the save replaced a folder";
  } catch (const FileError& e) {
    EXPECT_TRUE(Has(e.what(), dir.File("folder.clp.unsaved2"))) << e.what();
  }
  EXPECT_EQ(ReadBytes(dir.File("folder.clp.unsaved2")) + ReadBytes(dir.File("folder.clp.unsaved")),
            "\x03newkept earlier");
  EXPECT_EQ(dir.Names(),
            (Strings{"folder.clp", "folder.clp.unsaved", "folder.clp.unsaved2", "items.clp"}));
}

#ifdef _WIN32
// A target held open for a moment (another copy replacing it too) delays the save, not refuses it.
TEST(SafeFile, ATargetHeldOpenForAMomentIsReplacedOnceFree) {
  TempDir dir;
  const std::string path = dir.File("items.clp");
  WriteBytes(path, "old content");
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread release([held] {
    ::Sleep(300);
    ::CloseHandle(held);
  });
  EXPECT_NO_THROW(WriteStrings(path, {"new"}));
  release.join();
  EXPECT_EQ(ReadBytes(path), "\x03new");
  EXPECT_EQ(dir.Names(), Strings{"items.clp"});
}
#else
// Two copies save the same file at once: each publishes its own complete file, never a mixture.
// The second (a child process) saves from start to end while the first is half-way through.
TEST(SafeFile, ConcurrentSaversNeverMix) {
  TempDir dir;
  const std::string path = dir.File("items.clp");
  const std::string mine(3 << 20, 'a');  // written straight through, in two parts
  WriteBytes(dir.File("theirs"), std::string(2 << 20, 'b'));
  {
    SafeFile file(path);
    file.Write(mine.data(), mine.size() / 2);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)  // noexcept: a throw ends the child, never unwinding into the parent's test
      [&]() noexcept { ::_exit(CopyFileSafely(dir.File("theirs"), path) ? 0 : 1); }();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(path), ReadBytes(dir.File("theirs")));
    file.Write(mine.data() + mine.size() / 2, mine.size() - mine.size() / 2);
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(path), mine);
  EXPECT_EQ(dir.Names(), (Strings{"items.clp", "theirs"}));
}
#endif

// Temporary files of ended processes go; those of running ones (saves in progress) and others stay.
TEST(SafeFile, TempFilesOfEndedProcessesAreRemoved) {
  TempDir dir;
  const std::string ended = ".2147483600.tmp";  // no process has such an id
#ifdef _WIN32
  DWORD other = 0;  // some other process that runs while the test does
  ::GetWindowThreadProcessId(::GetDesktopWindow(), &other);
#else
  const pid_t other = ::getppid();
#endif
  const std::string running = "." + std::to_string(other) + ".tmp";
  Strings stay = {
      "Pelmo.clp",     "Pelmo.clp" + running, "Pelmo.clp.unsaved",      "Pelmo.clp.1a.tmp",
      "Pelmo.clp.tmp", "Other.clp" + ended,   "Pelmo.clp" + ended + "x"};
  for (const std::string& name : stay) WriteBytes(dir.File(name), "x");
  for (const char* name : {"Pelmo.clp", "Pelmo.qrp", "Pelmo.clp.damaged"})
    WriteBytes(dir.File(name + ended), "x");
  SafeFile inProgress(dir.File("Pelmo.clc"));
  stay.push_back("Pelmo.clc." + std::to_string(CurrentProcessId()) + ".tmp");
  RemoveAbandonedTempFiles(dir.File("Pelmo."));
  std::sort(stay.begin(), stay.end());
  EXPECT_EQ(dir.Names(), stay);
}

#ifdef __linux__
// When fsync fails (as on an I/O error), the temporary file is dropped and the target kept.
TEST(SafeFile, FailedFlushNeverReplacesTheTarget) {
  TempDir dir;
  const std::string path = dir.File("items.clp");
  WriteBytes(path, "old content");
  const std::string text(2 << 20, 'x');  // written straight through: nothing left in the buffer
  SafeFile file(path);
  file.Write(text.data(), text.size());
  int fd = -1;  // the descriptor this process holds on the temporary file
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const fs::path target = fs::read_symlink(entry.path(), error);
    if (!error && target.parent_path() == fs::path(path).parent_path() && target != path)
      fd = std::stoi(entry.path().filename().string());
  }
  ASSERT_GE(fd, 0);
  // fsync fails on /dev/null (EINVAL); writing to it and closing it succeed.
  const int null = ::open("/dev/null", O_WRONLY);
  ASSERT_GE(null, 0);
  ASSERT_EQ(::dup2(null, fd), fd);
  ::close(null);
  EXPECT_THROW(file.Commit(), FileError);
  EXPECT_EQ(ReadBytes(path), "old content");
  EXPECT_EQ(dir.Names(), Strings{"items.clp"});
}
#endif

}  // namespace
}  // namespace pelmo
