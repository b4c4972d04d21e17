// Reference values of the special functions (tests/data/calc/reference.txt, written by
// scripts/make-calc-reference), shared by the accuracy test and the accuracy report.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/ExpressionEvaluator.h"
#include "calc/FunctionTable.h"

namespace pelmo::test {

struct ReferencePoint {
  std::string function;
  int order = 0;
  double x = 0;
  double y = 0;
  long double value = 0;
};

inline std::vector<ReferencePoint> LoadReferenceData(const std::string& path) {
  std::vector<ReferencePoint> points;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string function, x, y, value;
    int order = 0;
    fields >> function >> order >> x >> y >> value;
    points.push_back({function, order, std::strtod(x.c_str(), nullptr),
                      std::strtod(y.c_str(), nullptr), std::strtold(value.c_str(), nullptr)});
  }
  return points;
}

// The calculator's value at a reference point, through the function table.
inline double CalculatorValue(const ReferencePoint& p) {
  const FunctionEntry* entry = FindFunction(p.function);
  if (entry == nullptr) return 0;
  ExpressionEvaluator evaluator;
  return evaluator.CallFunction(*entry, entry->arity, p.x, p.y, p.order);
}

}  // namespace pelmo::test
