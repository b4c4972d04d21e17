// CNG for the random bytes, PBKDF2 and AES-GCM; DPAPI for what only the current user may read.
// CNG writes nothing and computes no tag when an output pointer is null, even for zero bytes, so
// every buffer handed to it is a string's data(), never null, however empty the string.
#include <windows.h>
// After <windows.h>, which they assume.
#include <bcrypt.h>
#include <dpapi.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "framework/Aead.h"

namespace pelmo {

namespace {

// The libraries are loaded when first used, and stay: linked to the program, they would cost
// every start about 1.5 MB of memory under Wine, whether or not anything is shared.
template <typename Pointer>
void Import(Pointer& pointer, HMODULE library, const char* name) {
  // Through void (*)(), the one function pointer type every other converts to without a warning.
  pointer =
      library
          ? reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)))
          : nullptr;
}

struct SystemCrypto {
  SystemCrypto() {
    const HMODULE cng = ::LoadLibraryA("bcrypt.dll"), dpapi = ::LoadLibraryA("crypt32.dll");
    Import(openProvider, cng, "BCryptOpenAlgorithmProvider");
    Import(closeProvider, cng, "BCryptCloseAlgorithmProvider");
    Import(deriveKeyPbkdf2, cng, "BCryptDeriveKeyPBKDF2");
    Import(setProperty, cng, "BCryptSetProperty");
    Import(generateSymmetricKey, cng, "BCryptGenerateSymmetricKey");
    Import(destroyKey, cng, "BCryptDestroyKey");
    Import(encrypt, cng, "BCryptEncrypt");
    Import(decrypt, cng, "BCryptDecrypt");
    Import(genRandom, cng, "BCryptGenRandom");
    Import(protectData, dpapi, "CryptProtectData");
    Import(unprotectData, dpapi, "CryptUnprotectData");
  }
  bool Whole() const {
    return openProvider && closeProvider && deriveKeyPbkdf2 && setProperty &&
           generateSymmetricKey && destroyKey && encrypt && decrypt && genRandom && protectData &&
           unprotectData;
  }

  decltype(&::BCryptOpenAlgorithmProvider) openProvider;
  decltype(&::BCryptCloseAlgorithmProvider) closeProvider;
  decltype(&::BCryptDeriveKeyPBKDF2) deriveKeyPbkdf2;
  decltype(&::BCryptSetProperty) setProperty;
  decltype(&::BCryptGenerateSymmetricKey) generateSymmetricKey;
  decltype(&::BCryptDestroyKey) destroyKey;
  decltype(&::BCryptEncrypt) encrypt;
  decltype(&::BCryptDecrypt) decrypt;
  decltype(&::BCryptGenRandom) genRandom;
  decltype(&::CryptProtectData) protectData;
  decltype(&::CryptUnprotectData) unprotectData;
};

// Null when the system lacks any part of it. Every handle is made through it, so code that holds
// one may use it without asking again.
const SystemCrypto* Crypto() {
  static const SystemCrypto crypto;
  return crypto.Whole() ? &crypto : nullptr;
}

constexpr size_t kKeyBytes = 32;
constexpr size_t kOverheadBytes = AesGcmKey::kNonceBytes + AesGcmKey::kTagBytes;
// CNG and DPAPI count in ULONG (32 bits, also in a 64-bit program).
bool FitsUlong(size_t size) {
  return uint64_t{size} >> 32 == 0;
}

struct ProviderCloser {
  void operator()(BCRYPT_ALG_HANDLE handle) const { Crypto()->closeProvider(handle, 0); }
};
using Provider = std::unique_ptr<void, ProviderCloser>;

struct KeyDestroyer {
  void operator()(BCRYPT_KEY_HANDLE handle) const { Crypto()->destroyKey(handle); }
};
using Key = std::unique_ptr<void, KeyDestroyer>;

Provider OpenProvider(LPCWSTR algorithm, ULONG flags) {
  BCRYPT_ALG_HANDLE handle = nullptr;
  if (!Crypto() || !BCRYPT_SUCCESS(Crypto()->openProvider(&handle, algorithm, nullptr, flags)))
    return nullptr;
  return Provider(handle);
}

