#include "model/CaselessFind.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (unsigned b = 0; b < 256; ++b) table[b] = AnsiFold(static_cast<unsigned char>(b));
  return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

// A miss reads every byte, and in everyday text any one letter turns up every few dozen bytes,
// so hunting the pattern's rarest byte with memchr stops too often. Instead the search tests the
// start positions a machine word at a time: a start is a candidate only when the bytes where the
// pattern's two least common bytes would lie may be those bytes, in either case. Only candidates
// are compared in full. Plain integer arithmetic, so it needs no particular processor and no fast
// memchr from the C library.
constexpr size_t kOnes = ~size_t{0} / 0xFF;  // 0x01 in every byte
constexpr size_t kLow7 = kOnes * 0x7F;
constexpr size_t kStep = 16;  // start positions tested between two branches
static_assert(kStep % sizeof(size_t) == 0, "a step is whole words");

// The high bit of every byte that is zero in `word`, and no other bit; no carry crosses bytes.
constexpr size_t ZeroBytes(size_t word) {
  return ~(((word & kLow7) + kLow7) | word | kLow7);
}

size_t Load(const char* at) {
  size_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// How common a lower-case byte is in everyday text.
int Commonness(char byte) {
  static const char kLetters[] = "etaoinshrdlcumwfgypbvkjxqz";  // most common first
  if (byte == ' ') return 100;
  if (byte >= 'a' && byte <= 'z')
    return 90 - 3 * static_cast<int>(std::strchr(kLetters, byte) - kLetters);
  if (byte >= '0' && byte <= '9') return 15;
  return 10;
}

// The position of the least common byte of `pattern` other than the one at `besides`, unless
// there is no other.
size_t LeastCommonAt(const std::string& pattern, size_t besides) {
  size_t least = besides == 0 && pattern.size() > 1 ? 1 : 0;
  for (size_t i = least + 1; i < pattern.size(); ++i)
    if (i != besides && Commonness(pattern[i]) < Commonness(pattern[least])) least = i;
  return least;
}

// Pairs lie side by side in Latin Extended-A and in most of Cyrillic: the capital first, at an
// even or (in a few runs) an odd place.
char16_t LowerCaseUnit(char16_t c) {
  if (c < 0x100)
    return (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c;
  if (c < 0x180) {
    if (c == 0x178) return 0xFF;                                         // Ÿ
    if (c == 0x17F) return u's';                                         // long s
    if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149) return c;  // İ ı ĸ ŉ: no pair
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || c >= 0x179;
    return (c % 2 == 1) == oddCapitals ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
  if (c == 0x386) return 0x3AC;                                 // Greek capitals with tonos
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c == 0x3C2) return 0x3C3;  // final sigma
  if ((c >= 0x370 && c <= 0x373) || c == 0x376 || (c >= 0x3D8 && c <= 0x3EF))
    return c % 2 == 0 ? c + 1 : c;  // archaic and Coptic letters
  if (c == 0x3F7 || c == 0x3FA) return c + 1;
  if (c == 0x37F) return 0x3F3;
  if (c == 0x3CF) return 0x3D7;
  if (c == 0x3F4) return 0x3B8;
  if (c == 0x3F9) return 0x3F2;
  if (c >= 0x3FD && c <= 0x3FF) return c - 0x82;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ to Џ
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic capitals
  if (c == 0x4C0) return 0x4CF;                   // palochka
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
    return c % 2 == 0 ? c + 1 : c;
  if (c >= 0x4C1 && c <= 0x4CE) return c % 2 == 1 ? c + 1 : c;
  if (c >= 0x531 && c <= 0x556) return c + 0x30;  // Armenian capitals
  return c;
}

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  return text;
}

}  // namespace

// At most two bytes share a lower case in this code page: the letter and its capital. With the
// bits in which they differ set, both become one value (so do 0xBF and 0xDF for 0x9F and 0xFF,
// which differ in two bits; the full comparison turns them down).
CaselessFinder::WordProbe::WordProbe(const std::string& lowerPattern, size_t position)
    : at(position), caseBits(0) {
  const unsigned char lower =
      lowerPattern.empty() ? 0 : static_cast<unsigned char>(lowerPattern[at]);
  for (unsigned b = 0; b < 256; ++b)
    if (kFold[b] == lower && b != lower) caseBits = kOnes * (b ^ lower);
  bytes = kOnes * lower | caseBits;
}

size_t CaselessFinder::WordProbe::Hits(const char* start) const {
  return ZeroBytes((Load(start + at) | caseBits) ^ bytes);
}

CaselessFinder::CaselessFinder(const std::string& pattern)
    : m_pattern(Folded(pattern)),
      m_rare{{m_pattern, LeastCommonAt(m_pattern, std::string::npos)},
             {m_pattern, LeastCommonAt(m_pattern, LeastCommonAt(m_pattern, std::string::npos))}} {}

bool CaselessFinder::MatchesAt(const char* start) const {
  for (size_t i = 0; i < m_pattern.size(); ++i)
    if (kFold[static_cast<unsigned char>(start[i])] != static_cast<unsigned char>(m_pattern[i]))
      return false;
  return true;
}

size_t CaselessFinder::Find(std::string_view text) const {
  if (m_pattern.empty()) return 0;
  if (m_pattern.size() > text.size()) return text.npos;
  const char* start = text.data();
  const char* const end = start + (text.size() - m_pattern.size() + 1);  // past the last start
  // Whole steps while every word read stays inside the text; the last starts one by one.
  constexpr size_t kWords = kStep / sizeof(size_t);
  for (; static_cast<size_t>(end - start) >= kStep; start += kStep) {
    size_t hits[kWords];
    size_t any = 0;
    for (size_t w = 0; w < kWords; ++w) {
      const char* at = start + w * sizeof(size_t);
      hits[w] = m_rare[0].Hits(at) & m_rare[1].Hits(at);
      any |= hits[w];
    }
    if (any == 0) continue;
    // Each start has its own byte in `hits`, in text order whatever the byte order.
    unsigned char candidates[kStep];
    std::memcpy(candidates, hits, kStep);
    for (size_t i = 0; i < kStep; ++i)
      if (candidates[i] && MatchesAt(start + i))
        return static_cast<size_t>(start + i - text.data());
  }
  for (; start < end; ++start)
    if (MatchesAt(start)) return static_cast<size_t>(start - text.data());
  return text.npos;
}

std::u16string LowerCaseWide(std::u16string_view text) {
  std::u16string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerCaseUnit);
  return lower;
}

size_t FindCaselessWide(std::u16string_view text, std::u16string_view lowerPattern) {
  for (size_t at = 0; at + lowerPattern.size() <= text.size(); ++at) {
    size_t i = 0;
    while (i < lowerPattern.size() && LowerCaseUnit(text[at + i]) == lowerPattern[i]) ++i;
    if (i == lowerPattern.size()) return at;
  }
  return text.npos;
}

std::optional<std::string> InAnsi(const std::u16string& typed) {
  std::string ansi = Utf16ToAnsi(typed);
  if (AnsiToUtf16(ansi) != typed) return std::nullopt;
  return ansi;
}

}  // namespace pelmo
