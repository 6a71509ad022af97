// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/retained_surface.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(RetainedSurface, UpwardCoordinateSystemResolvesToTwipsFromTheTopLeft) {
  RetainedSurface s(7752, 3135, 180);
  s.SetUnitTwips();
  EXPECT_EQ(s.ScaleWidth(), 7752);
  EXPECT_EQ(s.ScaleHeight(), 3135);
  s.SetScaleLeft(1);
  s.SetScaleTop(3135);
  s.SetScaleHeight(-3135);
  s.Clear();
  s.SetLineWidth(2);
  s.Line(387, 387, 387, 2580.6);
  s.SetLineWidth(1);
  s.Point(388, 3135);
  const DisplayList& list = s.Image();
  ASSERT_EQ(list.items.size(), 2u);
  const DrawnItem& line = list.items[0];
  EXPECT_EQ(line.kind, DrawnItem::Kind::kLine);
  EXPECT_EQ(line.lineWidth, 2);
  EXPECT_EQ(line.x1, 386);
  EXPECT_EQ(line.y1, 3135 - 387);
  EXPECT_EQ(line.y2, 3135 - 2580.6);
  const DrawnItem& point = list.items[1];
  EXPECT_EQ(point.lineWidth, 1);
  EXPECT_EQ(point.x1, 387);
  EXPECT_EQ(point.y1, 0);
  EXPECT_EQ(s.CurrentX(), 388);  // a point moves the current position
  EXPECT_EQ(s.CurrentY(), 3135);
  s.SetSize(6000, 2000);  // a new size starts over in twips
  EXPECT_EQ(s.ScaleHeight(), 2000);
}

TEST(RetainedSurface, PrintMovesToTheStartOfTheNextLineBelow) {
  struct Row {
    const char* name;
    double top, height;  // coordinate system
    double expectedNextY;
  };
  const Row rows[] = {{"TwipsDown", 0, 3000, 500 + 180},
                      {"Upwards", 3000, -3000, 500 - 180},
                      {"HalfScaleUp", 1500, -1500, 500 - 90}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RetainedSurface s(6000, 3000, 180);
    s.SetScaleLeft(5);
    s.SetScaleTop(row.top);
    s.SetScaleHeight(row.height);
    s.SetCurrentX(100);
    s.SetCurrentY(500);
    s.Print("[Ohm]");
    EXPECT_EQ(s.CurrentX(), 5);
    EXPECT_EQ(s.CurrentY(), row.expectedNextY);
    ASSERT_EQ(s.Image().texts.size(), 1u);
    EXPECT_EQ(s.Image().TextOf(s.Image().items[0]), "[Ohm]");
    EXPECT_EQ(s.Image().items[0].x1, 95);
  }
}

TEST(RetainedSurface, EveryClearStartsANewRetainedImage) {
  RetainedSurface s(100, 100);
  EXPECT_EQ(s.ImageHandle(), 0);
  s.Line(0, 0, 10, 10);
  s.Clear();
  const std::int32_t first = s.ImageHandle();
  EXPECT_NE(first, 0);
  EXPECT_TRUE(s.Image().items.empty());
  s.Clear();
  EXPECT_NE(s.ImageHandle(), first);
}

TEST(RetainedSurface, PrintedNumbersHaveTheirBlanks) {
  const std::pair<std::int32_t, const char*> rows[] = {
      {0, " 0 "}, {15, " 15 "}, {-3, "-3 "}, {INT32_MIN, "-2147483648 "}};
  for (const auto& [value, text] : rows) {
    EXPECT_EQ(DrawingSurface::PrintedNumberText(value), text);
  }
}

}  // namespace
}  // namespace velmora
