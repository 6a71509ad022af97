// SPDX-License-Identifier: GPL-3.0-or-later
// The value of each point by curve type, and where its height puts the point.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "curve_session.h"

namespace velmora {
namespace {

struct ValueRow {
  const char* name;
  const char* curve;
  const char *value1, *value2, *value3;
  std::int16_t yFull, xFull;
  bool freeSpace;
  double first, last;  // the values at p = 1 and p = N; equal: every point carries them
  const char* material = "56 Cu";
};

bool Same(double a, double b) {
  return std::isnan(a) ? std::isnan(b) : std::abs(a - b) <= 1e-6 * std::abs(b);
}

class CurveValueTest : public ::testing::TestWithParam<ValueRow> {};

TEST_P(CurveValueTest, PointsCarryTheirValuesWhereTheirHeightsPutThem) {
  const ValueRow& row = GetParam();
  testing::CurveSession s;
  CurveRequest& r = s.command.request;
  r.curveName = row.curve;
  r.value1Text = row.value1;
  r.value2Text = row.value2;
  r.value3Text = row.value3;
  r.materialText = row.material;
  r.yFullScale = row.yFull;
  r.xFullScale = row.xFull;
  s.command.acceptedFreeSpace = row.freeSpace ? -1 : 0;
  s.command.Refresh();
  const CurveTrace& t = s.trace;
  const CurveLayout& l = t.layout;
  ASSERT_EQ(t.samples.size(), static_cast<std::size_t>(l.N));
  EXPECT_EQ(t.samples.front().x, 1.0 / l.ux);  // never evaluated at x = 0
  EXPECT_TRUE(Same(t.samples.front().y, row.first)) << t.samples.front().y;
  EXPECT_TRUE(Same(t.samples.back().y, row.last)) << t.samples.back().y;
  const int q = l.percent ? 100 : 1;
  std::size_t drawn = 0;  // the points follow the samples whose height lies below the top limit
  for (const CurveTrace::Sample& sample : t.samples) {
    if (row.first == row.last) {
      ASSERT_TRUE(Same(sample.y, row.first)) << "p = " << sample.p;
    }
    const double n = (sample.y * q - l.k0) * l.uy;
    if (!(n <= l.T)) continue;
    ASSERT_LT(drawn, t.points.size());
    EXPECT_EQ(t.points[drawn].p, sample.p);
    EXPECT_EQ(t.points[drawn].x, static_cast<float>(l.m + sample.p));
    EXPECT_EQ(t.points[drawn].y, static_cast<float>(l.m + n));
    ++drawn;
  }
  EXPECT_EQ(drawn, t.points.size());
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const ValueRow kRows[] = {
    {"VfOverD", "Verkürzung Vf bei d", "10", "", "3,6", 1, 15, false, 0.9465585, 0.9310665},
    {"VfOverH", "Verkürzung Vf bei h", "", "2,05", "3,6", 1, 83, false, 0.7780818, 0.9363762},
    {"VfOverF", "Verkürzung Vf bei f", "10", "2,05", "", 1, 31, false, 0.7883857, 0.9241417},
    {"VfOverFFree", "Verkürzung Vf bei f", "10", "2,05", "", 1, 31, true, 0.9839987, 0.9241017},
    {"Rs", "Strahlungswiderstand Rs", "39,59", "2,05", "3,6", 115, 75, false, 73.56028, 82.53694},
    {"Impedance", "Draht-Zw bei Länge", "10", "2,05", "3,6", 1500, 83, false, 216.6844, 1205.555},
    {"GroundLoss", "Bodendämpfung Rve", "39,58", "2,05", "3,6", 27, 83, false, 3892.299, 0.5769788},
    {"QaOverH", "Ant. - Güte Qa bei h", "39,58", "2,05", "3,6", 27, 83, false, 0.1549026, 12.3134},
    {"QaOverHFree", "Ant. - Güte Qa bei h", "39,58", "2,05", "3,6", 27, 83, true, 8.020218,
     12.40883},
    {"QaOverD", "Ant. - Güte Qa bei d", "39,59", "10", "3,6", 27, 10, false, 0.2943399, 11.71256,
     "35 Al"},
    // Without a diameter the wire shortening fails and stays 0: only the height's effect.
    {"VfOverHNoDiameter", "Verkürzung Vf bei h", "10", "", "3,6", 1, 83, false, 0.8002474,
     0.960991},
    // Height -5 m: the root fails from L = 20 m on, and Z keeps its last value to the end.
    {"ImpedanceHeightFailsLater", "Draht-Zw bei Länge", "-5", "2,05", "3,6", 2000, 83, false,
     216.7406, 1543.13},
    // Failing steps keep their targets' values, the 0 each run starts with: the curve is flat. Rs's
    // formula gives 73 without a wavelength.
    {"VfOverDFrequencyZero", "Verkürzung Vf bei d", "10", "", "0", 1, 15, false, 0, 0},
    {"RsFrequencyZero", "Strahlungswiderstand Rs", "", "", "0", 115, 75, false, 73, 73},
    {"ImpedanceNoDiameter", "Draht-Zw bei Länge", "10", "", "3,6", 1500, 83, false, 0, 0},
    {"GroundLossNoDiameter", "Bodendämpfung Rve", "39,58", "", "3,6", 27, 83, false, 0, 0},
    // Z fails and keeps 0 while Rv = -Rs: 0 / 0 is no height, so no point is drawn.
    {"QaZeroOverZero", "Ant. - Güte Qa bei h", "-933,2317", "2,05", "-3,6", 27, 83, false, kNaN,
     kNaN, "-56 Cu"},
};

INSTANTIATE_TEST_SUITE_P(Types, CurveValueTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
