// The entry of the benchmarks that make windows: they need a backend, and the headless
// one serves wherever there is no display (PLATFORM_BACKEND picks another).
#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("PLATFORM_BACKEND", "headless", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
