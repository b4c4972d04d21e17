// One-shot evaluation of calculator lines, next to muparser parsing and evaluating the same
// lines once.   build/<dir>/bench/calc/calc_speed
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/ExpressionEvaluator.h"
#include "calc/HigherFunctions.h"

namespace {

const std::string kSample = "2*sin(pi/4)+bessj[2](1.5)";
// The same computation in muparser's syntax; bessj2 is the calculator's own J2.
const std::string kSampleMuparser = "2*sin(_pi/4)+bessj2(1.5)";

// 200 characters of plain arithmetic, read alike by both.
std::string ArithmeticLine() {
  const std::string pieces[] = {"(12.5+3.75)*2", "-7/4",           "+(8.125-1.5)/3",
                                "*0.5",          "+((6+2)*(3-1))", "-9.75"};
  std::string line = "1";
  for (int i = 0; line.size() < 190; ++i)
    line += pieces[i % 6].front() == '(' ? "+" + pieces[i % 6] : pieces[i % 6];
  while (line.size() < 199) line += "0";
  return line + "1";
}
const std::string kArithmetic = ArithmeticLine();

double BesselJ2(double x) {
  return pelmo::special::BesselJn(2, x);
}

double Pelmo(const std::string& line) {
  pelmo::ExpressionEvaluator evaluator;
  return evaluator.Evaluate(line);
}

double Muparser(const std::string& line) {
  mu::Parser parser;
  parser.DefineFun("bessj2", BesselJ2);
  parser.SetExpr(line);
  return parser.Eval();
}

void BM_PelmoSample(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Pelmo(kSample));
}
void BM_MuparserSample(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Muparser(kSampleMuparser));
}
void BM_MuparserSampleReusedParser(benchmark::State& state) {
  mu::Parser parser;
  parser.DefineFun("bessj2", BesselJ2);
  for (auto _ : state) {
    parser.SetExpr(kSampleMuparser);
    benchmark::DoNotOptimize(parser.Eval());
  }
}
void BM_PelmoArithmetic200(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Pelmo(kArithmetic));
}
void BM_MuparserArithmetic200(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Muparser(kArithmetic));
}
void BM_MuparserArithmetic200ReusedParser(benchmark::State& state) {
  mu::Parser parser;
  for (auto _ : state) {
    parser.SetExpr(kArithmetic);
    benchmark::DoNotOptimize(parser.Eval());
  }
}

BENCHMARK(BM_PelmoSample);
BENCHMARK(BM_MuparserSample);
BENCHMARK(BM_MuparserSampleReusedParser);
BENCHMARK(BM_PelmoArithmetic200);
BENCHMARK(BM_MuparserArithmetic200);
BENCHMARK(BM_MuparserArithmetic200ReusedParser);

}  // namespace

int main(int argc, char** argv) {
  // Both must compute the same values, or the comparison means nothing.
  const double sample[] = {Pelmo(kSample), Muparser(kSampleMuparser)};
  const double arithmetic[] = {Pelmo(kArithmetic), Muparser(kArithmetic)};
  std::printf("sample: %.17g / %.17g\n200-character line (%zu): %.17g / %.17g\n", sample[0],
              sample[1], kArithmetic.size(), arithmetic[0], arithmetic[1]);
  if (std::fabs(sample[0] - sample[1]) > 1e-12 || std::fabs(arithmetic[0] - arithmetic[1]) > 1e-9) {
    return EXIT_FAILURE;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