PUCHAR Bytes(const std::string& text) {
  // CNG and DPAPI take non-const pointers to buffers they only read.
  return reinterpret_cast<PUCHAR>(const_cast<char*>(text.data()));
}

// Key bytes do not outlive their use in stack memory that is reused.
struct KeyBytes {
  std::array<UCHAR, kKeyBytes> bytes{};
  ~KeyBytes() { ::SecureZeroMemory(bytes.data(), bytes.size()); }
};

bool Pbkdf2(BCRYPT_ALG_HANDLE hmac, const std::string& passphrase, const std::string& salt,
            uint32_t iterations, KeyBytes& key) {
  return BCRYPT_SUCCESS(Crypto()->deriveKeyPbkdf2(
      hmac, Bytes(passphrase), static_cast<ULONG>(passphrase.size()), Bytes(salt),
      static_cast<ULONG>(salt.size()), iterations, key.bytes.data(), kKeyBytes, 0));
}

BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO AuthInfo(PUCHAR nonce, const std::string& associated,
                                               PUCHAR tag) {
  BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
  BCRYPT_INIT_AUTH_MODE_INFO(info);
  info.pbNonce = nonce;
  info.cbNonce = AesGcmKey::kNonceBytes;
  info.pbAuthData = Bytes(associated);
  info.cbAuthData = static_cast<ULONG>(associated.size());
  info.pbTag = tag;
  info.cbTag = AesGcmKey::kTagBytes;
  return info;
}

