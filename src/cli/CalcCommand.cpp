#include <cstdio>

#include "cli/Commands.h"

namespace pelmo::cli {

// Placeholder until the evaluator lands.
int RunCalc(const Arguments&) {
  std::fputs("pelmo-cli: calc is not available yet\n", stderr);
  return 2;
}

}  // namespace pelmo::cli
