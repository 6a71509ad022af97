#include "curves/draw_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
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

struct LayoutRow {
  const char* name;
  const char* curve;
  std::int16_t yFull, xFull;
  double w, h;
  CurveLayout expected;
};

class LayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutTest, NumbersOfTheRun) {
  const LayoutRow& row = GetParam();
  CurveSession s;
  Redraw(s, Request(row.curve, row.yFull, row.xFull), row.w, row.h);
  const CurveLayout& got = s.trace.layout;
  const CurveLayout& want = row.expected;
  EXPECT_EQ(got.m, want.m);
  EXPECT_EQ(got.uy, want.uy);
  EXPECT_EQ(got.ux, want.ux);
  EXPECT_EQ(got.y0, want.y0);
  EXPECT_EQ(got.k0, want.k0);
  EXPECT_EQ(got.kx, want.kx);
  EXPECT_EQ(got.N, want.N);
  EXPECT_EQ(got.T, want.T);
  EXPECT_EQ(got.Y, want.Y);
  EXPECT_EQ(got.X, want.X);
  EXPECT_EQ(got.percent, want.percent);
  EXPECT_EQ(s.command.lastLayout.N, want.N);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutTest,
    ::testing::Values(
        // uy = 2361 \ 100 = 23, then 23 / 0.5; ux = 6978 \ 15 = 465, then 465 - 23.25.
        LayoutRow{"VfOverDiameterDefaults",
                  "Verkürzung Vf bei d",
                  1,
                  15,
                  7752,
                  3135,
                  {387, 46, 442, 2323, 50, 15, 7056, 4213, 100, 15, true}},
        LayoutRow{"FullScale100IsPercentToo",
                  "Ant. - Güte Qa bei h",
                  100,
                  15,
                  7752,
                  3135,
                  {387, 46, 442, 2323, 50, 15, 7056, 4213, 100, 15, true}},
        LayoutRow{"QaDefaults",
                  "Ant. - Güte Qa bei h",
                  27,
                  83,
                  7752,
                  3135,
                  {387, 87, 80, 387, 0, 79, 6746, 1962, 27, 83, false}},
        // ux - ux / 20 = 28.5 rounds half to even.
        LayoutRow{"HalfToEven",
                  "Ant. - Güte Qa bei h",
                  27,
                  83,
                  2770,
                  3135,
                  {138, 105, 28, 138, 0, 79, 2364, 2697, 27, 83, false}},
        // The division by Y fails: uy stays 0, the top limit lies below the axis.
        LayoutRow{"YFullScaleZero",
                  "Verkürzung Vf bei d",
                  0,
                  15,
                  7752,
                  3135,
                  {387, 0, 442, 387, 0, 15, 7056, -387, 0, 15, false}},
        // The division by X fails: ux ends at 1, no x tick, points up to 1.1 m - 1.
        LayoutRow{"XFullScaleZero",
                  "Strahlungswiderstand Rs",
                  115,
                  0,
                  7752,
                  3135,
                  {387, 20, 1, 387, 0, -1, 425, 1913, 115, 0, false}}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::optional<std::string>> Labels(const std::vector<CurveTrace::Tick>& ticks) {
  std::vector<std::optional<std::string>> labels;
  for (const auto& t : ticks) labels.push_back(t.label);
  return labels;
}

TEST(DrawCurveTicks, PercentModeLabelsFractionsFromOneHalf) {
  CurveSession s;
  Redraw(s, Request("Verkürzung Vf bei d", 1, 15));
  ASSERT_EQ(s.trace.yTicks.size(), 50u);
  EXPECT_EQ(s.trace.yTicks.front().k, 0);
  EXPECT_EQ(s.trace.yTicks.back().k, 49);
  std::vector<std::string> labelled;
  for (const auto& t : s.trace.yTicks) {
    if (t.label) labelled.push_back(*t.label);
  }
  EXPECT_EQ(labelled, (std::vector<std::string>{"0,50", "0,60", "0,70", "0,80", "0,90"}));
  EXPECT_EQ(Labels(s.trace.xTicks),
            (std::vector<std::optional<std::string>>{
                " 0 ", std::nullopt, std::nullopt, std::nullopt, std::nullopt, " 5 ", std::nullopt,
                std::nullopt, std::nullopt, std::nullopt, " 10 ", std::nullopt, std::nullopt,
                std::nullopt, std::nullopt, " 15 "}));
}

TEST(DrawCurveTicks, QaFullScale27ShowsTicks0To23) {
  CurveSession s;
  Redraw(s, Request("Ant. - Güte Qa bei h", 27, 83));
  ASSERT_EQ(s.trace.yTicks.size(), 24u);
  std::vector<std::string> labelled;
  for (const auto& t : s.trace.yTicks) {
    if (t.label) labelled.push_back(*t.label);
  }
  EXPECT_EQ(labelled, (std::vector<std::string>{"0", "5", "10", "15", "20"}));
  // No point higher than 87 * 27 - 387 twips above the axis.
  for (const auto& p : s.trace.points) EXPECT_LE(p.y - s.trace.layout.m, 1962.0f);
}

// The tick marks as drawn: length (twips) and the height of each tick on the y axis.
struct TickRow {
  const char* name;
  std::int16_t yFull;
  int k;
  double length;
};

class TickLengthTest : public ::testing::TestWithParam<TickRow> {};

TEST_P(TickLengthTest, LongHalfAndShortTicks) {
  const TickRow& row = GetParam();
  CurveSession s;
  Redraw(s, Request("Ant. - Güte Qa bei h", row.yFull, 83));
  const CurveLayout& l = s.trace.layout;
  const double yTwips = 3135 - (static_cast<double>(row.k) * l.uy + l.m);  // from the top edge
  const double xAxis = l.m - 1.0;                                          // the scale starts at 1
  bool found = false;
  for (const DrawnItem& item : s.surface.Image().items) {
    if (item.kind == DrawnItem::Kind::kLine && item.y1 == yTwips && item.y2 == yTwips &&
        item.x2 == xAxis) {
      EXPECT_EQ(item.x2 - item.x1, row.length);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, TickLengthTest,
    ::testing::Values(TickRow{"Step5Long", 27, 10, 80}, TickRow{"Step5NoHalfForOddStep", 27, 7, 30},
                      TickRow{"Step5Short", 27, 3, 30}, TickRow{"Step20Half", 115, 30, 60},
                      TickRow{"Step20Long", 115, 40, 80}, TickRow{"Step20Short", 115, 31, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCurveTicks, StepTable) {
  const std::pair<int, int> rows[] = {{32767, 1000}, {3001, 1000}, {3000, 200}, {1001, 200},
                                      {1000, 50},    {301, 50},    {300, 20},   {100, 20},
                                      {99, 10},      {30, 10},     {29, 5},     {10, 5},
                                      {9, 1},        {0, 1},       {-5, 1}};
  for (const auto& [fullScale, step] : rows) {
    SCOPED_TRACE(fullScale);
    EXPECT_EQ(TickStep(fullScale), step);
  }
}

TEST(DrawCurveTicks, LargeFullScaleLabelsEvery500) {
  CurveSession s;
  CurveRequest r = Request("Draht-Zw bei Länge", 3001, 83);
  r.value1Text = "10";
  s.surface.SetSize(7752, 400000);  // tall enough for ticks of at least 1 twip
  s.command.request = r;
  s.command.Refresh();
  std::vector<std::string> labelled;
  for (const auto& t : s.trace.yTicks) {
    if (t.label) labelled.push_back(*t.label);
  }
  ASSERT_GE(labelled.size(), 3u);
  EXPECT_EQ(labelled[0], "0");
  EXPECT_EQ(labelled[1], "500");
  EXPECT_EQ(labelled[2], "1000");
}

const DrawnItem* FindText(const CurveSession& s, const std::string& text) {
  const DisplayList& list = s.surface.Image();
  for (const DrawnItem& item : list.items) {
    if (item.kind == DrawnItem::Kind::kText && list.TextOf(item) == text) return &item;
  }
  return nullptr;
}

TEST(DrawCurveTexts, YUnitThenNameAboveItWhereThePrintLeftThePosition) {
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
}

struct UnitRow {
  const char* name;
  std::string yUnit, xUnit;
  std::string yUnitAfter, xUnitAfter;
  bool yUnitPrinted;
};

class UnitTest : public ::testing::TestWithParam<UnitRow> {};

TEST_P(UnitTest, BracketsAddedOnceAndKept) {
  const UnitRow& row = GetParam();
  CurveSession s;
  CurveRequest r = Request("Strahlungswiderstand Rs", 115, 75);
  r.yUnit = row.yUnit;
  r.xUnit = row.xUnit;
  Redraw(s, r);
  EXPECT_EQ(s.command.request.yUnit, row.yUnitAfter);
  EXPECT_EQ(s.command.request.xUnit, row.xUnitAfter);
  EXPECT_EQ(FindText(s, row.yUnitAfter) != nullptr, row.yUnitPrinted);
  EXPECT_NE(FindText(s, row.xUnitAfter), nullptr);
  // A second run brackets nothing again and draws the same picture.
  const DisplayList first = s.surface.Image();
  s.command.Refresh();
  EXPECT_EQ(s.command.request.yUnit, row.yUnitAfter);
  EXPECT_EQ(s.command.request.xUnit, row.xUnitAfter);
  EXPECT_EQ(s.surface.Image().texts, first.texts);
  EXPECT_EQ(s.surface.Image().items.size(), first.items.size());
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitTest,
    ::testing::Values(UnitRow{"Plain", "Ohm", "m", "[Ohm]", "[m]", true},
                      UnitRow{"AlreadyBracketed", "[Ohm]", "[m]", "[Ohm]", "[m]", true},
                      UnitRow{"BracketInside", "k[Ohm", "m[", "k[Ohm", "m[", true},
                      UnitRow{"EmptyYUnitNotPrintedEmptyXUnitBrackets", "", "", "", "[]", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCurveTexts, LongYNameStartsAtTheLeftEdge) {
  CurveSession s;
  CurveRequest r = Request("Strahlungswiderstand Rs", 115, 75);
  r.yName = "Strahlungswiderstand";  // 38.7 - 200 < 1
  r.yUnit = "";
  Redraw(s, r);
  const DrawnItem* name = FindText(s, "Strahlungswiderstand");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x1, 0);  // scale value 1 is the left edge
}

TEST(DrawCurveTexts, XUnitAndNameRightOfTheLastTick) {
  CurveSession s;
  CurveRequest r = Request("Verkürzung Vf bei d", 1, 15);
  r.xName = "Draht-d";
  r.xUnit = "mm";
  Redraw(s, r);
  const DrawnItem* unit = FindText(s, "[mm]");
  const DrawnItem* name = FindText(s, "Draht-d");
  ASSERT_NE(unit, nullptr);
  ASSERT_NE(name, nullptr);
  // 1.2 m + 32 * len("15") + 15 ux, at (m \ 3) * 2; the name at 1.1 m + 15 ux on the axis.
  EXPECT_EQ(unit->x1, static_cast<double>(static_cast<float>(1.2 * 387 + 64 + 15 * 442)) - 1);
  EXPECT_EQ(unit->y1, 3135 - 258);
  EXPECT_EQ(name->x1, static_cast<double>(static_cast<float>(1.1 * 387 + 15 * 442)) - 1);
  EXPECT_EQ(name->y1, 3135 - 387);
}

TEST(DrawCurveFailures, YFullScaleZeroDrawsAxesNamesAndTitleButNoPoint) {
  CurveSession s;
  Redraw(s, Request("Verkürzung Vf bei d", 0, 15));
  EXPECT_TRUE(s.trace.yTicks.empty());
  EXPECT_TRUE(s.trace.points.empty());
  EXPECT_EQ(s.PointsDrawn(), 1);  // the origin
  EXPECT_NE(FindText(s, "Y"), nullptr);
  EXPECT_EQ(s.platform.statusText.rfind(" Kurve: Verkürzungs-Faktor Vf bei Draht-d", 0), 0u);
}

TEST(DrawCurveFailures, XFullScaleZeroSetsOnePointPerTwipUpTo425) {
  CurveSession s;
  Redraw(s, Request("Strahlungswiderstand Rs", 115, 0));
  EXPECT_TRUE(s.trace.xTicks.empty());
  ASSERT_FALSE(s.trace.points.empty());
  EXPECT_EQ(s.trace.points.back().p, 425);
  EXPECT_EQ(s.trace.points.back().x, 387 + 425);
}

TEST(DrawCurveFailures, UnrecognisedNameWarnsOnceAndDrawsOnlyTheAxes) {
  for (const char* name : {"Combo1", "verkürzung Vf bei f", "Verkürzung Vf bei f "}) {
    SCOPED_TRACE(name);
    CurveSession s;
    CurveRequest r = Request(name, 27, 83);
    s.command.acceptedFreeSpace = -1;  // no free-space note for a wrong formula either
    Redraw(s, r);
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

TEST(DrawCurveFailures, TinyAndNegativeLayoutsEnd) {
  const std::pair<double, double> sizes[] = {{1, 1}, {30, 7752}, {7752, 30}, {800, 100}, {0, 0}};
  for (const auto& [w, h] : sizes) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    CurveSession s;
    Redraw(s, Request("Verkürzung Vf bei d", 1, 15), w, h);
    EXPECT_EQ(s.command.curveShown, -1);
    EXPECT_LT(s.surface.Image().items.size(), 20000u);
  }
}

// Titles read the dialog's texts; V2 is the request's value 2.
struct TitleRow {
  const char* curve;
  const char* title;
};

TEST(DrawCurveFinish, TitlePerCurveType) {
  const TitleRow rows[] = {
      {"Draht-Zw bei Länge",
       " Kurve: Draht-Z bei Länge (Draht-d = 2,05 mm, Höhe = 12 m bei 3,6 MHz)"},
      {"Verkürzung Vf bei d",
       " Kurve: Verkürzungs-Faktor Vf bei Draht-d (Ant.-Höhe: 12 m, f: 3,6 MHz)"},
      {"Verkürzung Vf bei h", " Kurve: Verkürzungs-Faktor Vf bei h (Draht-d: 2,05 mm, f: 3,6 MHz)"},
      {"Verkürzung Vf bei f",
       " Kurve: Verkürzungs-Faktor Vf bei f (Draht-d: 2,05 mm, Ant.-Höhe: 12 m)"},
      {"Strahlungswiderstand Rs", " Kurve: Rs (Dipol-Länge = 12 m, Draht d = 2,05 mm bei 3,6 MHz)"},
      {"Bodendämpfung Rve",
       " Kurve: mittlerer Rve (Dipol-Länge = 12 m, Draht d = 2,05 mm bei 3,6 MHz)"},
      {"Ant. - Güte Qa bei h",
       " Kurve: Antennengüte Qa (Dipol-Länge = 12 m, Draht d = 2,05 mm bei 3,6 MHz)"},
      {"Ant. - Güte Qa bei d",
       " Kurve: Antennengüte Qa (Dipol-Länge = 12 m, Ant.-Höhe = 2,05 m bei 3,6 MHz)"},
  };
  for (const TitleRow& row : rows) {
    SCOPED_TRACE(row.curve);
    CurveSession s;
    CurveRequest r = Request(row.curve, 27, 83);
    r.value1Text = "12";
    Redraw(s, r);
    EXPECT_EQ(s.platform.statusText, row.title);
  }
}

}  // namespace
}  // namespace velmora
