#include "sync/PassphraseKeys.h"

#include "framework/Aead.h"

namespace pelmo {

namespace {

class KeySealer : public RecordSealer {
 public:
  explicit KeySealer(std::unique_ptr<AesGcmKey> key) : m_key(std::move(key)) {}
  std::string Seal(const std::string& plain, const std::string& associated) override {
    return m_key->Seal(plain, associated);
  }
  std::optional<std::string> Open(const std::string& sealed,
                                  const std::string& associated) override {
    return m_key->Open(sealed, associated);
  }

 private:
  std::unique_ptr<AesGcmKey> m_key;
};

}  // namespace

JournalHeader PassphraseKeys::NewHeader() {
  JournalHeader header;
  RandomBytes(&header.id, sizeof header.id);
  if (!HasPassphrase()) return header;
  header.encrypted = true;
  header.salt.resize(kSaltBytes);
  RandomBytes(header.salt.data(), header.salt.size());
  header.iterations = CalibratePbkdf2(kDeriveMs, kMinIterations);
  return header;
}

RecordSealer* PassphraseKeys::SealerFor(const JournalHeader& header) {
  if (!HasPassphrase() || !header.encrypted) return nullptr;
  const std::string id = header.salt + std::to_string(header.iterations);
  auto found = m_sealers.find(id);
  if (found == m_sealers.end()) {
    std::unique_ptr<AesGcmKey> key =
        AesGcmKey::Derive(m_passphrase, header.salt, header.iterations);
    found =
        m_sealers.emplace(id, key ? std::make_unique<KeySealer>(std::move(key)) : nullptr).first;
  }
  return found->second.get();
}

}  // namespace pelmo
