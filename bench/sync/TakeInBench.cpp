// How long taking in another computer's 10,000 records takes: read from its journal on disk,
// checked, and made entries of a history that holds them all.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

#include "sync/FolderJournalFiles.h"
#include "sync/SharedHistory.h"

namespace pelmo {
namespace {

struct PlainKeys : JournalKeys {
  bool HasPassphrase() const override { return false; }
  JournalHeader NewHeader() override { return {++id, 0, false, 0, {}}; }
  RecordSealer* SealerFor(const JournalHeader&) override { return nullptr; }
  uint64_t id = 0;
};

struct MapProfile : TextProfile {
  std::string GetString(const char*, const char* key, const char* fallback) override {
    const auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
  }
  void WriteString(const char*, const char* key, const std::string& value) override {
    values[key] = value;
  }
  std::map<std::string, std::string> values;
};

void TakeIn10000(benchmark::State& state) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "pelmo-take-in-bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  FolderJournalFiles files(dir.string());
  PlainKeys keys;
  MapProfile profile;
  {
    SharedHistory desk(files, keys, profile, "DESK-ann.pelmosync", 10000);
    for (int n = 0; n < 10000; ++n)
      desk.Share({"a copied line of text, number " + std::to_string(n), {}, kPlain, 0}, n);
  }
  for (auto _ : state) {
    MapProfile taken;
    SharedHistory laptop(files, keys, taken, "LAP-ann.pelmosync", 10000);
    Workspace workspace{"unused"};
    workspace.options.deleteAfter = 10000;
    workspace.options.ignoreMore = 100000;
    benchmark::DoNotOptimize(InsertShared(workspace, laptop.TakeIn().records));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(TakeIn10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmo

BENCHMARK_MAIN();
