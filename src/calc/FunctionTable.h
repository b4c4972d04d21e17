// The calculator's built-in functions: one constant table, looked up by exact name.
#pragma once

#include <cstdint>
#include <string>

namespace pelmo {

struct FunctionEntry {
  char name[12];
  std::int32_t arity;
  std::int32_t code;
  const char* help;
};

constexpr int kFunctionCount = 71;
extern const FunctionEntry kFunctionTable[kFunctionCount];

// The row whose name equals `name` exactly (case matters), or null.
const FunctionEntry* FindFunction(const std::string& name);

}  // namespace pelmo
