// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/trim.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

TEST(Trim, EachModelScalesThePresentLength) {
  struct Row {
    std::optional<Trim> trim;
    double lengthNew;
    double perLegCm;
    TrimModel model;
    std::string text;
  } rows[] = {
      // Resonance at 3.5 MHz, target 3.6: shorter by the model's ratio of resonant lengths.
      {TrimByModel(40.0, 39.0, 40.1, TrimModel::kNec), 40.0 * 39.0 / 40.1, -55.0, TrimModel::kNec,
       "je Schenkel 55,0 cm kürzen, neue Länge 38,90 m"},
      {TrimByModel(20.0, 20.1, 20.0, TrimModel::kFormula), 20.1, 5.0, TrimModel::kFormula,
       "je Schenkel 5,0 cm verlängern, neue Länge 20,10 m"},
      {TrimByScale(40.0, 3.5, 3.6), 40.0 * 3.5 / 3.6, -55.5, TrimModel::kScale,
       "je Schenkel 55,5 cm kürzen, neue Länge 38,89 m"},
      {TrimByScale(40.0, 3.6, 3.6001), 40.0 * 3.6 / 3.6001, 0.0, TrimModel::kScale,
       "je Schenkel nichts ändern, neue Länge 40,00 m"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    ASSERT_TRUE(row.trim);
    EXPECT_DOUBLE_EQ(row.trim->lengthNewM, row.lengthNew);
    EXPECT_EQ(row.trim->perLegCm, row.perLegCm);
    EXPECT_EQ(row.trim->model, row.model);
    EXPECT_EQ(row.trim->text, row.text);
  }
}

TEST(Trim, NothingForLengthsOrFrequenciesThatAreNoneAtAll) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(TrimByScale(0.0, 3.5, 3.6));
  EXPECT_FALSE(TrimByScale(40.0, 3.5, kNaN));
  EXPECT_FALSE(TrimByModel(40.0, 39.0, -1.0, TrimModel::kNec));
  EXPECT_FALSE(TrimByModel(1e300, 1e300, 1e-300, TrimModel::kNec));  // no infinite new length
}

}  // namespace
}  // namespace velmora
