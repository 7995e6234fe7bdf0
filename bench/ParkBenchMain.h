#pragma once
// The entry of every benchmark program that reads the demo park: headless
// backends, the park folder as the working directory, then Google Benchmark.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

// Returns the program's exit code; `name` is the program's name in the
// message printed when the park folder cannot be entered.
inline int RunParkBenchmarks(int argc, char** argv, const char* name) {
  setenv("HALVENOR_HEADLESS", "1", 1);
  if (chdir(HALVENOR_PARK_DIR) != 0) {
    std::fprintf(stderr, "%s: cannot enter %s\n", name, HALVENOR_PARK_DIR);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
