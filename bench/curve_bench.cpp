// SPDX-License-Identifier: GPL-3.0-or-later
// One curve run at the plot's design size (about 7000 points), the way a Refresh does it: load
// and pre-fill the dialog, take over, compute and set every point, title, menu states.
#include <benchmark/benchmark.h>

#include "curves/curve_command.h"
#include "headless/headless_platform.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"

namespace velmora {
namespace {

void RunCurve(benchmark::State& state, const CurveRequest& request) {
  HeadlessPlatform platform;
  RetainedSurface surface(7752, 3135);
  MenuItem fileNew("mnuFileNew"), viewRefresh("mnuViewRefresh"), filePrint("mnuFilePrint");
  CurveCommand command(platform, surface, fileNew, viewRefresh, filePrint);
  command.request = request;
  command.Refresh();  // the first run sizes the display list once
  std::size_t points = 0;
  for (auto _ : state) {
    command.Refresh();
    points = surface.Image().items.size();
    benchmark::DoNotOptimize(points);
  }
  state.counters["N"] = command.lastLayout.N;
  state.counters["items"] = static_cast<double>(points);
}

CurveRequest VfOverD() {
  CurveRequest r;
  r.curveName = "Verkürzung Vf bei d";
  r.yName = "Vf";
  r.xName = "Draht-d";
  r.xUnit = "mm";
  r.yFullScale = 1;
  r.xFullScale = 15;
  r.value1Text = "10";
  r.value3Text = "3,6";
  r.materialText = "56 Cu";
  return r;
}

CurveRequest QaOverH() {
  CurveRequest r;
  r.curveName = "Ant. - Güte Qa bei h";
  r.yName = "Qa";
  r.xName = "Ant.-Höhe";
  r.xUnit = "[m]";
  r.yFullScale = 27;
  r.xFullScale = 83;
  r.value1Text = "39,58";
  r.value2Text = "2,05";
  r.value3Text = "3,6";
  r.materialText = "56 Cu";
  return r;
}

// The same curve with a diameter: every point computes.
CurveRequest Impedance() {
  CurveRequest r;
  r.curveName = "Draht-Zw bei Länge";
  r.yName = "Z";
  r.yUnit = "Ohm";
  r.xName = "Ant.-Länge";
  r.xUnit = "[m]";
  r.yFullScale = 1500;
  r.xFullScale = 83;
  r.value1Text = "10";
  r.value2Text = "2,05";
  r.value3Text = "3,6";
  r.materialText = "56 Cu";
  return r;
}

// Every point fails: without a wire diameter the impedance cannot be formed anywhere, so each
// point keeps the value 0 and is still set on the axis.
CurveRequest ImpedanceWithoutDiameter() {
  CurveRequest r = Impedance();
  r.value2Text.clear();
  return r;
}

void BM_CurveVfOverDiameter(benchmark::State& state) {
  RunCurve(state, VfOverD());
}
void BM_CurveQaOverHeight(benchmark::State& state) {
  RunCurve(state, QaOverH());
}
void BM_CurveImpedance(benchmark::State& state) {
  RunCurve(state, Impedance());
}
void BM_CurveEveryPointFails(benchmark::State& state) {
  RunCurve(state, ImpedanceWithoutDiameter());
}

BENCHMARK(BM_CurveVfOverDiameter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveQaOverHeight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveImpedance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveEveryPointFails)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
