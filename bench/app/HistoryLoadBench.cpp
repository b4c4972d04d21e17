// Where the time goes when a big items file loads: reading the file (on a worker thread in the
// program), making the labels, filling the main window's drop-down; when the history holds every
// entry and the drop-down its first rows, and when the drop-down has every row. Three files:
// 1,000,000 valid entries, a 4 MB file whose count claims 2^31-1 entries, and a history of 100,000
// entries as a real one might be. Seconds, run under Wine:
//   scripts/wine-run build/win64/bench/app/history_load_bench.exe [DIRECTORY]
//   scripts/wine-run build/win64/bench/app/history_load_bench.exe --write DIRECTORY
// The second form only writes the three files (for bench/startup/big-history).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "framework/Archive.h"
#include "framework/ModulePath.h"
#include "resource.h"

namespace {

struct BenchFile {
  const char* name;
  const char* description;
};

constexpr BenchFile kFiles[] = {
    {"valid-1m.clp", "1,000,000 entries of 40 bytes"},
    {"hostile.clp", "4 MB, count 2^31-1, entries of 3 bytes"},
    {"real-100k.clp", "100,000 entries of 10 to 2,000 bytes"},
};

// A text of `length` bytes that differs from entry to entry; every fourth one has three lines.
std::string EntryText(unsigned entry, size_t length) {
  std::string text = "entry " + std::to_string(entry) + " ";
  while (text.size() < length) text += "lorem ipsum dolor sit amet ";
  text.resize(length);
  if (entry % 4 == 0 && length > 30) {
    text[length / 3] = '\n';
    text[2 * length / 3] = '\n';
  }
  return text;
}

void WriteFiles(const std::filesystem::path& dir) {
  pelmo::SaveArchive((dir / kFiles[0].name).string(), [](pelmo::ArchiveWriter& archive) {
    archive.WriteCount(1000000);
    for (unsigned i = 0; i < 1000000; ++i) archive.WriteString(EntryText(i, 40));
    archive.WriteCount(0);
    archive.WriteCount(0);
  });
  pelmo::SaveArchive((dir / kFiles[1].name).string(), [](pelmo::ArchiveWriter& archive) {
    archive.WriteInt32(0x7FFFFFFF);
    for (unsigned i = 0; i < (4u << 20) / 4; ++i) archive.WriteString("abc");
  });
  pelmo::SaveArchive((dir / kFiles[2].name).string(), [](pelmo::ArchiveWriter& archive) {
    archive.WriteCount(100000);
    unsigned seed = 12345;
    for (unsigned i = 0; i < 100000; ++i) {
      seed = seed * 1103515245 + 12345;
      // Mostly short texts, some long ones: lengths from 10 to 2,000 bytes, most below 400.
      const unsigned roll = (seed >> 8) % 1000;
      const size_t length = roll < 800 ? 10 + roll / 2 : 400 + (roll - 800) * 8;
      archive.WriteString(EntryText(i, length));
    }
    archive.WriteCount(0);
    archive.WriteCount(0);
  });
}

double Seconds(std::chrono::steady_clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

template <typename Work>
double Time(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return Seconds(std::chrono::steady_clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
    WriteFiles(argv[2]);
    return 0;
  }
  const std::filesystem::path dir =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  WriteFiles(dir);

  pelmo::Workspace workspace(pelmo::ModuleFileName());
  pelmo::CMainDialog dialog(workspace);
  if (!dialog.Create(nullptr)) {
    std::fputs("history_load_bench: the main window could not be created\n", stderr);
    return 1;
  }
  pelmo::History& history = workspace.history;
  auto& combo = dynamic_cast<pelmo::CHistoryCombo&>(
      *pelmo::CWnd::FromHandle(::GetDlgItem(dialog.m_hWnd, IDC_HISTORY)));
  std::printf("%-42s %8s %7s %7s %9s %10s %9s\n", "file", "entries", "read", "labels", "drop-down",
              "first rows", "all rows");
  for (const BenchFile& file : kFiles) {
    history.DeleteAll();
    pelmo::Loaded<pelmo::ItemsFile> loaded;
    const double read = Time([&] { loaded = pelmo::LoadItemsFile((dir / file.name).string()); });
    std::vector<std::unique_ptr<pelmo::HistoryItem>>& entries = loaded.content.history;
    const size_t count = entries.size();
    const double labels = Time([&] {
      for (const auto& entry : entries) pelmo::MakeLabel(*entry);
    });
    // Appending gives the drop-down its first rows; it takes the others between messages, here
    // all at once. Each row's label is made again as it goes in.
    const double first = Time([&] { history.AppendBottom(entries); });
    const double rest = Time([&] { history.FillView(combo, std::numeric_limits<int>::max()); });
    std::printf("%-42s %8zu %7.2f %7.2f %9.2f %10.2f %9.2f\n", file.description, count, read,
                labels, first + rest - labels, read + first, read + first + rest);
    std::remove((dir / file.name).string().c_str());
  }
  history.DeleteAll();
  dialog.DestroyWindow();
  return 0;
}
