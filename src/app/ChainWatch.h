// Notices that the clipboard viewer chain no longer reaches the program: another viewer that
// swallows notifications or lost its place cuts off every viewer after it, and the capture would
// stop without a sign. The clipboard's sequence number moves with every change; when it moved
// and no notification came for it within a whole check interval, the chain is broken.
#pragma once

#include <cstdint>

namespace pelmo {

class ChainWatch {
 public:
  // A notification came; the clipboard is at `sequence`.
  void Notified(uint32_t sequence) {
    m_seen = sequence;
    m_moved = false;
  }
  // The periodic check with the clipboard at `sequence`. True when the chain must be joined
  // again: the sequence had already moved at the previous check, and no notification came since.
  bool Check(uint32_t sequence) {
    if (sequence == m_seen) {
      m_moved = false;
      return false;
    }
    if (!m_moved) {
      m_moved = true;  // a notification may still be on its way
      return false;
    }
    Notified(sequence);
    return true;
  }

 private:
  uint32_t m_seen = 0;
  bool m_moved = false;
};

}  // namespace pelmo
