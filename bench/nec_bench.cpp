// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 cross-check with the real nec2c: one resonance search against one nec2c run of the
// same dipole, and against the bare start of a child process (/bin/true through the same runner).
// 3.6 MHz, 2.05 mm copper, 0.25 lambda high, 41 segments; and the insulated wire 1.38 mm copper in
// 2.8 mm PVC, 12 m high. Skipped when nec2c is not installed.
// Real time decides the iterations: the work happens in the child, this process only waits.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_results.h"
#include "nec/resonance.h"

namespace velmora::bench {
namespace {

constexpr double kLambda = 299.79245835031 / 3.6;

struct NecCase {
  const char* name;
  nec::Ground ground;
  bool insulated = false;
};
constexpr NecCase kNecCases[] = {{"free", nec::Ground::kFree},
                                 {"average", nec::Ground::kAverage},
                                 {"insulated-average", nec::Ground::kAverage, true}};

nec::Wire Dipole(const NecCase& c) {
  if (c.insulated) {
    return {3.6, 12, 1.38, 5.6e7, c.ground, nec::kDefaultSegments, nec::Insulation{4, 2.8}};
  }
  return {3.6, 0.25 * kLambda, 2.05, 5.6e7, c.ground, nec::kDefaultSegments, {}};
}

bool Installed(benchmark::State& state) {
  if (nec::Nec2cRunner().Locate()) return true;
  state.SkipWithError("nec2c is not installed (sudo apt-get install nec2c)");
  return false;
}

void NecSearch(benchmark::State& state, const NecCase& c) {
  if (!Installed(state)) return;
  nec::Nec2cRunner runner;
  int runs = 0;
  for (auto _ : state) {
    const nec::Result<nec::Resonance> found = nec::FindResonance(runner, Dipole(c));
    if (!found.ok()) {
      state.SkipWithError(found.failure().message.c_str());
      return;
    }
    runs = found.value().runs;
  }
  state.counters["runs"] = runs;
}

void NecRun(benchmark::State& state, const NecCase& c) {
  if (!Installed(state)) return;
  nec::Nec2cRunner runner;
  for (auto _ : state) {
    const nec::Result<nec::Impedance> z = nec::Evaluate(runner, Dipole(c), 0.48 * kLambda);
    if (!z.ok()) {
      state.SkipWithError(z.failure().message.c_str());
      return;
    }
  }
}

void ProcessStart(benchmark::State& state) {
  nec::Nec2cRunner runner({"/bin/true", std::nullopt, std::chrono::seconds(10)});
  for (auto _ : state) {
    benchmark::DoNotOptimize(runner.Run("", {}).ok());
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  for (const NecCase& c : kNecCases) {
    benchmark::RegisterBenchmark((std::string("NecSearch/") + c.name).c_str(), NecSearch, c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark((std::string("NecRun/") + c.name).c_str(), NecRun, c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  benchmark::RegisterBenchmark("NecProcessStart", ProcessStart)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  return true;
}();

}  // namespace
}  // namespace velmora::bench
