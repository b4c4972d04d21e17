#include <cstdio>

#include "cli/Commands.h"

namespace pelmo::cli {

// Placeholders until the item files land.
int RunItems(const Arguments&) {
  std::fputs("pelmo-cli: items is not available yet\n", stderr);
  return 2;
}

int RunQuickRep(const Arguments&) {
  std::fputs("pelmo-cli: quickrep is not available yet\n", stderr);
  return 2;
}

}  // namespace pelmo::cli
