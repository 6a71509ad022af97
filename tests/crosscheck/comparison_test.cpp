#include "crosscheck/comparison.h"

#include <gtest/gtest.h>

#include "formulas/antenna.h"

namespace velmora {
namespace {

using nec::Ground;

TEST(ClosedFormTest, TheSingleValueCalculationForEachGround) {
  // The single-value dialog's worked example: 3.6 MHz, 12 m, 2.05 mm over real ground.
  const std::optional<ClosedForm> real = ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kAverage);
  ASSERT_TRUE(real);
  EXPECT_NEAR(real->vf, 0.92624, 5e-6);
  EXPECT_EQ(real->correction, DiameterCorrection::kNone);
  // A perfect ground is the formulas' "Freiraum": its height terms are an image's.
  const std::optional<ClosedForm> perfect = ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kPerfect);
  ASSERT_TRUE(perfect);
  EXPECT_FLOAT_EQ(perfect->vf, ComputeVelocityFactor(3.6f, 12.0f, 2.05f, 0).vf);
  EXPECT_FLOAT_EQ(perfect->rs, RadiationResistance(3.6f, 12.0f, 0));
  EXPECT_FALSE(ClosedFormOf(3.6f, 12.0f, 2.05f, Ground::kFree));
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
