// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/draw_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "curve_session.h"

namespace velmora {
namespace {

using testing::CurveSession;

// A request as the dialog defaults of the curve type leave it (before the engine's changes).
CurveRequest Request(const std::string& curve, std::int16_t yFull, std::int16_t xFull) {
  CurveRequest r;
  r.curveName = curve;
  r.yName = "Y";
  r.xName = "X";
  r.yFullScale = yFull;
  r.xFullScale = xFull;
  r.value1Text = "39,59";
  r.value2Text = "2,05";
  r.value3Text = "3,6";
  r.materialText = "56 Cu";
  return r;
}

// Redraws `request` on a plot of w x h twips, the way Refresh does.
void Redraw(CurveSession& s, const CurveRequest& request, double w = 7752, double h = 3135) {
  s.surface.SetSize(w, h);
  s.command.request = request;
  s.command.Refresh();
}

std::vector<std::string> Labels(const std::vector<CurveTrace::Tick>& ticks) {
  std::vector<std::string> labels;
  for (const auto& t : ticks) labels.push_back(t.label.value_or("-"));
  return labels;
}

const DrawnItem* FindText(const CurveSession& s, const std::string& text) {
  const DisplayList& list = s.surface.Image();
  for (const DrawnItem& item : list.items) {
    if (item.kind == DrawnItem::Kind::kText && list.TextOf(item) == text) return &item;
  }
  return nullptr;
}

TEST(DrawCurve, LayoutOfTheRun) {
  struct Row {
    const char* curve;
    std::int16_t yFull, xFull;
    double w, h;
    CurveLayout expected;
    std::size_t yTicks;
  };
  const char* const kQa = "Ant. - Güte Qa bei h";
  const char* const kVfD = "Verkürzung Vf bei d";
  const char* const kRs = "Strahlungswiderstand Rs";
  const Row rows[] = {
      // uy = 2361 \ 100 = 23, then 23 / 0.5; ux = 6978 \ 15 = 465, then 465 - 23.25.
      {kVfD, 1, 15, 7752, 3135, {387, 46, 442, 2323, 50, 15, 7056, 4213, 100, 15, true}, 50},
      {kQa, 100, 15, 7752, 3135, {387, 46, 442, 2323, 50, 15, 7056, 4213, 100, 15, true}, 50},
      {kQa, 27, 83, 7752, 3135, {387, 87, 80, 387, 0, 79, 6746, 1962, 27, 83, false}, 24},
      // ux - ux / 20 = 28.5 rounds half to even.
      {kQa, 27, 83, 2770, 3135, {138, 105, 28, 138, 0, 79, 2364, 2697, 27, 83, false}, 27},
      // The last tick of either axis falls exactly on the axis' end, and is drawn.
      {kQa, 27, 83, 3000, 3135, {150, 105, 30, 150, 0, 79, 2535, 2685, 27, 83, false}, 27},
      {kQa, 27, 83, 7752, 4257, {387, 129, 80, 387, 0, 79, 6746, 3096, 27, 83, false}, 26},
      // The division by Y fails: uy stays 0, no y tick, the top limit lies below the axis.
      {kVfD, 0, 15, 7752, 3135, {387, 0, 442, 387, 0, 15, 7056, -387, 0, 15, false}, 0},
      // The division by X fails: ux ends at 1, no x tick, points up to 1.1 m - 1.
      {kRs, 115, 0, 7752, 3135, {387, 20, 1, 387, 0, -1, 425, 1913, 115, 0, false}, 97},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows));
    CurveSession s;
    Redraw(s, Request(row.curve, row.yFull, row.xFull), row.w, row.h);
    EXPECT_EQ(s.trace.layout, row.expected);
    EXPECT_EQ(s.trace.yTicks.size(), row.yTicks);
    EXPECT_EQ(s.trace.xTicks.size(), static_cast<std::size_t>(row.expected.kx + 1));
  }
}

// The tick lines' lengths in drawing order, y ticks (horizontal) then x ticks (vertical), as
// letters: L 80 twips, H 60, S 30.
std::string TickLengths(const CurveSession& s) {
  std::string y, x;
  for (const DrawnItem& item : s.surface.Image().items) {
    const double dx = item.x2 - item.x1, dy = item.y2 - item.y1;
    if (item.kind != DrawnItem::Kind::kLine || std::abs(dx) + std::abs(dy) > 100) continue;
    const double length = std::abs(dx) + std::abs(dy);
    (dy == 0 ? y : x) += length > 70 ? 'L' : length > 45 ? 'H' : 'S';
  }
  return y + "|" + x;
}

TEST(DrawCurve, TickLabels) {
  CurveSession s;
  Redraw(s, Request("Verkürzung Vf bei d", 1, 15));  // percent mode: fractions from one half
  const std::string ten = "LSSSSSSSSSHSSSSSSSSS";    // y: a long tick every 10, a half one between
  EXPECT_EQ(TickLengths(s), ten + ten + "LSSSSSSSSS|LSSSSLSSSSLSSSSL");
  std::vector<std::string> y = Labels(s.trace.yTicks);
  std::erase(y, "-");
  EXPECT_EQ(y, (std::vector<std::string>{"0,50", "0,60", "0,70", "0,80", "0,90"}));
  EXPECT_EQ(Labels(s.trace.xTicks),
            (std::vector<std::string>{" 0 ", "-", "-", "-", "-", " 5 ", "-", "-", "-", "-", " 10 ",
                                      "-", "-", "-", "-", " 15 "}));
  Redraw(s, Request("Ant. - Güte Qa bei h", 27, 83));
  y = Labels(s.trace.yTicks);
  std::erase(y, "-");
  EXPECT_EQ(y, (std::vector<std::string>{"0", "5", "10", "15", "20"}));
}

