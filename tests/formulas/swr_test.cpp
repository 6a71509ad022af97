// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/swr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Swr, OfOneImpedance) {
  const struct {
    std::complex<double> z;
    double z0, swr;
  } rows[] = {{{50, 0}, 50, 1},      {{100, 0}, 50, 2},    {{25, 0}, 50, 2},
              {{50, 50}, 50, 2.618}, {{12.5, 0}, 12.5, 1}, {{0, 0}, 50, kInf},
              {{-50, 0}, 50, kInf},  {{0, 80}, 50, kInf},  {{NAN, 0}, 50, kInf}};
  for (const auto& row : rows) {
    if (std::isinf(row.swr)) {
      EXPECT_EQ(Swr(row.z, row.z0), kInf) << row.z;
    } else {
      EXPECT_NEAR(Swr(row.z, row.z0), row.swr, 1e-3) << row.z;
    }
  }
}

// 80 m, 3,65 MHz over average ground: R 51,69 ohm, Q 18,04 by the closed form.
TEST(Swr, ClosedFormRangeOfTheExampleAndNoneOutsideOneOverSToS) {
  const auto two = ClosedFormSwrRange(2, 3.65, 51.69, 18.04, 50);
  ASSERT_TRUE(two);
  EXPECT_NEAR(two->fromMHz, 3.5797, 5e-5);
  EXPECT_NEAR(two->toMHz, 3.7203, 5e-5);
  EXPECT_TRUE(ClosedFormSwrRange(2, 3.65, 25.1, 18, 50));
  EXPECT_FALSE(ClosedFormSwrRange(2, 3.65, 101, 18, 50));
  EXPECT_FALSE(ClosedFormSwrRange(1.5, 3.65, 33, 18, 50));
  EXPECT_NEAR(DipoleQ(1187.4, 51.69), 18.04, 0.01);
  EXPECT_NEAR(ClosedFormImpedance(3.75, 3.65, 50, 18).imag(), 49.315, 1e-3);
}

// 41 samples of the closed form over [3.35, 3.95] MHz, one of them replaced by `broken`.
std::vector<SweepPoint> Sweep(double design, double r, int brokenAt = -1) {
  std::vector<SweepPoint> points;
  for (int i = 0; i <= 40; ++i) {
    const double f = 3.35 + i * 0.015;
    points.push_back({f, i == brokenAt ? std::complex<double>(NAN, 0)
                                       : ClosedFormImpedance(f, design, r, 18.04)});
  }
  return points;
}

TEST(Swr, SweepRangesInsideCutAtAnEndAndNone) {
  const struct {
    const char* name;
    std::vector<SweepPoint> points;
    double from, to;  // 0, 0: none
  } rows[] = {
      {"inside", Sweep(3.65, 51.69), 3.5797, 3.7203},
      {"cut below", Sweep(3.37, 51.69), 3.35, 3.4349},
      {"cut above", Sweep(3.93, 51.69), 3.8543, 3.95},
      {"broken sample ends it", Sweep(3.65, 51.69, 24), 3.5797, 3.695},
      {"none", Sweep(3.65, 110), 0, 0},
  };
  for (const auto& row : rows) {
    const SweepFigures f = AnalyseSweep(row.points, 3.65, 50);
    if (row.from == 0) {
      EXPECT_FALSE(f.within2) << row.name;
      continue;
    }
    ASSERT_TRUE(f.within2) << row.name;
    // Linear between samples 15 kHz apart: within 0,5 kHz of the exact curve here.
    EXPECT_NEAR(f.within2->fromMHz, row.from, 5e-4) << row.name;
    EXPECT_NEAR(f.within2->toMHz, row.to, 5e-4) << row.name;
  }
}

TEST(Swr, SweepLowestResonanceAndTheNarrowerRange) {
  std::vector<SweepPoint> points = Sweep(3.6535, 51.69);
  const SweepFigures f = AnalyseSweep(points, 3.65, 50);
  EXPECT_NEAR(f.swrMin, 1.0496, 1e-4);  // X -1,79 ohm at 3,65 MHz
  EXPECT_DOUBLE_EQ(f.swrMinMHz, 3.65);
  ASSERT_TRUE(f.resonanceMHz);
  EXPECT_NEAR(*f.resonanceMHz, 3.6535, 1e-9);
  ASSERT_TRUE(f.within15);
  EXPECT_GT(f.within15->fromMHz, f.within2->fromMHz);
  EXPECT_LT(f.within15->toMHz, f.within2->toMHz);

  // A second, farther crossing from minus to plus does not win; plus to minus never counts.
  points[2].z = {50, -10};
  points[3].z = {50, 10};
  points[39].z = {50, -10};
  points[40].z = {50, -5};
  EXPECT_NEAR(*AnalyseSweep(points, 3.65, 50).resonanceMHz, 3.6535, 1e-9);
  EXPECT_NEAR(*AnalyseSweep(points, 3.40, 50).resonanceMHz, 3.3875, 1e-9);
  EXPECT_NEAR(*AnalyseSweep(points, 3.94, 50).resonanceMHz, 3.6535, 1e-9);
  for (SweepPoint& p : points) p.z = {50, 30};
  EXPECT_FALSE(AnalyseSweep(points, 3.65, 50).resonanceMHz);
}

}  // namespace
}  // namespace velmora
