#include <windows.h>

#include "framework/AnsiCodePage.h"

namespace pelmo {

const LeadBytes& AnsiLeadBytes() {
  static const LeadBytes leadBytes = [] {
    LeadBytes bytes;
    for (int byte = 0x80; byte < 0x100; ++byte) {
      bytes[byte] = ::IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
    }
    return bytes;
  }();
  return leadBytes;
}

}  // namespace pelmo
