// SPDX-License-Identifier: GPL-3.0-or-later
// The single-value calculation behind the OK button, for every choice with its dialog defaults,
// against the formula calls it makes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "bench/bench_results.h"
#include "formulas/antenna.h"
#include "formulas/parse.h"
#include "headless/headless_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::bench {
namespace {

struct SingleCase {
  const char* name;
  const char* choice;
};

constexpr SingleCase kCases[] = {
    {"ResonantLength", kChoiceResonantLength}, {"Vf", kChoiceVelocityFactor},
    {"Rs", kChoiceRadiationResistance},        {"QaH", kChoiceQualityAtHeight},
    {"QaD", kChoiceQualityAtDiameter},         {"Rve", kChoiceGroundLoss},
};

// The dialog as the user leaves it after picking the choice: its defaults filled in.
struct OpenDialog {
  explicit OpenDialog(const char* choice) {
    dialog.Load();
    dialog.Form_Activate();
    dialog.Combo1.text = choice;
    dialog.Combo1_Click();
  }
  HeadlessPlatform platform;
  FrmEinzelEingabe dialog{platform};
};

void Single(benchmark::State& state, const SingleCase& c) {
  OpenDialog open(c.choice);
  for (auto _ : state) {
    open.dialog.OKButton_Click();
    benchmark::DoNotOptimize(open.dialog.Label3.caption.data());
  }
}

// The formulas the calculation and its conductor-loss readout call, on the same inputs.
double Formulas(const FrmEinzelEingabe& d) {
  const std::string choice = d.Combo1.text;
  const float h = ParseDecimal(d.Text6.text);
  const float v1 = ParseDecimal(d.Text7.text);
  const float dm = ParseDecimal(d.Text8.text) / 1000.0f;
  const float f = ParseDecimal(d.Text9.text);
  const float sigma = ParseDecimal(d.Combo2.text);
  const std::int16_t realGround = d.Check1.value == 0 ? -1 : 0;
  if (choice == kChoiceResonantLength) {
    const float dc = ParseDecimal(d.Text2.text);
    const auto w = static_cast<float>(WireShorteningPercent(v1, dc).value());
    const float s = HeightShorteningPercent(v1, h, -1);
    const auto vf0 = static_cast<float>((100.0f - s) * (100.0f - w) / 10000.0f);
    const double ins =
        InsulationShortening(ParseDecimal(d.Combo3.text), ParseDecimal(d.Text1.text), dc, vf0)
            .value();
    return ResonantDipoleLength(1.0f, vf0, ins, v1).value();
  }
  if (choice == kChoiceVelocityFactor) {
    return WireShorteningPercent(f, dm * 1000.0f).value() +
           HeightShorteningPercent(f, h, realGround);
  }
  const double rv = ConductorLossResistance(v1, dm, f, sigma).value();
  if (choice == kChoiceRadiationResistance) return RadiationResistance(f, h, realGround) + rv;
  if (choice == kChoiceGroundLoss) return GroundLossResistance(f, h, v1, dm).value() + rv;
  const double rve = GroundLossResistance(f, h, v1, dm).value();
  const double z = 276.0 * Log10(v1 / (dm * std::sqrt(1.0f + v1 / (4.0f * h)))).value();
  return kPi / 4.0 * z / (RadiationResistance(f, h, -1) + rv + rve) + rv;
}

void SingleFloor(benchmark::State& state, const SingleCase& c) {
  const OpenDialog open(c.choice);
  for (auto _ : state) {
    ClearUpperVectorState();
    benchmark::DoNotOptimize(Formulas(open.dialog));
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  for (const SingleCase& c : kCases) {
    benchmark::RegisterBenchmark((std::string("SingleFloor/") + c.name).c_str(), SingleFloor, c);
    benchmark::RegisterBenchmark((std::string("Single/") + c.name).c_str(), Single, c);
  }
  return true;
}();

}  // namespace
}  // namespace velmora::bench
