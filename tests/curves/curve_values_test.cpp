// The value of each point, by curve type, against the formula functions called directly.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "curve_session.h"
#include "formulas/antenna.h"
#include "formulas/parse.h"

namespace velmora {
namespace {

using testing::CurveSession;

struct Inputs {
  std::string value1, value2, value3, material = "56 Cu";
};

// The point value for x, every step succeeding, computed straight from the formulas.
double Expected(const std::string& curve, const Inputs& in, std::int16_t realGround, double x) {
  const float in1 = ParseDecimal(in.value1);
  const float in2 = ParseDecimal(in.value2);
  const float f = ParseDecimal(in.value3);
  const float sigma = ParseDecimal(in.material);
  const float dPrep = in2 > 0 ? static_cast<float>(in2 / 1000.0) : in2;
  auto vf = [&](float freq, float h, float dmm) {
    const double w = WireShorteningPercent(freq, dmm).value();
    const double s = HeightShorteningPercent(freq, h, realGround);
    return static_cast<double>(static_cast<float>((100.0 - s) * (100.0 - w) / 10000.0));
  };
  auto impedance = [](float L, float d, float h) {
    return 276.0 * Log10(L / (d * std::sqrt(1.0 + L / (4.0 * h)))).value();
  };
  auto qa = [&](float L, float d, float h, float Rv) {
    const double Rve = realGround != 0 ? GroundLossResistance(f, h, L, d).value() : 0.0;
    const float R = static_cast<float>(Rv + Rve);
    const float Rs = RadiationResistance(f, h, -1);
    return (kPi / 4.0) * (impedance(L, d, h) / (static_cast<double>(Rs) + R));
  };
  const float xs = static_cast<float>(x);
  if (curve == "Verkürzung Vf bei d") {
    const float dm = static_cast<float>(xs / 1000.0);
    return vf(f, static_cast<float>(in1 - dm / 2.0), xs);
  }
  if (curve == "Verkürzung Vf bei h") {
    return vf(f, static_cast<float>(xs - dPrep / 2.0), static_cast<float>(dPrep * 1000.0));
  }
  if (curve == "Verkürzung Vf bei f") return vf(xs, in1, static_cast<float>(dPrep * 1000.0));
  if (curve == "Strahlungswiderstand Rs") return RadiationResistance(f, xs, realGround);
  if (curve == "Draht-Zw bei Länge") return impedance(xs, dPrep, in1);
  if (curve == "Bodendämpfung Rve") {
    return GroundLossResistance(f, xs, in1, static_cast<float>(in2 / 1000.0)).value();
  }
  if (curve == "Ant. - Güte Qa bei h") {
    const float Rv = static_cast<float>(ConductorLossResistance(in1, dPrep, f, sigma).value());
    return qa(in1, dPrep, xs, Rv);
  }
  if (curve == "Ant. - Güte Qa bei d") {
    const float d = static_cast<float>(x / 1000.0);
    const float Rv = static_cast<float>(ConductorLossResistance(in1, d, f, sigma).value());
    return qa(in1, d, in2, Rv);
  }
  ADD_FAILURE() << "no such curve " << curve;
  return 0;
}

// Runs one request redraw-style and hands back the trace.
CurveTrace RunCurve(const std::string& curve, const Inputs& in, std::int16_t yFull,
                    std::int16_t xFull, bool freeSpace = false) {
  CurveSession s;
  CurveRequest& r = s.command.request;
  r.curveName = curve;
  r.value1Text = in.value1;
  r.value2Text = in.value2;
  r.value3Text = in.value3;
  r.materialText = in.material;
  r.yFullScale = yFull;
  r.xFullScale = xFull;
  s.command.acceptedFreeSpace = freeSpace ? -1 : 0;
  s.command.Refresh();
  return s.trace;
}

struct ValueRow {
  const char* name;
  const char* curve;
  Inputs in;
  std::int16_t yFull, xFull;
  bool freeSpace;
};

class CurveValueTest : public ::testing::TestWithParam<ValueRow> {};

TEST_P(CurveValueTest, PointsCarryTheFormulaValues) {
  const ValueRow& row = GetParam();
  const CurveTrace t = RunCurve(row.curve, row.in, row.yFull, row.xFull, row.freeSpace);
  const CurveLayout& l = t.layout;
  ASSERT_EQ(t.samples.size(), static_cast<std::size_t>(l.N));
  EXPECT_EQ(t.samples.front().x, 1.0 / l.ux);  // never evaluated at x = 0
  const std::int16_t realGround = row.freeSpace ? 0 : -1;
  const int q = l.percent ? 100 : 1;
  for (int p : {1, 2, l.N / 3, l.N / 2, l.N}) {
    SCOPED_TRACE("p = " + std::to_string(p));
    const CurveTrace::Sample& sample = t.samples[p - 1];
    ASSERT_EQ(sample.p, p);
    // Deterministic double and single arithmetic in the same order: bit-exact.
    EXPECT_EQ(sample.y, Expected(row.curve, row.in, realGround, sample.x));
    // Drawn where its height puts it, when that lies below the top limit.
    const double n = (sample.y * q - l.k0) * l.uy;
    bool drawn = false;
    for (const auto& point : t.points) {
      if (point.p != p) continue;
      drawn = true;
      EXPECT_EQ(point.x, static_cast<float>(l.m + p));
      EXPECT_EQ(point.y, static_cast<float>(l.m + n));
    }
    EXPECT_EQ(drawn, n <= l.T);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Types, CurveValueTest,
    ::testing::Values(
        ValueRow{"VfOverD", "Verkürzung Vf bei d", {"10", "", "3,6"}, 1, 15, false},
        ValueRow{"VfOverH", "Verkürzung Vf bei h", {"", "2,05", "3,6"}, 1, 83, false},
        ValueRow{"VfOverF", "Verkürzung Vf bei f", {"10", "2,05", ""}, 1, 31, false},
        ValueRow{"VfOverFFree", "Verkürzung Vf bei f", {"10", "2,05", ""}, 1, 31, true},
        ValueRow{"Rs", "Strahlungswiderstand Rs", {"39,59", "2,05", "3,6"}, 115, 75, false},
        ValueRow{"Impedance", "Draht-Zw bei Länge", {"10", "2,05", "3,6"}, 1500, 83, false},
        ValueRow{"GroundLoss", "Bodendämpfung Rve", {"39,58", "2,05", "3,6"}, 27, 83, false},
        ValueRow{"QaOverH", "Ant. - Güte Qa bei h", {"39,58", "2,05", "3,6"}, 27, 83, false},
        ValueRow{"QaOverHFree", "Ant. - Güte Qa bei h", {"39,58", "2,05", "3,6"}, 27, 83, true},
        ValueRow{"QaOverD", "Ant. - Güte Qa bei d", {"39,59", "10", "3,6", "35 Al"}, 27, 10, false},
        ValueRow{"QaOverDSilver",
                 "Ant. - Güte Qa bei d",
                 {"39,59", "10", "3,6", "62,5 Ag"},
                 27,
                 10,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

// Failing steps: the target keeps its previous value, so a curve goes on flat.
struct FailureRow {
  const char* name;
  const char* curve;
  Inputs in;
  std::int16_t yFull, xFull;
  double everyY;  // the value every point carries
};

class CurveFailureTest : public ::testing::TestWithParam<FailureRow> {};

TEST_P(CurveFailureTest, EveryPointCarriesTheSameValue) {
  const FailureRow& row = GetParam();
  const CurveTrace t = RunCurve(row.curve, row.in, row.yFull, row.xFull);
  ASSERT_FALSE(t.samples.empty());
  for (const auto& sample : t.samples) {
    ASSERT_EQ(sample.y, row.everyY) << "p = " << sample.p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CurveFailureTest,
    ::testing::Values(
        // f = 0: no wavelength; the height shortening gives 100 %, so Vf = 0.
        FailureRow{"VfOverDFrequencyZero", "Verkürzung Vf bei d", {"10", "", "0"}, 1, 15, 0.0},
        // Height 0 less the wire radius is negative: 100 % again.
        FailureRow{"VfOverDHeightZero", "Verkürzung Vf bei d", {"0", "", "3,6"}, 1, 15, 0.0},
        FailureRow{"RsFrequencyZero", "Strahlungswiderstand Rs", {"", "", "0"}, 115, 75, 73.0},
        // Without a diameter the impedance fails everywhere and keeps its starting 0.
        FailureRow{"ImpedanceNoDiameter", "Draht-Zw bei Länge", {"10", "", "3,6"}, 1500, 83, 0.0},
        FailureRow{
            "ImpedanceHeightZero", "Draht-Zw bei Länge", {"0", "2,05", "3,6"}, 1500, 83, 0.0},
        FailureRow{"QaNoDiameter", "Ant. - Güte Qa bei h", {"39,58", "", "3,6"}, 27, 83, 0.0},
        FailureRow{"GroundLossNoDiameter", "Bodendämpfung Rve", {"39,58", "", "3,6"}, 27, 83, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurveFailures, EmptyDiameterLeavesOnlyTheHeightEffect) {
  for (const char* curve : {"Verkürzung Vf bei h", "Verkürzung Vf bei f"}) {
    SCOPED_TRACE(curve);
    const CurveTrace t = RunCurve(curve, {"10", "", "3,6"}, 1, 83);
    for (int p : {1, 100, 5000}) {
      const auto& sample = t.samples[p - 1];
      const bool overH = std::string(curve) == "Verkürzung Vf bei h";
      const float f = overH ? 3.6f : static_cast<float>(sample.x);
      const float h = overH ? static_cast<float>(sample.x) : 10.0f;
      const double s = HeightShorteningPercent(f, h, -1);
      EXPECT_EQ(sample.y, static_cast<float>((100.0 - s) * 100.0 / 10000.0));
    }
  }
}

TEST(CurveFailures, HeightFailingBeyondSomeLengthCarriesTheLastImpedanceOver) {
  // Height -5 m: the root of 1 + L / (4 h) fails from L = 20 m on; Z keeps its last value.
  const Inputs in{"-5", "2,05", "3,6"};
  CurveSession s;
  s.surface.SetSize(7752, 4000);  // uy = 1 at a full scale of 3000: the whole curve fits
  CurveRequest& r = s.command.request;
  r.curveName = "Draht-Zw bei Länge";
  r.value1Text = in.value1;
  r.value2Text = in.value2;
  r.value3Text = in.value3;
  r.yFullScale = 3000;
  r.xFullScale = 83;
  s.command.Refresh();
  const CurveTrace& t = s.trace;
  const CurveTrace::Sample* lastGood = nullptr;
  int carried = 0;
  for (const auto& sample : t.samples) {
    if (static_cast<float>(sample.x) < 20.0f) {
      lastGood = &sample;
      ASSERT_EQ(sample.y, Expected("Draht-Zw bei Länge", in, -1, sample.x));
    } else {
      ASSERT_NE(lastGood, nullptr);
      ASSERT_EQ(sample.y, lastGood->y) << "p = " << sample.p;
      ++carried;
    }
  }
  EXPECT_GT(carried, 4000);
  EXPECT_GT(lastGood->y, 1000.0);
  // The carried points are drawn too: the curve goes on flat to the end.
  ASSERT_EQ(t.points.size(), t.samples.size());
  EXPECT_EQ(t.points.back().y, t.points[lastGood->p - 1].y);
}

}  // namespace
}  // namespace velmora
