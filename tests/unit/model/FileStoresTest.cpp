// The stores of the calculator's history and of the browser setting.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "../framework/TempDir.h"
#include "model/BrowserSetting.h"
#include "model/CalculatorHistoryStore.h"

namespace pelmo {
namespace {

using test::Int32;
using test::Text;
using Entries = std::vector<std::string>;

// A folder reads as none.
std::string Bytes(const std::string& path) {
  return std::filesystem::is_regular_file(path) ? test::ReadBytes(path) : "none";
}

// A file that is there but cannot be read is reported on load and left alone by every save after
// it, without a word: the report already said the calculator will not save over it. Any other
// file is saved over. `place` puts the file there and returns what lets go of it before the saves.
TEST(CalculatorHistoryStore, SavesOverEveryFileButOneThatCouldNotBeRead) {
  const std::string intact = Int32(2) + Text("1+1") + Text("pi");
  const struct {
    const char* name;
    std::function<std::function<void()>(const std::string&)> place;
    Entries loaded;
    bool unreadable;
  } cases[] = {
      {"missing", [](const std::string&) { return [] {}; }, {}, false},
      {"intact",
       [&](const std::string& path) {
         test::WriteBytes(path, intact);
         return [] {};
       },
       {"pi", "1+1"}, false},
      {"a folder",
       [](const std::string& path) {
         std::filesystem::create_directory(path);
         return [] {};
       },
       {}, true},
#ifdef _WIN32
      // Another program holds it open without sharing while the window opens.
      {"locked",
       [&](const std::string& path) {
         test::WriteBytes(path, intact);
         HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                     nullptr);
         return std::function<void()>([lock] { ::CloseHandle(lock); });
       },
       {}, true},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    CalculatorHistoryStore store(dir.File("Pelmo.exe"), 20);
    ASSERT_EQ(store.Path(), dir.File("Pelmo.clc"));
    const auto letGo = c.place(store.Path());
    Entries entries{"left over"};
    const FileOutcome load = store.Load(entries);
    letGo();
    EXPECT_EQ(entries, c.loaded);
    // "The file "<path>" cannot be read (<why>). The calculator will not save over it."
    const std::string head = "The file \"" + store.Path() + "\" cannot be read (",
                      tail = "). The calculator will not save over it.";
    const bool said = load.problem.size() > head.size() + tail.size() &&
                      load.problem.compare(0, head.size(), head) == 0 &&
                      load.problem.compare(load.problem.size() - tail.size(), tail.size(), tail) == 0;
    EXPECT_EQ(said, c.unreadable) << load.problem;
    EXPECT_TRUE(c.unreadable || load.problem.empty()) << load.problem;
    const std::string before = Bytes(store.Path());
    for (const char* newest : {"2*3", "4*5"}) {
      entries.insert(entries.begin(), newest);
      const FileOutcome save = store.Save(entries);
      EXPECT_EQ(save.done, !c.unreadable);
      EXPECT_EQ(save.problem, "");
    }
    std::string written = Int32(static_cast<std::uint32_t>(entries.size()));
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) written += Text(*entry);
    EXPECT_EQ(Bytes(store.Path()), c.unreadable ? before : written);
  }
}

// Records every key it is given as "section/key".
struct MapProfile : TextProfile {
  std::string GetString(const char* section, const char* key, const char* none) override {
    const auto found = values.find(std::string(section) + "/" + key);
    return found == values.end() ? none : found->second;
  }
  void WriteString(const char* section, const char* key, const std::string& value) override {
    values[std::string(section) + "/" + key] = value;
  }
  std::map<std::string, std::string> values;
};

TEST(BrowserSetting, IsThePathUnderPathBrowserAndEmptyUntilChosen) {
  MapProfile profile;
  EXPECT_EQ(BrowserSetting(profile).Load(), "");
  BrowserSetting(profile).Save("C:\\browser.exe");
  EXPECT_EQ(profile.values, (decltype(profile.values){{"PATH/BROWSER", "C:\\browser.exe"}}));
  EXPECT_EQ(BrowserSetting(profile).Load(), "C:\\browser.exe");
}

}  // namespace
}  // namespace pelmo