// A DATA_BLOB that DPAPI allocated, wiped and freed when done.
struct LocalBlob {
  DATA_BLOB blob{};
  ~LocalBlob() {
    if (blob.pbData == nullptr) return;
    ::SecureZeroMemory(blob.pbData, blob.cbData);
    ::LocalFree(blob.pbData);
  }
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// In this order, so that the key goes before the provider it was made by.
struct AesGcmKey::Handles {
  Provider aes;
  Key key;
};

bool RandomBytes(void* buffer, size_t size) {
  return FitsUlong(size) && Crypto() &&
         BCRYPT_SUCCESS(Crypto()->genRandom(nullptr, static_cast<PUCHAR>(buffer),
                                            static_cast<ULONG>(size),
                                            BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

AesGcmKey::AesGcmKey(std::unique_ptr<Handles> handles) : m_handles(std::move(handles)) {}

AesGcmKey::~AesGcmKey() = default;

std::unique_ptr<AesGcmKey> AesGcmKey::Derive(const std::string& passphrase, const std::string& salt,
                                             uint32_t iterations) {
  if (iterations == 0 || salt.size() != kSaltBytes || !FitsUlong(passphrase.size())) return nullptr;
  const Provider hmac = OpenProvider(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
  if (!hmac) return nullptr;
  KeyBytes keyBytes;
  if (!Pbkdf2(hmac.get(), passphrase, salt, iterations, keyBytes)) return nullptr;

  auto handles = std::make_unique<Handles>();
  handles->aes = OpenProvider(BCRYPT_AES_ALGORITHM, 0);
  if (!handles->aes) return nullptr;
  if (!BCRYPT_SUCCESS(Crypto()->setProperty(
          handles->aes.get(), BCRYPT_CHAINING_MODE,
          reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_GCM)),
          sizeof BCRYPT_CHAIN_MODE_GCM, 0)))
    return nullptr;
  BCRYPT_KEY_HANDLE key = nullptr;
  if (!BCRYPT_SUCCESS(Crypto()->generateSymmetricKey(handles->aes.get(), &key, nullptr, 0,
                                                     keyBytes.bytes.data(), kKeyBytes, 0)))
    return nullptr;
  handles->key.reset(key);
  return std::unique_ptr<AesGcmKey>(new AesGcmKey(std::move(handles)));
}

std::string AesGcmKey::Seal(const std::string& plain, const std::string& associated) const {
  if (!FitsUlong(kOverheadBytes + plain.size()) || !FitsUlong(associated.size())) return {};
  std::string sealed(kOverheadBytes + plain.size(), '\0');
  const PUCHAR nonce = Bytes(sealed);
  const PUCHAR cipher = nonce + kNonceBytes;
  const PUCHAR tag = cipher + plain.size();
  if (!RandomBytes(nonce, kNonceBytes)) return {};
  BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = AuthInfo(nonce, associated, tag);
  ULONG written = 0;
  const ULONG size = static_cast<ULONG>(plain.size());
  if (!BCRYPT_SUCCESS(Crypto()->encrypt(m_handles->key.get(), Bytes(plain), size, &info, nullptr, 0,
                                        cipher, size, &written, 0)) ||
      written != size)
    return {};
  return sealed;
}

std::optional<std::string> AesGcmKey::Open(const std::string& sealed,
                                           const std::string& associated) const {
  if (sealed.size() < kOverheadBytes || !FitsUlong(sealed.size()) || !FitsUlong(associated.size()))
    return std::nullopt;
  std::string plain(sealed.size() - kOverheadBytes, '\0');
  const PUCHAR nonce = Bytes(sealed);
  const PUCHAR cipher = nonce + kNonceBytes;
  BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = AuthInfo(nonce, associated, cipher + plain.size());
  ULONG written = 0;
  const ULONG size = static_cast<ULONG>(plain.size());
  // A changed text may still have been decrypted before its tag was refused: none of it is kept.
  if (!BCRYPT_SUCCESS(Crypto()->decrypt(m_handles->key.get(), cipher, size, &info, nullptr, 0,
                                        Bytes(plain), size, &written, 0)) ||
      written != size) {
    ::SecureZeroMemory(&plain[0], plain.size());
    return std::nullopt;
  }
  return plain;
}

uint32_t CalibratePbkdf2(unsigned ms, uint32_t floor) {
  constexpr uint32_t kProbeIterations = 10000;
  constexpr uint64_t kMostIterations = 10000000;
  const Provider hmac = OpenProvider(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
  if (!hmac) return floor;
  const std::string passphrase = "calibration", salt(AesGcmKey::kSaltBytes, '\0');
  KeyBytes key;
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  const bool derived = Pbkdf2(hmac.get(), passphrase, salt, kProbeIterations, key);
  ::QueryPerformanceCounter(&end);
  const double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  if (!derived || seconds <= 0) return floor;
  const double wanted = kProbeIterations * (ms / 1000.0) / seconds;
  const uint64_t iterations = wanted >= kMostIterations ? kMostIterations : uint64_t(wanted);
  return std::max<uint32_t>(floor, static_cast<uint32_t>(iterations));
}

std::string ProtectForUser(const std::string& secret) {
  if (!FitsUlong(secret.size()) || !Crypto()) return {};
  DATA_BLOB in{static_cast<DWORD>(secret.size()), Bytes(secret)};
  LocalBlob out;
  if (!Crypto()->protectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                             &out.blob))
    return {};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * out.blob.cbData);
  for (const BYTE* b = out.blob.pbData; b != out.blob.pbData + out.blob.cbData; ++b) {
    hex += kDigits[*b >> 4];
    hex += kDigits[*b & 15];
  }
  return hex;
}

std::optional<std::string> UnprotectForUser(const std::string& hexText) {
  if (hexText.empty() || hexText.size() % 2 != 0 || !Crypto()) return std::nullopt;
  std::string blob(hexText.size() / 2, '\0');
  for (size_t i = 0; i < blob.size(); ++i) {
    const int high = HexDigit(hexText[2 * i]), low = HexDigit(hexText[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    blob[i] = static_cast<char>(high << 4 | low);
  }
  DATA_BLOB in{static_cast<DWORD>(blob.size()), Bytes(blob)};
  LocalBlob out;
  if (!Crypto()->unprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                               &out.blob))
    return std::nullopt;
  return std::string(reinterpret_cast<const char*>(out.blob.pbData), out.blob.cbData);
}

}  // namespace pelmo
