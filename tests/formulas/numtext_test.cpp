#include "formulas/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct GeneralCase {
  const char* name;
  double value;
  std::string expected;
};

void PrintTo(const GeneralCase& c, std::ostream* os) {
  *os << c.name;
}

class FormatGeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, CommaSeparator) {
  EXPECT_EQ(FormatGeneral(GetParam().value, ','), GetParam().expected);
}

TEST_P(FormatGeneralTest, PointSeparator) {
  std::string expected = GetParam().expected;
  for (char& c : expected) {
    if (c == ',') c = '.';
  }
  EXPECT_EQ(FormatGeneral(GetParam().value, '.'), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    testing::Values(
        GeneralCase{"integer", 12, "12"}, GeneralCase{"ten", 10, "10"},
        GeneralCase{"default_diameter", 2.05, "2,05"}, GeneralCase{"frequency", 3.6, "3,6"},
        GeneralCase{"length", 39.59, "39,59"}, GeneralCase{"tenth", 0.1, "0,1"},
        GeneralCase{"zinc", 16.5, "16,5"}, GeneralCase{"zero", 0.0, "0"},
        GeneralCase{"negative_zero", -0.0, "0"}, GeneralCase{"negative", -2.5, "-2,5"},
        GeneralCase{"fifteen_digits_kept", 1.23456789012345, "1,23456789012345"},
        GeneralCase{"sixteenth_digit_rounds_up", 1.234567890123456, "1,23456789012346"},
        GeneralCase{"sixteenth_digit_rounds_down", 1.234567890123454, "1,23456789012345"},
        GeneralCase{"binary_noise_dropped", 0.1 + 0.2, "0,3"},
        GeneralCase{"carry_into_new_digit", 9.999999999999998, "10"},
        GeneralCase{"single_value_shows_its_digits", static_cast<double>(2.05f),
                    "2,04999995231628"},
        GeneralCase{"huge_without_exponent", 1e30, "1000000000000000000000000000000"},
        GeneralCase{"huge_rounded_to_15_digits", 123456789012345678.0, "123456789012346000"},
        GeneralCase{"tiny_without_exponent", 1e-20, "0,00000000000000000001"},
        GeneralCase{"tiny_negative", -2.5e-10, "-0,00000000025"},
        GeneralCase{"largest_double", DBL_MAX, "179769313486232" + std::string(294, '0')},
        GeneralCase{"infinity", kInf, "---"}, GeneralCase{"minus_infinity", -kInf, "---"},
        GeneralCase{"nan", kNaN, "---"}));

struct PatternCase {
  const char* name;
  double value;
  const char* pattern;
  const char* expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.name;
}

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, CommaSeparator) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(FormatPattern(c.value, c.pattern, ','), c.expected) << "pattern " << c.pattern;
}

