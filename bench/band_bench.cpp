// SPDX-License-Identifier: GPL-3.0-or-later
// The band design of the 80 m example (3,65 MHz, 12 m over average ground, 1,38 mm copper in
// 2,8 mm PVC): the closed form as the window computes it on every input, the whole NEC-2 side
// (resonance search and 41 frequencies), and its sweep in one nec2c run against the same sweep
// split over two runs at once. Real time decides: the work happens in the children.
#include <benchmark/benchmark.h>

#include "band/band_design.h"
#include "band/band_session.h"
#include "nec/sweep.h"

namespace velmora::bench {
namespace {

band::BandTexts Example() {
  band::BandTexts texts;
  texts.frequency = "3,65";
  texts.outerDiameter = "2,8";
  texts.insulation = "4,0   PVC (3,5...4,5)";
  return texts;
}

// The NEC-2 resonant length of the example, 38,3576 m.
constexpr double kNecLength = 38.3576;

void BandClosedForm(benchmark::State& state) {
  for (auto _ : state) {
    const nec::Result<band::BandInputs> inputs = band::ReadTexts(Example());
    benchmark::DoNotOptimize(band::ComputeClosedForm(inputs.value()));
  }
}

bool Installed(benchmark::State& state) {
  if (nec::Nec2cRunner().Locate()) return true;
  state.SkipWithError("nec2c is not installed (sudo apt-get install nec2c)");
  return false;
}

void BandNec(benchmark::State& state) {
  if (!Installed(state)) return;
  nec::Nec2cRunner runner;
  const band::BandInputs inputs = band::ReadTexts(Example()).value();
  for (auto _ : state) {
    const nec::Result<band::NecBand> found = band::ComputeNec(runner, inputs);
    if (!found.ok()) return state.SkipWithError(found.failure().message.c_str());
    state.counters["runs"] = found.value().runs;
  }
}

void BandSweep(benchmark::State& state) {
  if (!Installed(state)) return;
  nec::Nec2cRunner runner;
  const band::BandInputs inputs = band::ReadTexts(Example()).value();
  const nec::Frequencies samples = band::SampleFrequencies(inputs.fromMHz, inputs.toMHz);
  for (auto _ : state) {
    const auto points = nec::RunSweepInParts(runner, band::NecWire(inputs), kNecLength, samples,
                                             static_cast<int>(state.range(0)));
    if (!points.ok()) return state.SkipWithError(points.failure().message.c_str());
  }
}

BENCHMARK(BandClosedForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BandNec)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BandSweep)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace velmora::bench
