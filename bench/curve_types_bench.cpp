// SPDX-License-Identifier: GPL-3.0-or-later
// Every curve type with the values its dialog defaults leave, at the design size and at 4K: the
// engine run, the run painted into an image, and the bare formula loop over the same points.
#include <benchmark/benchmark.h>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "bench/bench_results.h"
#include "curves/curve_command.h"
#include "curves/curve_types.h"
#include "formulas/antenna.h"
#include "formulas/parse.h"
#include "headless/headless_platform.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"

#ifdef VELMORA_BENCH_QT
#include <QImage>
#include <QPainter>

#include "desktop/qt_surface.h"
#endif

namespace velmora::bench {

#ifdef VELMORA_BENCH_QT
bool CanPaintImages() {
  return true;
}
#else
bool CanPaintImages() {
  return false;
}
#endif

namespace {

struct CurveCase {
  const char* name;
  std::string_view choice;
  const char* value2;  // nullptr: as the dialog leaves it
};

constexpr CurveCase kCases[] = {
    {"VfF", kCurveVfF, nullptr},
    {"VfD", kCurveVfD, nullptr},
    {"VfH", kCurveVfH, nullptr},
    {"Rs", kCurveRs, nullptr},
    {"QaH", kCurveQaH, nullptr},
    {"QaD", kCurveQaD, nullptr},
    {"Z", kCurveZ, nullptr},
    {"Rve", kCurveRve, nullptr},
    // Without a wire diameter no point of the impedance curve can be computed.
    {"ZEveryPointFails", kCurveZ, ""},
};

double LineHeight() {
#ifdef VELMORA_BENCH_QT
  return qt::PlotLineHeightTwips();
#else
  return kDefaultLineHeightTwips;
#endif
}

// A main window's curve state with one accepted curve: the dialog opened, the type picked (the
// ground-loss curve typed, as the list does not offer it), the defaults taken, OK.
class AcceptedCurve {
 public:
  AcceptedCurve(const CurveCase& c, const PlotSize& size)
      : surface_(size.width, size.height, LineHeight()) {
    platform_.modalScripts["frmEingabe"] = [&c](Form& form) {
      auto& dlg = static_cast<FrmEingabe&>(form);
      dlg.Form_Activate();
      dlg.Combo1.text = std::string(c.choice);
      dlg.Combo1_Click();
      if (c.value2 != nullptr) dlg.Text8.text = c.value2;
      dlg.OKButton_Click();
    };
    CurveTrace trace;
    command_.trace = &trace;
    command_.Run();
    command_.trace = nullptr;
    layout_ = trace.layout;  // the program keeps no trace: neither does the benchmark
  }

  void Redraw() { command_.Refresh(); }
  const DisplayList& Image() const { return surface_.Image(); }
  const CurveRequest& Request() const { return command_.request; }
  const CurveLayout& Layout() const { return layout_; }
  bool FreeSpace() const { return command_.acceptedFreeSpace != 0; }

