#include "sync/SyncSettings.h"

#include <utility>

namespace pelmo {

namespace {
constexpr const char* kFolderKey = "SyncFolder";
constexpr const char* kPassphraseKey = "SyncPassphrase";
constexpr const char* kToClipboardKey = "SyncToClipboard";
}  // namespace

SyncSettings ReadSyncSettings(TextProfile& profile, const SecretKeeper& keeper,
                              bool* unreadablePassphrase) {
  SyncSettings settings;
  settings.folder = profile.GetString(kSyncSection, kFolderKey, "");
  settings.toClipboard = profile.GetString(kSyncSection, kToClipboardKey, "0") == "1";
  const std::string stored = profile.GetString(kSyncSection, kPassphraseKey, "");
  bool unreadable = false;
  if (!stored.empty()) {
    std::optional<std::string> opened = keeper.unprotect(stored);
    unreadable = !opened;
    if (opened) settings.passphrase = std::move(*opened);
  }
  if (unreadablePassphrase) *unreadablePassphrase = unreadable;
  return settings;
}

void WriteSyncSettings(TextProfile& profile, const SyncSettings& settings,
                       const SecretKeeper& keeper) {
  profile.WriteString(kSyncSection, kFolderKey, settings.folder);
  // A protection the system refuses leaves no passphrase rather than a readable one.
  profile.WriteString(
      kSyncSection, kPassphraseKey,
      settings.passphrase.empty() ? std::string() : keeper.protect(settings.passphrase));
  profile.WriteString(kSyncSection, kToClipboardKey, settings.toClipboard ? "1" : "0");
}

}  // namespace pelmo
