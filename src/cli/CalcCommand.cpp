// pelmo-cli calc: prints what the calculator's result field shows after "=". With --history it
// lists the calculator's history file instead (ItemsCommand.cpp).
#include <cstdio>
#include <iostream>
#include <string>

#include "calc/ExpressionEvaluator.h"
#include "cli/Commands.h"

namespace pelmo::cli {
namespace {

// Prints the value or the error message; returns whether it evaluated without error.
bool PrintResult(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  const std::string text =
      evaluator.HasError() ? evaluator.GetErrorMessage() : ExpressionEvaluator::FormatResult(value);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  return !evaluator.HasError();
}

}  // namespace

int RunCalc(const Arguments& args) {
  if (!args.empty() && args[0] == "--history")
    return RunCalcHistory(Arguments(args.begin() + 1, args.end()));
  bool allGood = true;
  if (args.empty()) {
    std::string line;
    while (std::getline(std::cin, line)) allGood = PrintResult(line) && allGood;
  } else {
    for (const std::string& expression : args) allGood = PrintResult(expression) && allGood;
  }
  return allGood ? 0 : 1;
}

}  // namespace pelmo::cli
