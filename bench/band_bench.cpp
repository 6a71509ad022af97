// SPDX-License-Identifier: GPL-3.0-or-later
// The band design of the 80 m example (3,65 MHz, 12 m over average ground, 1,38 mm copper in
// 2,8 mm PVC): the closed form as the window computes it on every input, the whole NEC-2 side
// (resonance search and 41 frequencies), and its sweep in one nec2c run against the same sweep
// split over two runs at once. Real time decides: the work happens in the children. And a key
// typed into the band window with an analyser's sweep of N points loaded.
#include <benchmark/benchmark.h>

#include <complex>
#include <cstdio>
#include <fstream>
#include <string>

#include "band/band_design.h"
#include "band/band_session.h"
#include "band/frm_band.h"
#include "headless/headless_platform.h"
#include "nec/sweep.h"

#ifdef VELMORA_BENCH_QT
#include <QImage>
#include <QPainter>
#include <cmath>

#include "desktop/qt_surface.h"
#endif

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

// A sweep from 3 to 4 MHz whose X crosses zero at 3,6 MHz, as an analyser would save it.
std::string SweepFile(long points) {
  const std::string path = "/tmp/velmora-bench-" + std::to_string(points) + ".s1p";
  std::ofstream out(path);
  out << "# Hz S RI R 50\n";
  for (long i = 0; i < points; ++i) {
    const double f = 3e6 + 1e6 * static_cast<double>(i) / static_cast<double>(points - 1);
    const std::complex<double> z(50.0, 50.0 * (f - 3.6e6) / 1e5);
    const std::complex<double> s = (z - 50.0) / (z + 50.0);
    out << static_cast<long>(f) << ' ' << s.real() << ' ' << s.imag() << '\n';
  }
  return path;
}

// What the window does for one key in the height box: the closed form, the table and the plot's
// display list, and with Qt the plot painted as on a 96 dpi screen.
void BandWindowKey(benchmark::State& state) {
  HeadlessPlatform platform;
  band::FrmBand form(platform);
  form.Load(Example());
  std::string path;
  if (state.range(0) > 0) {
    path = SweepFile(state.range(0));
    form.Form_FileDrop(path);
  }
  bool flip = false;
#ifdef VELMORA_BENCH_QT
  constexpr double kPixelsPerTwip = 96.0 / 1440.0;
  QImage image(static_cast<int>(std::ceil(band::FrmBand::kPlotWidth * kPixelsPerTwip)),
               static_cast<int>(std::ceil(band::FrmBand::kPlotHeight * kPixelsPerTwip)),
               QImage::Format_RGB32);
#endif
  for (auto _ : state) {
    form.txtHoehe.text = (flip = !flip) ? "12" : "13";
    form.Input_Changed();
    benchmark::DoNotOptimize(form.picture.Image().items.size());
#ifdef VELMORA_BENCH_QT
    QPainter painter(&image);
    qt::RenderDisplayList(painter, form.picture.Image(), kPixelsPerTwip);
#endif
  }
  state.counters["items"] = static_cast<double>(form.picture.Image().items.size());
  if (!path.empty()) std::remove(path.c_str());
}

BENCHMARK(BandClosedForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BandWindowKey)->Arg(0)->Arg(1001)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BandNec)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BandSweep)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace velmora::bench
