#include "framework/AnsiCodePage.h"

namespace pelmo {

// Natively the text is Windows-1252, a single-byte code page.
const LeadBytes& AnsiLeadBytes() {
  static const LeadBytes none;
  return none;
}

}  // namespace pelmo
