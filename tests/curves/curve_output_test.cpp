// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora {
namespace {

// A run of three points from p = 1, its first point at twips x = m.
CurveTrace ThreePoints(std::int32_t ux, double x, double y) {
  CurveTrace run;
  run.layout.m = 400;
  run.layout.ux = ux;
  run.samples = {{1, x - 1.0 / ux, y}, {2, x, y}, {3, x + 1.0 / ux, y}};
  return run;
}

TEST(CurveReadout, TextInAxisUnits) {
  struct Row {
    const char *xName, *xUnit, *yName, *yUnit;
    std::int32_t ux;
    double x, y;
    char separator;
    const char* text;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Row rows[] = {
      {"Draht-d", "[mm]", "Vf", "", 442, 2.0497737, 0.926341, ',',
       "Draht-d = 2,05 mm   Vf = 0,926"},
      {"Ant.-Höhe", "[m]", "Rs", "[Ohm]", 6, 12.5, 73.1349, ',',
       "Ant.-Höhe = 12,5 m   Rs = 73,1 Ohm"},
      {"f", "[]", "Z", "Ohm", 1, 1234.4, 1234.56, ',', "f = 1234   Z = 1235 Ohm"},
      {"Draht d", "[mm]", "Qa", "", 442, 1, nan, ',', "Draht d = 1 mm   Qa = ---"},
      {"h", "m", "Rve", "[Ohm]", 90, 0.5, 0, '.', "h = 0.5 m   Rve = 0 Ohm"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    CurveRequest request;
    request.xName = row.xName;
    request.xUnit = row.xUnit;
    request.yName = row.yName;
    request.yUnit = row.yUnit;
    EXPECT_EQ(ReadoutText(request, ThreePoints(row.ux, row.x, row.y), 1, row.separator), row.text);
  }
}

TEST(CurveReadout, NearestPointWithinAPixelOfTheCurve) {
  const CurveTrace run = ThreePoints(10, 1, 1);  // points at 400, 401, 402 twips
  struct Row {
    double x;
    std::optional<std::size_t> sample;
  };
  const Row rows[] = {{384, std::nullopt}, {386, 0}, {400.4, 0}, {400.6, 1}, {402, 2}, {417, 2},
                      {418, std::nullopt}};
  for (const Row& row : rows) EXPECT_EQ(NearestSample(run, row.x), row.sample) << row.x;
  EXPECT_EQ(NearestSample(CurveTrace(), 400), std::nullopt);
  EXPECT_EQ(NearestSample(run, std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(CurveOutput, NecPointsInTheReadoutAndTheCsv) {
  const CurveTrace run = ThreePoints(4, 1, 0.9);  // x 0.75, 1, 1.25, a twip apart
  CurveRequest request;
  request.xName = "h";
  request.yName = "Vf";
  const std::vector<SidePoint> nec = {{1.1, 0.95}, {9, 1}};  // the second beyond the curve
  EXPECT_EQ(CurveCsv(request, run, ',', &nec), "h;Vf;NEC-2\n0,75;0,9;\n1;0,9;0,95\n1,25;0,9;\n");
  EXPECT_EQ(CurveCsv(request, run, '.'), "h,Vf\n0.75,0.9\n1,0.9\n1.25,0.9\n");
  // Within the tolerance of the marker's line, in twips.
  EXPECT_EQ(SidePointNear(run, 1, nec, 0.5), 0.95);
  EXPECT_EQ(SidePointNear(run, 0, nec, 0.5), std::nullopt);
  EXPECT_EQ(ReadoutText(request, run, 1, ',', SidePointNear(run, 1, nec, 0.5)),
            "h = 1   Vf = 0,9   NEC-2: 0,95");
}

}  // namespace
}  // namespace velmora
