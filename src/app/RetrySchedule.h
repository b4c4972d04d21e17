// The waits between reads of a clipboard that another program holds open. Most programs let go
// within moments (another viewer reading the same change), so the first waits are short enough
// to read the change before the next copy replaces it; some keep it for seconds, so the waits grow
// and the reads go on until ten seconds after the change. Each wait is a timer's interval: the
// window goes on working meanwhile.
#pragma once

#include <algorithm>
#include <optional>

namespace pelmo {

class RetrySchedule {
 public:
  // The wait before the first read again of a change that found the clipboard held.
  unsigned Start() {
    m_waited = 0;
    m_next = kFirstMs;
    return *Next();
  }
  // The wait before the next read again; nullopt once the reads have gone on for ten seconds.
  std::optional<unsigned> Next() {
    if (m_waited >= kTotalMs) return std::nullopt;
    const unsigned wait = std::min(m_next, kTotalMs - m_waited);
    m_waited += wait;
    m_next = std::min(m_next * 2, kLongestMs);
    return wait;
  }

 private:
  static constexpr unsigned kFirstMs = 10;
  static constexpr unsigned kLongestMs = 2000;
  static constexpr unsigned kTotalMs = 10000;

  unsigned m_waited = kTotalMs;  // no change to read again before Start
  unsigned m_next = kFirstMs;
};

}  // namespace pelmo
