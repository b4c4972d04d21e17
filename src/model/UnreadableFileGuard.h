// The rule for a file that is there but could not be read when it was loaded (a folder of that
// name, no permission, held open by another program, not enough memory to read it): saving it
// would replace what the user saved in it with only what is in memory now, so every save after
// that load leaves it alone. The load reports it; the first save that leaves it alone says so
// again, once, and later ones say nothing. The next load starts afresh.
#pragma once

#include <string>

namespace pelmo {

class UnreadableFileGuard {
 public:
  enum class Save { kWrite, kLeaveAloneAndSay, kLeaveAlone };

  // Takes what a load found: why a file that is there could not be read; empty when it was read
  // or is not there.
  void Loaded(const std::string& unreadable) {
    m_unreadable = !unreadable.empty();
    m_refusalSaid = false;
  }

  bool Unreadable() const { return m_unreadable; }

  // Asked by every save before it writes.
  Save BeforeSave() {
    if (!m_unreadable) return Save::kWrite;
    if (m_refusalSaid) return Save::kLeaveAlone;
    m_refusalSaid = true;
    return Save::kLeaveAloneAndSay;
  }

 private:
  bool m_unreadable = false;
  bool m_refusalSaid = false;
};

}  // namespace pelmo
