#include <gtest/gtest.h>

#include "../TestSupport.h"
#include "sync/SyncSettings.h"

namespace pelmo {
namespace {

using test::MapProfile;
using Values = std::map<std::string, std::string>;

// Protects by sealing each secret under a serial of its own; anything it did not seal is not its.
struct FakeKeeper {
  std::map<std::string, std::string> sealed;
  bool refuses = false;
  SecretKeeper keeper{[this](const std::string& secret) {
                        if (refuses) return std::string();
                        const std::string text = "5EA1" + std::to_string(sealed.size());
                        sealed[text] = secret;
                        return text;
                      },
                      [this](const std::string& text) -> std::optional<std::string> {
                        return sealed.count(text) ? std::optional(sealed[text]) : std::nullopt;
                      }};
};

TEST(SyncSettings, AllThreeKeysRoundTripAndThePassphraseIsOnlyEverStoredProtected) {
  const SyncSettings cases[] = {{"D:\\OneDrive\\Pelmo", "p\xC3\xA4ssw\xC3\xB6rd\xE2\x82\xAC", true},
                                {"\\\\server\\share\\pelmo", "", false},
                                {"", "kept while off", false}};
  for (const SyncSettings& settings : cases) {
    SCOPED_TRACE(settings.folder);
    MapProfile profile;
    FakeKeeper keeper;
    WriteSyncSettings(profile, settings, keeper.keeper);
    const std::string stored = settings.passphrase.empty() ? "" : "5EA10";
    EXPECT_EQ(profile.values, (Values{{"Sync/SyncFolder", settings.folder},
                                      {"Sync/SyncPassphrase", stored},
                                      {"Sync/SyncToClipboard", settings.toClipboard ? "1" : "0"}}));
    bool unreadable = true;
    EXPECT_EQ(ReadSyncSettings(profile, keeper.keeper, &unreadable), settings);
    EXPECT_FALSE(unreadable);
  }
}

TEST(SyncSettings, AbsentIsOffAPassphraseNotOursReadsAsNoneAndARefusedOneIsNotWritten) {
  MapProfile profile;
  FakeKeeper keeper;
  bool unreadable = true;
  EXPECT_EQ(ReadSyncSettings(profile, keeper.keeper, &unreadable), SyncSettings{});
  EXPECT_FALSE(unreadable);
  // Protected by another user, or damaged: the other two keys still count.
  profile.values = {{"Sync/SyncFolder", "F:\\Sync"},
                    {"Sync/SyncPassphrase", "01000000D08C9DDF"},
                    {"Sync/SyncToClipboard", "1"}};
  EXPECT_EQ(ReadSyncSettings(profile, keeper.keeper, &unreadable),
            (SyncSettings{"F:\\Sync", "", true}));
  EXPECT_TRUE(unreadable);
  keeper.refuses = true;
  WriteSyncSettings(profile, {"G:\\Sync", "secret", true}, keeper.keeper);
  EXPECT_EQ(profile.values, (Values{{"Sync/SyncFolder", "G:\\Sync"},
                                    {"Sync/SyncPassphrase", ""},
                                    {"Sync/SyncToClipboard", "1"}}));
}

}  // namespace
}  // namespace pelmo
