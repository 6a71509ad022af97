#include "crosscheck/comparison.h"

#include <gtest/gtest.h>

#include "formulas/antenna.h"

namespace velmora {
namespace {

using nec::Ground;

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
