// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/comparison.h"

#include <gtest/gtest.h>

#include "formulas/antenna.h"

namespace velmora {
namespace {

using nec::Ground;

TEST(ClosedFormTest, PerGroundPerfectGroundTakesTheFreeSpaceRs) {
  const std::optional<ClosedForm> real = ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kAverage);
  const std::optional<ClosedForm> perfect = ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kPerfect);
  ASSERT_TRUE(real && perfect);
  EXPECT_NEAR(real->rs, 44.2407, 1e-4);
  EXPECT_NEAR(perfect->rs, 37.5209, 1e-4);
  EXPECT_NEAR(real->vf, 0.92624, 1e-5);
  EXPECT_NEAR(perfect->vf, 0.92697, 1e-5);
  EXPECT_NEAR(real->lengthM, real->vf * kSpeedOfLight / 7.2, 1e-4);
  EXPECT_FALSE(ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kFree)) << "no counterpart in free space";
}

TEST(ClosedFormTest, RsDriftsBelowAFifthOfAWavelengthOverRealGroundOnly) {
  const double fifth = 0.2 * kSpeedOfLight / 3.6;
  const struct {
    const char* name;
    Ground ground;
    double height;
    bool drifts;
  } rows[] = {
      {"real ground, just below", Ground::kAverage, fifth * 0.999, true},
      {"real ground, at 0.2 lambda", Ground::kAverage, fifth, false},
      {"perfect ground, low", Ground::kPerfect, fifth / 4.0, false},
      {"free space", Ground::kFree, fifth / 4.0, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RsDrifts(3.6, row.height, row.ground), row.drifts);
  }
}

}  // namespace
}  // namespace velmora
