// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <tuple>

namespace velmora {
namespace {

using Fault = Checked::Fault;

Checked Inf() {
  return Checked(1.0) / 0.0;
}

TEST(Checked, FaultsPropagate) {
  const std::tuple<const char*, Checked, Fault> rows[] = {
      {"plain", Checked(1.5) * 2 + 1, Fault::kNone},
      {"division_by_zero", Checked(1.0) / 0, Fault::kStored},
      {"zero_by_zero", Checked(0.0) / 0.0, Fault::kStored},
      {"overflow", Checked(DBL_MAX) * 2, Fault::kStored},
      {"underflow_is_no_fault", Checked(DBL_MIN) * DBL_MIN, Fault::kNone},
      // A fault sticks even when later arithmetic would give a finite number again.
      {"sticks_through_times_zero", Inf() * 0 + 1, Fault::kStored},
      {"negation_keeps_fault", -Inf(), Fault::kStored},
      {"ln_zero", Ln(0.0), Fault::kTrapped},
      {"ln_of_stored_fault", Ln(Inf()), Fault::kTrapped},
      {"sqrt_negative", Sqrt(-1e-300), Fault::kTrapped},
      {"sin_of_fault", Sin(Inf()), Fault::kTrapped},
      {"trapped_beats_stored", Inf() + Ln(0.0), Fault::kTrapped},
      {"trapped_sticks", Ln(0.0) * 0 + 1, Fault::kTrapped},
      {"single_in_range", Single(FLT_MAX), Fault::kNone},
      {"single_overflow", Single(1e39), Fault::kTrapped},
      {"single_negative_overflow", Single(-1e39), Fault::kTrapped},
      {"single_of_stored", Single(Inf()), Fault::kTrapped},
  };
  for (const auto& [name, value, fault] : rows) EXPECT_EQ(value.fault(), fault) << name;
}

TEST(Checked, AssignToSingleRoundsAndTrapsOverflow) {
  float target = 3.0f;
  EXPECT_TRUE(Assign(target, Checked(0.1)));
  EXPECT_EQ(target, 0.1f);
  EXPECT_FALSE(Assign(target, Checked(1e39)));
  EXPECT_EQ(target, 0.1f);
  EXPECT_FALSE(Assign(target, Checked(0.0) / 0));
  EXPECT_EQ(target, 0.1f);
}

TEST(Checked, AssignStoredKeepsTheIeeeResultOfItsOwnFault) {
  double target = 1.0;
  EXPECT_FALSE(AssignStored(target, Checked(1.0) / 0));
  EXPECT_EQ(target, HUGE_VAL);
  EXPECT_FALSE(AssignStored(target, Checked(0.0) / 0));
  EXPECT_TRUE(std::isnan(target));
  target = 1.0;
  EXPECT_FALSE(AssignStored(target, Sqrt(-1.0)));
  EXPECT_EQ(target, 1.0);
  EXPECT_TRUE(AssignStored(target, Checked(4.0) / 2));
  EXPECT_EQ(target, 2.0);
}

struct IntCase {
  double value;
  std::optional<std::int16_t> int16;
  std::optional<std::int32_t> int32;
};

TEST(Checked, IntegerConversionsRoundHalfToEvenAndRefuseWhatDoesNotFit) {
  const IntCase cases[] = {
      {2.5, 2, 2},
      {3.5, 4, 4},
      {-2.5, -2, -2},
      {32767.49, 32767, 32767},
      {32767.5, std::nullopt, 32768},
      {-32768.5, -32768, -32768},
      {-32769.0, std::nullopt, -32769},
      {2147483647.4, std::nullopt, 2147483647},
      {2147483647.5, std::nullopt, std::nullopt},
      {-2147483648.5, std::nullopt, -2147483648},
      {1e300, std::nullopt, std::nullopt},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ToInt16(c.value), c.int16);
    EXPECT_EQ(ToInt32(c.value), c.int32);
  }
  EXPECT_EQ(ToInt16(Checked(1.0) / 0), std::nullopt);
  EXPECT_EQ(ToInt32(Ln(0.0)), std::nullopt);
}

}  // namespace
}  // namespace velmora