TEST(DrawCurve, YUnitThenNameAboveItWhereThePrintLeftThePosition) {
  CurveSession s;
  CurveRequest r = Request("Strahlungswiderstand Rs", 115, 75);
  r.yName = "Rs";
  r.yUnit = "[Ohm]";
  Redraw(s, r);
  // 97 ticks (k = 0..96), e = 115 \ 25 = 4: the unit at 1.25 m + 97 uy + e.
  const double unitY = 1.25 * 387 + 97 * 20 + 4;
  const DrawnItem* unit = FindText(s, "[Ohm]");
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(unit->x1, 0);
  EXPECT_EQ(unit->y1, 3135 - unitY);
  const DrawnItem* name = FindText(s, "Rs");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x1, static_cast<double>(static_cast<float>(38.7 - 20)) - 1);
  const double nameY = unitY - s.surface.LineHeightTwips() + 387 / 1.2;
  EXPECT_EQ(name->y1, 3135 - static_cast<double>(static_cast<float>(nameY)));
  r.yName = "Strahlungswiderstand";  // 38.7 - 200 < 1: the name starts at the left edge
  Redraw(s, r);
  EXPECT_EQ(FindText(s, "Strahlungswiderstand")->x1, 0);
}

TEST(DrawCurve, UnitsAreBracketedOnceAndKept) {
  // The units as typed and after the run; whether the y unit is printed.
  const std::tuple<std::string, std::string, std::string, std::string, bool> rows[] = {
      {"Ohm", "m", "[Ohm]", "[m]", true},
      {"k[Ohm", "m[", "k[Ohm", "m[", true},
      {"", "", "", "[]", false}};
  for (const auto& [yUnit, xUnit, yUnitAfter, xUnitAfter, yUnitPrinted] : rows) {
    SCOPED_TRACE(yUnit + " " + xUnit);
    CurveSession s;
    CurveRequest r = Request("Strahlungswiderstand Rs", 115, 75);
    r.yUnit = yUnit;
    r.xUnit = xUnit;
    Redraw(s, r);
    EXPECT_EQ(s.command.request.yUnit, yUnitAfter);
    EXPECT_EQ(s.command.request.xUnit, xUnitAfter);
    EXPECT_EQ(FindText(s, yUnitAfter) != nullptr, yUnitPrinted);
    EXPECT_NE(FindText(s, xUnitAfter), nullptr);
  }
}

TEST(DrawCurve, UnrecognisedNameWarnsOnceAndDrawsOnlyTheAxes) {
  for (const char* name : {"Combo1", "verkürzung Vf bei f", "Verkürzung Vf bei f "}) {
    SCOPED_TRACE(name);
    CurveSession s;
    s.command.acceptedFreeSpace = -1;  // no free-space note for a wrong formula either
    Redraw(s, Request(name, 27, 83));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, "Falscher Operator !");
    EXPECT_EQ(s.platform.messages[0].title, "Fehler ");
    EXPECT_EQ(s.platform.messages[0].style, kMbExclamation);
    EXPECT_TRUE(s.trace.points.empty());
    EXPECT_EQ(s.trace.yTicks.size(), 24u);
    EXPECT_EQ(s.platform.statusText, " Falsche Formel !");
    EXPECT_EQ(s.command.curveShown, -1);
  }
}

TEST(DrawCurve, TinyPlotsEnd) {
  const std::pair<double, double> sizes[] = {{1, 1}, {30, 7752}, {7752, 30}, {800, 100}, {0, 0}};
  for (const auto& [w, h] : sizes) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    CurveSession s;
    Redraw(s, Request("Verkürzung Vf bei d", 1, 15), w, h);
    EXPECT_EQ(s.command.curveShown, -1);
    EXPECT_LT(s.surface.Image().items.size(), 20000u);
  }
}

// Titles read the dialog's texts; the diameter (or height) is the request's value 2. The other
// types' titles are pinned by the curve command's tests.
TEST(DrawCurve, TitlePerCurveType) {
  const std::pair<const char*, const char*> rows[] = {
      {"Draht-Zw bei Länge",
       " Kurve: Draht-Z bei Länge (Draht-d = 2,05 mm, Höhe = 12 m bei 3,6 MHz)"},
      {"Verkürzung Vf bei d",
       " Kurve: Verkürzungs-Faktor Vf bei Draht-d (Ant.-Höhe: 12 m, f: 3,6 MHz)"},
      {"Verkürzung Vf bei h", " Kurve: Verkürzungs-Faktor Vf bei h (Draht-d: 2,05 mm, f: 3,6 MHz)"},
      {"Bodendämpfung Rve",
       " Kurve: mittlerer Rve (Dipol-Länge = 12 m, Draht d = 2,05 mm bei 3,6 MHz)"},
      {"Ant. - Güte Qa bei d",
       " Kurve: Antennengüte Qa (Dipol-Länge = 12 m, Ant.-Höhe = 2,05 m bei 3,6 MHz)"},
  };
  for (const auto& [curve, title] : rows) {
    CurveSession s;
    CurveRequest r = Request(curve, 27, 83);
    r.value1Text = "12";
    Redraw(s, r);
    EXPECT_EQ(s.platform.statusText, title);
  }
}

}  // namespace
}  // namespace velmora
