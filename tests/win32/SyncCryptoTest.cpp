// The system's cryptography as the sync folder uses it: a sealed text opens under the same
// passphrase, salt and associated data only, and a secret kept for the user reads back only whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/Aead.h"

namespace pelmo {
namespace {

const std::string kSalt(AesGcmKey::kSaltBytes, 's');
constexpr size_t kNonce = AesGcmKey::kNonceBytes, kOverhead = kNonce + AesGcmKey::kTagBytes;

std::unique_ptr<AesGcmKey> Key(const std::string& passphrase) {
  auto key = AesGcmKey::Derive(passphrase, kSalt, 1000);
  EXPECT_TRUE(key) << passphrase;
  return key;
}

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

TEST(SyncCrypto, SealedTextOpensOnlyUnchangedUnderItsKeyAndAssociatedData) {
  const auto key = Key("correct horse"), again = Key("correct horse");
  std::string big(1 << 20, '\0');
  for (size_t i = 0; i < big.size(); i += 3) big[i] = static_cast<char>(i % 251);
  for (const std::string& plain :
       {std::string(), std::string("x"), std::string("two\r\nlines"), big}) {
    for (const std::string& associated : {std::string(), std::string("items")}) {
      const std::string sealed = key->Seal(plain, associated);
      ASSERT_EQ(sealed.size(), kOverhead + plain.size());
      EXPECT_TRUE(plain.size() < 2 || sealed.substr(kNonce, plain.size()) != plain);
      const auto opened = again->Open(sealed, associated);
      ASSERT_TRUE(opened) << plain.size();
      EXPECT_TRUE(*opened == plain) << plain.size();
      EXPECT_FALSE(key->Open(sealed, associated + "!"));
      EXPECT_FALSE(key->Open(sealed.substr(0, sealed.size() - 1), associated));
      // Both ends of the nonce, of the cipher text (the tag for an empty text) and of the tag.
      for (size_t at : {size_t{0}, kNonce - 1, kNonce, sealed.size() - 17, sealed.size() - 16,
                        sealed.size() - 1}) {
        std::string changed = sealed;
        changed[at] ^= 0x20;
        EXPECT_FALSE(key->Open(changed, associated)) << plain.size() << " at " << at;
      }
    }
  }
  EXPECT_FALSE(key->Open(std::string(kOverhead - 1, '\0'), ""));
  // PBKDF2-HMAC-SHA256 and AES-256-GCM as any other machine computes them, nonce first, tag last.
  const std::string elsewhere = FromHex(
      "000102030405060708090a0b6868bbf17dafd44876a405fa473e8c84bca01fb5d1955133125e0cf2f06e");
  EXPECT_EQ(key->Open(elsewhere, "items").value_or("refused"), "made elsewhere");
}

TEST(SyncCrypto, EverySealTakesAFreshNonce) {
  const auto key = Key("nonce");
  std::set<std::string> nonces;
  for (int i = 0; i < 2000; ++i)
    nonces.insert(key->Seal("the same text", "items").substr(0, kNonce));
  EXPECT_EQ(nonces.size(), 2000u);
}

TEST(SyncCrypto, DeriveRefusesAnOddSaltAndCalibrationKeepsItsBounds) {
  for (size_t saltBytes : {size_t{0}, kSalt.size() - 1, kSalt.size() + 1})
    EXPECT_FALSE(AesGcmKey::Derive("pass", std::string(saltBytes, 's'), 1000)) << saltBytes;
  EXPECT_GE(CalibratePbkdf2(1, 12345), 12345u);
  EXPECT_LE(CalibratePbkdf2(1000000, 1), 10000000u);
}

TEST(SyncCrypto, SecretKeptForTheUserReadsBackOnlyWhole) {
  const std::string secret = "sync passphrase \xE2\x82\xAC";
  const std::string hex = ProtectForUser(secret);
  ASSERT_FALSE(hex.empty());
  EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), std::string::npos);
  EXPECT_EQ(FromHex(hex).find("passphrase"), std::string::npos);
  EXPECT_EQ(UnprotectForUser(hex).value_or("refused"), secret);
  std::string flipped = hex;
  flipped[hex.size() - 1] = flipped.back() == '0' ? '1' : '0';
  for (const std::string& bad :
       {std::string(), hex.substr(1), hex + "0", flipped, std::string("00112233")})
    EXPECT_FALSE(UnprotectForUser(bad)) << bad;
}

}  // namespace
}  // namespace pelmo
