#include "formulas/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

namespace velmora {
namespace {

using Fault = Checked::Fault;

struct FaultCase {
  const char* name;
  std::function<Checked()> compute;
  Fault expected;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class CheckedFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(CheckedFaultTest, Propagates) {
  EXPECT_EQ(GetParam().compute().fault(), GetParam().expected);
}

Checked Inf() {
  return Checked(1.0) / 0.0;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, CheckedFaultTest,
    testing::Values(
        FaultCase{"plain", [] { return Checked(1.5) * 2 + 1; }, Fault::kNone},
        FaultCase{"division_by_zero", [] { return Checked(1.0) / 0; }, Fault::kStored},
        FaultCase{"zero_by_zero", [] { return Checked(0.0) / 0.0; }, Fault::kStored},
        FaultCase{"overflow", [] { return Checked(DBL_MAX) * 2; }, Fault::kStored},
        FaultCase{"underflow_is_no_fault", [] { return Checked(DBL_MIN) * DBL_MIN; }, Fault::kNone},
        // A fault sticks even when later arithmetic would give a finite number again.
        FaultCase{"sticks_through_division", [] { return 1 / Inf(); }, Fault::kStored},
        FaultCase{"sticks_through_times_zero", [] { return Inf() * 0 + 1; }, Fault::kStored},
        FaultCase{"negation_keeps_fault", [] { return -Inf(); }, Fault::kStored},
        FaultCase{"ln_zero", [] { return Ln(0.0); }, Fault::kTrapped},
        FaultCase{"ln_negative", [] { return Ln(-1.0); }, Fault::kTrapped},
        FaultCase{"ln_one", [] { return Ln(1.0); }, Fault::kNone},
        FaultCase{"ln_of_stored_fault", [] { return Ln(Inf()); }, Fault::kTrapped},
        FaultCase{"sqrt_negative", [] { return Sqrt(-1e-300); }, Fault::kTrapped},
        FaultCase{"sqrt_zero", [] { return Sqrt(0.0); }, Fault::kNone},
        FaultCase{"sin_of_fault", [] { return Sin(Inf()); }, Fault::kTrapped},
        FaultCase{"abs_of_fault", [] { return Abs(Inf()); }, Fault::kTrapped},
        FaultCase{"trapped_beats_stored", [] { return Inf() + Ln(0.0); }, Fault::kTrapped},
        FaultCase{"trapped_sticks", [] { return Ln(0.0) * 0 + 1; }, Fault::kTrapped},
        FaultCase{"single_in_range", [] { return Single(FLT_MAX); }, Fault::kNone},
        FaultCase{"single_overflow", [] { return Single(1e39); }, Fault::kTrapped},
        FaultCase{"single_negative_overflow", [] { return Single(-1e39); }, Fault::kTrapped},
        FaultCase{"single_of_stored", [] { return Single(Inf()); }, Fault::kTrapped},
        FaultCase{"failed", [] { return Checked::Failed(); }, Fault::kTrapped}));

TEST(Checked, AssignStoresOnlyWhenTheStepSucceeds) {
  double target = 7.0;
  EXPECT_TRUE(Assign(target, Checked(2.5) * 2));
  EXPECT_EQ(target, 5.0);
  EXPECT_FALSE(Assign(target, Checked(1.0) / 0));
  EXPECT_EQ(target, 5.0);
  EXPECT_FALSE(Assign(target, Ln(-1.0)));
  EXPECT_EQ(target, 5.0);
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
