// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/nec_points.h"

#include <gtest/gtest.h>

#include "platform/retained_surface.h"

namespace velmora {
namespace {

using nec::Ground;

CurveRequest Request(const char* curve, const char* v1, const char* v2, const char* v3,
                     std::int16_t xFullScale) {
  CurveRequest r;
  r.curveName = curve;
  r.value1Text = v1;
  r.value2Text = v2;
  r.value3Text = v3;
  r.xFullScale = xFullScale;
  r.materialText = "35 Al";
  return r;
}

TEST(NecPointsPlanTest, EachCurveTypeWithItsOwnInputs) {
  const auto wire = [](double f, double h, double d, Ground ground) {
    return nec::Wire{f, h, d, 3.5e7, ground, 41, {}};
  };
  const struct {
    const char* name;
    CurveRequest request;
    bool freeSpace;
    double firstX;
    nec::Wire last;
  } rows[] = {
      {"Vf over the height", Request("Verkürzung Vf bei h", "", "2,05", "3,6", 77), false, 3.85,
       wire(3.6, 77, 2.05, Ground::kAverage)},
      {"Vf over the frequency, free space: a perfect ground",
       Request("Verkürzung Vf bei f", "10", "2,05", "", 31), true, 1.55,
       wire(31, 10, 2.05, Ground::kPerfect)},
      {"Rs over the height", Request("Strahlungswiderstand Rs", "39,59", "1,5", "7,1", 40), false,
       2, wire(7.1, 40, 1.5, Ground::kAverage)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const NecPointsPlan plan = PlanNecPoints(row.request, row.freeSpace, 20);
    ASSERT_EQ(plan.wires.size(), 20u);
    EXPECT_DOUBLE_EQ(plan.xs.front(), row.firstX);
    EXPECT_EQ(plan.wires.back(), row.last);
  }
  for (const CurveRequest& none : {Request("Verkürzung Vf bei d", "10", "", "3,6", 15),
                                   Request("Verkürzung Vf bei h", "", "", "3,6", 77)}) {
    SCOPED_TRACE(none.curveName + " " + none.value2Text);
    const NecPointsPlan plan = PlanNecPoints(none, false, 20);
    EXPECT_TRUE(plan.wires.empty());
    EXPECT_FALSE(plan.problem.empty());
  }
}

// The layout of a "Verkürzung Vf bei d"-sized plot, 7752 x 3135 twips, percent mode.
struct Plot {
  RetainedSurface surface{7752, 3135};
  CurveLayout layout{387, 46, 442, 2323, 50, 15, 7056, 46 * 100 - 387, 100, 15, true};
  Plot() {
    surface.SetUnitTwips();
    surface.SetScaleLeft(1);
    surface.SetScaleTop(3135);
    surface.SetScaleHeight(-3135);
  }
};

nec::Resonance Vf(double vf) {
  return {0, vf, {70, 0}, 4};
}

TEST(NecPointsTest, FollowTheCurveOnThePlot) {
  Plot plot;
  NecPoints points;
  const CurveRequest vfh = Request("Verkürzung Vf bei h", "", "2,05", "3,6", 15);
  points.SetEnabled(true);
  points.CurveDrawn(vfh, false, plot.layout);
  ASSERT_TRUE(points.Computing());
  const std::uint64_t g = points.Generation();
  EXPECT_EQ(points.StatusText(), "NEC-2-Punkte: 0 von 20 … (Esc bricht ab)");
  points.Found(g - 1, 0, Vf(0.95));
  points.Found(g, 0, Vf(0.95));
  points.Found(g, 1, nec::Failure{nec::ErrorKind::kNoResonance, "keine"});
  points.Found(g, 2, Vf(1.5));  // above the plot's top, as the curve would be
  // Where the curve sets a point of 0.95 at x 0.75: 331.5 twips right of the axis, 2070 above.
  const std::vector<NecPoints::Marker> drawn = points.Markers(plot.surface);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_DOUBLE_EQ(drawn[0].x, 387 + 331.5 - 1);
  EXPECT_DOUBLE_EQ(drawn[0].y, 3135 - 387 - 2070);
  EXPECT_EQ(points.StatusText(), "NEC-2-Punkte: 2 von 20 … (1 ohne Ergebnis) (Esc bricht ab)");

  points.CurveDrawn(vfh, false, plot.layout);  // a redraw for a new size
  EXPECT_EQ(points.Generation(), g);
  points.Cancel();
  EXPECT_FALSE(points.Computing());
  EXPECT_EQ(points.Markers(plot.surface).size(), 1u);
  EXPECT_EQ(points.StatusText(), "NEC-2-Punkte: abgebrochen, 2 von 20 (1 ohne Ergebnis): keine");
  // What the read-out and the export take: every value found, above the plot's top too.
  EXPECT_EQ(points.FoundPoints(), (std::vector<SidePoint>{{0.75, 0.95}, {2.25, 1.5}}));
  points.SetHidden(true);
  EXPECT_TRUE(points.Markers(plot.surface).empty());
  EXPECT_TRUE(points.FoundPoints().empty());
  EXPECT_EQ(points.StatusText(), "");
  points.SetHidden(false);

  points.CurveDrawn(Request("Verkürzung Vf bei h", "", "2,05", "7,1", 15), false, plot.layout);
  ASSERT_TRUE(points.Computing());
  for (std::size_t i = 0; i < 20; ++i) points.Found(points.Generation(), i, Vf(0.97));
  EXPECT_FALSE(points.Computing());
  EXPECT_EQ(points.Markers(plot.surface).size(), 20u);
  EXPECT_EQ(points.StatusText(), "");  // the legend says it
  points.Discard();
  EXPECT_TRUE(points.Markers(plot.surface).empty());
  EXPECT_FALSE(points.Shown());
}

// The points give up after the first timeout or three failures in a row, and say why.
TEST(NecPointsTest, GivingUpAndWhy) {
  const struct {
    std::string found;  // one point each: '.' found, 'F' no resonance, 'T' a timeout
    const char* says;
  } rows[] = {
      {"T", "aufgegeben bei 0 von 20 (1 ohne Ergebnis): nec2c hat nach 10 s kein Ergebnis"},
      {"F.FFF",
       "aufgegeben bei 1 von 20 (4 ohne Ergebnis): 3 Punkte in Folge ohne Ergebnis, zuletzt: "
       "keine"},
      {std::string(19, '.') + "F", "19 von 20 (1 ohne Ergebnis): keine"},
  };
  for (const auto& row : rows) {
    Plot plot;
    NecPoints points;
    points.SetEnabled(true);
    points.CurveDrawn(Request("Verkürzung Vf bei h", "", "2,05", "3,6", 15), false, plot.layout);
    for (std::size_t i = 0; i < row.found.size(); ++i) {
      const nec::Failure failure =
          row.found[i] == 'T'
              ? nec::Failure{nec::ErrorKind::kTimeout, "nec2c hat nach 10 s kein Ergebnis"}
              : nec::Failure{nec::ErrorKind::kNoResonance, "keine"};
      if (row.found[i] == '.') points.Found(points.Generation(), i, Vf(0.95));
      if (row.found[i] != '.') points.Found(points.Generation(), i, failure);
    }
    EXPECT_FALSE(points.Computing());
    EXPECT_EQ(points.StatusText(), std::string("NEC-2-Punkte: ") + row.says);
  }
}

TEST(NecPointsTest, PointsOverRsAreTheResistance) {
  Plot plot;
  plot.layout = {387, 20, 80, 387, 0, 75, 6387, 1913, 115, 75, false};  // Rs up to 115 ohm
  NecPoints points;
  points.SetEnabled(true);
  points.CurveDrawn(Request("Strahlungswiderstand Rs", "39,59", "2,05", "3,6", 75), false,
                    plot.layout);
  points.Found(points.Generation(), 0, Vf(0.95));  // R = 70 ohm
  ASSERT_EQ(points.Markers(plot.surface).size(), 1u);
  EXPECT_DOUBLE_EQ(points.Markers(plot.surface)[0].y, 3135 - 387 - 70 * 20);
}

TEST(NecPointsTest, OffOrWithoutNec2cNothingIsComputed) {
  Plot plot;
  NecPoints points;
  const CurveRequest vfh = Request("Verkürzung Vf bei h", "", "2,05", "3,6", 15);
  points.CurveDrawn(vfh, false, plot.layout);
  EXPECT_FALSE(points.Computing());
  EXPECT_EQ(points.StatusText(), "");
  points.SetEnabled(true);
  ASSERT_TRUE(points.Computing());
  points.Found(points.Generation(), 3,
               nec::Failure{nec::ErrorKind::kNotInstalled, "NEC-2 (nec2c) ist nicht installiert."});
  EXPECT_FALSE(points.Computing());
  EXPECT_EQ(points.StatusText(), "NEC-2-Punkte: nec2c fehlt (sudo apt-get install nec2c)");
  points.SetEnabled(false);
  EXPECT_FALSE(points.Shown());
  points.SetEnabled(true);
  points.CurveDrawn(Request("Ant. - Güte Qa bei h", "39,59", "2,05", "3,6", 75), false,
                    plot.layout);
  EXPECT_FALSE(points.Computing());
  EXPECT_EQ(points.StatusText(), "NEC-2-Punkte: nur für Vf bei h, Vf bei f und Rs");
}

}  // namespace
}  // namespace velmora
