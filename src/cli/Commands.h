// The sub-commands of pelmo-cli. Each returns the process exit status:
// 0 success, 1 the input held an error, 2 a usage error.
#pragma once

#include <string>
#include <vector>

namespace pelmo::cli {

using Arguments = std::vector<std::string>;

int RunCalc(const Arguments& args);
// calc --history [--json] FILE: the calculator history file's expressions, newest first.
int RunCalcHistory(const Arguments& args);
int RunItems(const Arguments& args);
int RunQuickRep(const Arguments& args);
int RunLink(const Arguments& args);
int RunLinks(const Arguments& args);
// journal FILE: the whole records of a sync journal (text, or the count of sealed ones).
int RunJournal(const Arguments& args);

}  // namespace pelmo::cli