 private:
  HeadlessPlatform platform_;
  RetainedSurface surface_;
  MenuItem fileNew_{"mnuFileNew"}, viewRefresh_{"mnuViewRefresh"}, filePrint_{"mnuFilePrint"};
  CurveCommand command_{platform_, surface_, fileNew_, viewRefresh_, filePrint_};
  CurveLayout layout_;
};

// The points of one run computed with the formulas alone: no steps, no drawing.
double FormulaLoop(CurveType type, const CurveRequest& r, const CurveLayout& layout,
                   std::int16_t realGround) {
  const float in1 = ParseDecimal(r.value1Text);
  const float in2 = ParseDecimal(r.value2Text);
  const float in3 = ParseDecimal(r.value3Text);
  const float sigma = ParseDecimal(r.materialText);
  const float f = in3;
  const float L = in1;
  const float d = in2 > 0 ? static_cast<float>(in2 / 1000.0f) : in2;
  const float rv = static_cast<float>(ConductorLossResistance(L, d, f, sigma).value());
  auto impedance = [](double length, double diameter, double height) {
    return 276.0 * Log10(length / (diameter * std::sqrt(1.0f + length / (4.0f * height)))).value();
  };
  auto vf = [](float s, float w) { return static_cast<float>((100.0f - s) * (100.0f - w) / 1e4f); };
  const double dx = 1.0 / layout.ux;
  double x = 0;
  double sum = 0;
  for (std::int32_t p = 0; p <= layout.N; ++p) {
    x += dx;
    const auto xs = static_cast<float>(x);
    double y = 0;
    switch (type) {
      case CurveType::kVfD: {
        const float h = static_cast<float>(in1 - xs / 1000.0f / 2.0f);
        y = vf(HeightShorteningPercent(in3, h, realGround),
               static_cast<float>(WireShorteningPercent(in3, xs).value()));
        break;
      }
      case CurveType::kVfH:
        y = vf(HeightShorteningPercent(f, static_cast<float>(xs - d / 2.0f), realGround),
               static_cast<float>(WireShorteningPercent(f, d * 1000.0f).value()));
        break;
      case CurveType::kVfF:
        y = vf(HeightShorteningPercent(xs, in1, realGround),
               static_cast<float>(WireShorteningPercent(xs, d * 1000.0f).value()));
        break;
      case CurveType::kQaH: {
        const double rve = realGround != 0 ? GroundLossResistance(f, xs, L, d).value() : 0.0;
        y = kPi / 4.0 * impedance(L, d, xs) /
            (RadiationResistance(f, xs, -1) + static_cast<float>(rv + rve));
        break;
      }
      case CurveType::kQaD: {
        const auto dm = static_cast<float>(x / 1000.0);
        const double rve = realGround != 0 ? GroundLossResistance(f, in2, L, dm).value() : 0.0;
        const auto rvd = static_cast<float>(ConductorLossResistance(L, dm, f, sigma).value());
        y = kPi / 4.0 * impedance(L, dm, in2) /
            (RadiationResistance(f, in2, -1) + static_cast<float>(rvd + rve));
        break;
      }
      case CurveType::kZ:
        y = impedance(xs, d, in1);
        break;
      case CurveType::kRve:
        y = GroundLossResistance(in3, xs, in1, static_cast<float>(in2 / 1000.0f)).value();
        break;
      case CurveType::kRs:
        y = RadiationResistance(in3, xs, realGround);
        break;
      case CurveType::kUnknown:
        break;
    }
    sum += y;
  }
  return sum;
}

void Floor(benchmark::State& state, const CurveCase& c, const PlotSize& size) {
  const AcceptedCurve curve(c, size);
  const CurveType type = CurveTypeOf(curve.Request().curveName);
  const std::int16_t realGround = curve.FreeSpace() ? 0 : -1;
  for (auto _ : state) {
    ClearUpperVectorState();
    benchmark::DoNotOptimize(FormulaLoop(type, curve.Request(), curve.Layout(), realGround));
  }
  state.counters["points"] = curve.Layout().N + 1;
}

void Curve(benchmark::State& state, const CurveCase& c, const PlotSize& size) {
  AcceptedCurve curve(c, size);
  for (auto _ : state) {
    curve.Redraw();
    benchmark::DoNotOptimize(curve.Image().items.data());
  }
  state.counters["items"] = static_cast<double>(curve.Image().items.size());
}

#ifdef VELMORA_BENCH_QT
// The redraw a resize causes: the run, then the plot painted into the window's backing image.
void CurveImage(benchmark::State& state, const CurveCase& c, const PlotSize& size) {
  AcceptedCurve curve(c, size);
  constexpr double kPixelsPerTwip = 96.0 / 1440.0;
  QImage image(static_cast<int>(std::ceil(size.width * kPixelsPerTwip)),
               static_cast<int>(std::ceil(size.height * kPixelsPerTwip)), QImage::Format_RGB32);
  for (auto _ : state) {
    curve.Redraw();
    QPainter painter(&image);
    qt::RenderDisplayList(painter, curve.Image(), kPixelsPerTwip);
  }
  benchmark::DoNotOptimize(image.constBits());
}
#endif

[[maybe_unused]] const bool kRegistered = [] {
  for (const PlotSize* size : {&kDesignSize, &k4kSize}) {
    for (const CurveCase& c : kCases) {
      const std::string name = std::string(c.name) + "/" + size->name;
      benchmark::RegisterBenchmark(("Floor/" + name).c_str(), Floor, c, *size)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("Curve/" + name).c_str(), Curve, c, *size)
          ->Unit(benchmark::kMillisecond);
#ifdef VELMORA_BENCH_QT
      benchmark::RegisterBenchmark(("CurveImage/" + name).c_str(), CurveImage, c, *size)
          ->Unit(benchmark::kMillisecond);
#endif
    }
  }
  return true;
}();

}  // namespace
}  // namespace velmora::bench