TEST_P(FormatPatternTest, PointSeparator) {
  const PatternCase& c = GetParam();
  std::string expected = c.expected;
  for (char& ch : expected) {
    if (ch == ',') ch = '.';
  }
  EXPECT_EQ(FormatPattern(c.value, c.pattern, '.'), expected) << "pattern " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    PatternsInUse, FormatPatternTest,
    testing::Values(PatternCase{"length_three_decimals", 39.58333333, "###0.0##", "39,583"},
                    PatternCase{"length_one_decimal", 40.0, "###0.0##", "40,0"},
                    PatternCase{"length_big", 12345.6789, "###0.0##", "12345,679"},
                    PatternCase{"one_or_two_decimals", 1.25, "##0.0#", "1,25"},
                    PatternCase{"one_or_two_zero", 0.0, "##0.0#", "0,0"},
                    PatternCase{"one_or_two_drops_zero", 7.504, "##0.0#", "7,5"},
                    PatternCase{"fixed_two", 0.5, "0.00", "0,50"},
                    PatternCase{"fixed_two_decimal_exact_half", 2.675, "0.00", "2,68"},
                    PatternCase{"fixed_two_binary_half", 0.125, "0.00", "0,13"},
                    PatternCase{"fixed_two_negative_half", -0.125, "0.00", "-0,13"},
                    PatternCase{"fixed_two_decimal_half_below", 1.005, "0.00", "1,01"},
                    PatternCase{"upto_three", 1.0, "0.0##", "1,0"},
                    PatternCase{"upto_three_rounds", 0.12345, "0.0##", "0,123"},
                    PatternCase{"upto_three_carry", 0.9999, "0.0##", "1,0"},
                    PatternCase{"two_or_three", 1.1, "0.00#", "1,10"},
                    PatternCase{"two_or_three_full", 1.2345, "0.00#", "1,235"},
                    PatternCase{"short_pattern", 12.3456, "#0.0##", "12,346"},
                    PatternCase{"short_pattern_small", 0.05, "#0.0##", "0,05"},
                    PatternCase{"long_integer_pattern", 3.14159, "#####0.0", "3,1"},
                    PatternCase{"never_cuts_integer_digits", 1234567.8, "#0.0#", "1234567,8"},
                    PatternCase{"upto_five", 0.000015, "#0.0####", "0,00002"},
                    PatternCase{"upto_five_drops_zeros", 2.5, "#0.0####", "2,5"},
                    PatternCase{"integer_half_up", 2.5, "###0", "3"},
                    PatternCase{"integer_half_up_odd", 3.5, "###0", "4"},
                    PatternCase{"integer_negative_half", -2.5, "###0", "-3"},
                    PatternCase{"integer_wide", 83.2757, "####0", "83"},
                    PatternCase{"integer_zero", 0.4, "###0", "0"},
                    PatternCase{"ohm_suffix", 0.0, "##0.0# Ohm", "0,0 Ohm"},
                    PatternCase{"ohm_suffix_value", 3.2071347, "##0.0# Ohm", "3,21 Ohm"},
                    PatternCase{"ohm_suffix_negative", -1.5, "##0.0# Ohm", "-1,5 Ohm"}));

INSTANTIATE_TEST_SUITE_P(
    EdgeValues, FormatPatternTest,
    testing::Values(PatternCase{"negative_rounds_to_zero", -0.004, "0.00", "0,00"},
                    PatternCase{"negative_rounds_to_zero_integer", -0.4, "###0", "0"},
                    PatternCase{"negative_zero", -0.0, "0.0##", "0,0"},
                    PatternCase{"negative_tiny", -1e-20, "##0.0#", "0,0"},
                    PatternCase{"negative_half_rounds_away", -0.005, "0.00", "-0,01"},
                    PatternCase{"tiny", 1e-20, "#0.0####", "0,0"},
                    PatternCase{"huge", 1e30, "0.00", "1000000000000000000000000000000,00"},
                    PatternCase{"huge_integer", 1e20, "###0", "100000000000000000000"},
                    // The 15-digit form is 123456789012.345, which then rounds half away to ,35.
                    PatternCase{"rounded_from_15_digits", 123456789012.3449, "0.00",
                                "123456789012,35"},
                    PatternCase{"largest_single", static_cast<double>(FLT_MAX), "###0",
                                "340282346638529000000000000000000000000"},
                    PatternCase{"infinity", kInf, "0.00", "---"},
                    PatternCase{"minus_infinity", -kInf, "##0.0# Ohm", "---"},
                    PatternCase{"nan", kNaN, "###0.0##", "---"}));

TEST(FormatPattern, NeverExponentNotation) {
  const char* patterns[] = {"#0.0##", "###0.0##", "###0.0#", "0.00#", "#####0.0", "##0.0#",
                            "0.0##",  "###0",     "####0",   "0.00",  "#0.0#",    "#0.0####"};
  const double values[] = {1e-300, 5e-324, 1e15, 1e16, 1e100, 1e300, -1e21, 123456.5e10};
  for (const char* pattern : patterns) {
    for (double value : values) {
      SCOPED_TRACE(std::string(pattern) + " " + std::to_string(value));
      const std::string text = FormatPattern(value, pattern, ',');
      EXPECT_EQ(text.find_first_not_of("-0123456789,"), std::string::npos) << text;
      EXPECT_NE(text.front(), ',');  // an integer digit always leads
    }
  }
}

}  // namespace
}  // namespace velmora
