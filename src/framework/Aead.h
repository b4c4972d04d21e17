// The system's own cryptography: random bytes, AES-256-GCM under a key derived from a passphrase
// with PBKDF2-HMAC-SHA256 (CNG, bcrypt), and secrets kept for the current user only (DPAPI).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pelmo {

// Fills `buffer` from the system's random number generator; false when it refuses.
bool RandomBytes(void* buffer, size_t size);

class AesGcmKey {
 public:
  static constexpr size_t kSaltBytes = 16;
  static constexpr size_t kNonceBytes = 12;
  static constexpr size_t kTagBytes = 16;

  // The key PBKDF2-HMAC-SHA256 derives from `passphrase` (UTF-8) and `salt`; null when the system
  // refuses (no AES-GCM, no PBKDF2).
  static std::unique_ptr<AesGcmKey> Derive(const std::string& passphrase, const std::string& salt,
                                           uint32_t iterations);
  ~AesGcmKey();
  AesGcmKey(const AesGcmKey&) = delete;
  AesGcmKey& operator=(const AesGcmKey&) = delete;

  // nonce, cipher text, tag: `plain` encrypted under a fresh random nonce, with `associated`
  // authenticated along; empty when the system refuses.
  std::string Seal(const std::string& plain, const std::string& associated) const;
  // The plain text of what Seal made under the same key and `associated`; nullopt when it was
  // made under another key or changed since (the tag does not match).
  std::optional<std::string> Open(const std::string& sealed, const std::string& associated) const;

 private:
  struct Handles;
  explicit AesGcmKey(std::unique_ptr<Handles> handles);
  std::unique_ptr<Handles> m_handles;
};

// PBKDF2 iterations that take about `ms` on this machine, never fewer than `floor`.
uint32_t CalibratePbkdf2(unsigned ms, uint32_t floor);

// `secret` protected for the current user on this machine, as hex text; empty when refused.
std::string ProtectForUser(const std::string& secret);
// What ProtectForUser protected; nullopt for text that is not its work (or another user's).
std::optional<std::string> UnprotectForUser(const std::string& hexText);

}  // namespace pelmo
