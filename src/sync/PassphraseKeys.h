// The journals' keys under the user's passphrase: AES-256-GCM through the system's own
// cryptography, each journal's key derived once from the passphrase and that journal's salt.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "sync/JournalFiles.h"

namespace pelmo {

class PassphraseKeys : public JournalKeys {
 public:
  // PBKDF2 iterations for a new journal: as many as take this long here, at least kMinIterations.
  static constexpr unsigned kDeriveMs = 100;
  static constexpr uint32_t kMinIterations = 50000;

  explicit PassphraseKeys(std::string passphrase) : m_passphrase(std::move(passphrase)) {}

  bool HasPassphrase() const override { return !m_passphrase.empty(); }
  JournalHeader NewHeader() override;
  RecordSealer* SealerFor(const JournalHeader& header) override;

 private:
  std::string m_passphrase;
  // By salt and iterations; null where the system refused the key.
  std::map<std::string, std::unique_ptr<RecordSealer>> m_sealers;
};

}  // namespace pelmo
