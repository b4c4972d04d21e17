// What sharing the history through a folder is set to, and how it is kept in the profile. An
// empty folder means off; nothing of it is written to the profile until it is first set.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/Profile.h"

namespace pelmo {

constexpr const char* kSyncSection = "Sync";

struct SyncSettings {
  std::string folder;      // "SyncFolder"
  std::string passphrase;  // "SyncPassphrase", kept protected for the user, never in plain text
  bool toClipboard =
      false;  // "SyncToClipboard": the newest copy from another computer is pasted ready

  bool On() const { return !folder.empty(); }
  bool operator==(const SyncSettings& other) const {
    return folder == other.folder && passphrase == other.passphrase &&
           toClipboard == other.toClipboard;
  }
};

// How the passphrase is protected in the profile and opened again (DPAPI in the program).
struct SecretKeeper {
  // Text fit for the profile (hex in the program); empty when refused.
  std::function<std::string(const std::string&)> protect;
  std::function<std::optional<std::string>(const std::string&)> unprotect;  // nullopt when not ours
};

// The stored settings; a passphrase that cannot be opened (protected by another user, or
// damaged) reads as none and `unreadablePassphrase` is set.
SyncSettings ReadSyncSettings(TextProfile& profile, const SecretKeeper& keeper,
                              bool* unreadablePassphrase = nullptr);
void WriteSyncSettings(TextProfile& profile, const SyncSettings& settings,
                       const SecretKeeper& keeper);

}  // namespace pelmo
