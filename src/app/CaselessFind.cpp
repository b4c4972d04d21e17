#include "app/CaselessFind.h"

#include <array>
#include <cstring>

namespace pelmo {

namespace {

constexpr unsigned char LowerOf(unsigned b) {
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return b + 0x20;
  if (b == 0x8A || b == 0x8C || b == 0x8E) return b + 0x10;
  if (b == 0x9F) return 0xFF;
  return b;
}

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (unsigned b = 0; b < 256; ++b) table[b] = LowerOf(b);
  return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

// How common a lower-case byte is in everyday text. The search looks for the pattern's least
// common byte with memchr: the fewer the candidates, the closer it runs to memchr's speed.
int Commonness(unsigned char byte) {
  static const char kLetters[] = "etaoinshrdlcumwfgypbvkjxqz";  // most common first
  if (byte == ' ') return 100;
  if (byte >= 'a' && byte <= 'z')
    return 90 - 3 * static_cast<int>(std::strchr(kLetters, byte) - kLetters);
  if (byte >= '0' && byte <= '9') return 15;
  return 10;
}

const char* Find(const char* from, const char* last, unsigned char byte) {
  if (from > last) return nullptr;
  return static_cast<const char*>(std::memchr(from, byte, static_cast<size_t>(last - from) + 1));
}

}  // namespace

unsigned char AnsiFold(unsigned char byte) {
  return kFold[byte];
}

CaselessFinder::CaselessFinder(const std::string& pattern) : m_pattern(pattern) {
  for (char& c : m_pattern) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  for (size_t i = 1; i < m_pattern.size(); ++i)
    if (Commonness(static_cast<unsigned char>(m_pattern[i])) <
        Commonness(static_cast<unsigned char>(m_pattern[m_anchor])))
      m_anchor = i;
  // At most two bytes share a lower case in this code page: the letter and its capital.
  const unsigned char anchor =
      m_pattern.empty() ? 0 : static_cast<unsigned char>(m_pattern[m_anchor]);
  m_anchorBytes[0] = m_anchorBytes[1] = anchor;
  for (unsigned b = 0; b < 256; ++b)
    if (kFold[b] == anchor && b != anchor) m_anchorBytes[1] = static_cast<unsigned char>(b);
}

bool CaselessFinder::MatchesAt(const char* start) const {
  for (size_t i = 0; i < m_pattern.size(); ++i)
    if (kFold[static_cast<unsigned char>(start[i])] != static_cast<unsigned char>(m_pattern[i]))
      return false;
  return true;
}

bool CaselessFinder::FoundIn(const std::string& text) const {
  if (m_pattern.empty()) return true;
  if (m_pattern.size() > text.size()) return false;
  // memchr finds the candidates for the anchor byte, one scan for each of its two cases.
  const char* first = text.data() + m_anchor;
  const char* last = first + (text.size() - m_pattern.size());
  const char* lower = Find(first, last, m_anchorBytes[0]);
  const char* upper =
      m_anchorBytes[1] == m_anchorBytes[0] ? nullptr : Find(first, last, m_anchorBytes[1]);
  while (lower || upper) {
    const bool takeLower = lower && (!upper || lower < upper);
    const char* at = takeLower ? lower : upper;
    if (MatchesAt(at - m_anchor)) return true;
    if (takeLower)
      lower = Find(at + 1, last, m_anchorBytes[0]);
    else
      upper = Find(at + 1, last, m_anchorBytes[1]);
  }
  return false;
}

}  // namespace pelmo
