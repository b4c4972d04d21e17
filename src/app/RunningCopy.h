// One running copy per set of files. Pelmo's files are named after its executable, so two copies
// started from the same one would both save them, and the copy that ended last would drop the
// other's entries without a word. A second start of the same executable brings the running
// copy's strip into view and ends; copies under other names keep their own files.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

namespace pelmo {

class RunningCopy {
 public:
  // Claims the executable's name for this process, unless a running copy holds it.
  RunningCopy();
  bool IsFirst() const { return m_first; }
  // Asks the running copy to bring its strip into view, as the tray's Open does.
  void OpenFirst() const;
  // The message a strip answers with Open; the same in every copy of this executable.
  static UINT OpenMessage();

 private:
  ScopedHandle<HANDLE, ::CloseHandle> m_mutex;
  bool m_first = true;
};

}  // namespace pelmo
