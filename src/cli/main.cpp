// pelmo-cli: the program's portable engine on the command line.
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const pelmo::cli::Arguments&);
};

const Command kCommands[] = {
    {"calc",
     "calc [EXPR...]        evaluate expressions (one per line from stdin without EXPR)\n"
     "  pelmo-cli calc --history [--json] FILE  list a calculator history file, newest first",
     pelmo::cli::RunCalc},
    {"items", "items [--json] FILE   list the history, ClipBook and links of an items file",
     pelmo::cli::RunItems},
    {"quickrep", "quickrep [--json] FILE  list the pairs of a Quick Replace file",
     pelmo::cli::RunQuickRep},
    {"link", "link < TEXT           print the link recognised in the text (exit 1: none)",
     pelmo::cli::RunLink},
    {"links", "links [--html OUT] FILE  list the captured links of an items file, or export them",
     pelmo::cli::RunLinks},
    {"journal", "journal FILE          list the whole records of a sync journal, oldest first",
     pelmo::cli::RunJournal},
};

int Usage() {
  std::fputs("usage: pelmo-cli COMMAND [ARGS]\n", stderr);
  for (const Command& c : kCommands) std::fprintf(stderr, "  pelmo-cli %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) == 0)
      return c.run(pelmo::cli::Arguments(argv + 2, argv + argc));
  }
  return Usage();
}
