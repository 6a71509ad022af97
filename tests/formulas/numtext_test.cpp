// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string WithPoint(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutExponent) {
  const std::pair<double, std::string> rows[] = {
      {12, "12"},
      {2.05, "2,05"},
      {-0.0, "0"},
      {1.234567890123456, "1,23456789012346"},  // the sixteenth digit rounds
      {0.1 + 0.2, "0,3"},                       // binary noise dropped
      {9.999999999999998, "10"},                // carry into a new digit
      {static_cast<double>(2.05f), "2,04999995231628"},
      {123456789012345678.0, "123456789012346000"},
      {-2.5e-10, "-0,00000000025"},
      {DBL_MAX, "179769313486232" + std::string(294, '0')},
      {kInf, "---"},
      {kNaN, "---"},
  };
  for (const auto& [value, expected] : rows) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(FormatGeneral(value, ','), expected);
    EXPECT_EQ(FormatGeneral(value, '.'), WithPoint(expected));
  }
}

TEST(FormatPattern, PatternsInUse) {
  struct Row {
    double value;
    const char* pattern;
    const char* expected;
  };
  const Row rows[] = {
      {39.58333333, "###0.0##", "39,583"},
      {0.5, "0.00", "0,50"},
      {2.675, "0.00", "2,68"},    // stored as 2.67499999999999982..., whose 15 digits end in 5
      {-0.125, "0.00", "-0,13"},  // halves round away from zero
      {0.9999, "0.0##", "1,0"},
      {1234567.8, "#0.0#", "1234567,8"},  // integer digits are never cut
      {0.000015, "#0.0####", "0,00002"},
      {2.5, "###0", "3"},
      {0.4, "###0", "0"},
      {3.2071347, "##0.0# Ohm", "3,21 Ohm"},
      {-0.004, "0.00", "0,00"},  // a negative value rounded to zero has no sign
      {-0.0, "0.0##", "0,0"},
      {-0.005, "0.00", "-0,01"},
      {1e30, "0.00", "1000000000000000000000000000000,00"},
      // The 15-digit form is 123456789012.345, which then rounds half away to ,35.
      {123456789012.3449, "0.00", "123456789012,35"},
      {kInf, "0.00", "---"},
      {kNaN, "##0.0# Ohm", "---"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.pattern) + " " + row.expected);
    EXPECT_EQ(FormatPattern(row.value, row.pattern, ','), row.expected);
    EXPECT_EQ(FormatPattern(row.value, row.pattern, '.'), WithPoint(row.expected));
  }
}

TEST(FormatPattern, NeverExponentNotation) {
  const char* patterns[] = {"#0.0##", "###0", "0.00", "#0.0####"};
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
