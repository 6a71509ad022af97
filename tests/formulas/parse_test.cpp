// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "headless/headless_platform.h"

namespace velmora {
namespace {

TEST(ParseDecimal, ReadsTheLeadingNumberAsASingle) {
  struct Row {
    const char* name;
    std::string text;
    float expected;
  };
  const Row rows[] = {
      {"comma", "1,5", 1.5f},
      {"point", "1.5", 1.5f},
      {"only_the_first_comma_is_a_point", "1,2,3", 1.2f},
      {"thousands_separator_ignored", "1.234,5", 1.234f},
      {"empty", "", 0.0f},
      {"material_entry", "16,5 Zn", 16.5f},
      {"blank_inside_digits", "1 2", 12.0f},
      {"tab_and_line_feed", "\t1\n2,\n5", 12.5f},
      {"carriage_return_stops", "\r5", 0.0f},
      {"minus", "-2,5", -2.5f},
      {"minus_zero_is_zero", "-0", 0.0f},
      {"two_signs", "+-5", 0.0f},
      {"lone_point", ".", 0.0f},
      {"letter_first", "Cu 56", 0.0f},
      {"exponent_e", "1e3", 1000.0f},
      {"exponent_upper_d", "1,5D2", 150.0f},
      {"exponent_without_digits", "4e", 4.0f},
      {"hex", "&H1F", 31.0f},
      {"hex_stops_at_non_digit", "&H1G", 1.0f},
      {"hex_large_is_not_negative", "&HFFFF", 65535.0f},
      {"octal_stops_at_8", "&O78", 7.0f},
      {"unknown_prefix", "&X12", 0.0f},
      // 1 + 2^-24 lies between two singles; the text lies just above it, but the double it
      // reads as is that midpoint, which rounds to even: the value goes through double first.
      {"rounded_via_double", "1.0000000596046447753906250001", 1.0f},
      {"integer_beyond_single_digits", "16777217", 16777216.0f},
      // Exponents are not typed (the key filter refuses letters) but a material may carry one.
      {"beyond_single", "1e39", FLT_MAX},
      {"beyond_double_negative", "-1,5e99999", -FLT_MAX},
      {"huge_exponent_digits", "1e999999999999999999", FLT_MAX},
      {"below_double", "1e-400", 0.0f},
      {"zero_with_huge_exponent", "0e99999", 0.0f},
      {"leading_zeros_count", "0.0001e39", 1e35f},
      {"hex_beyond_single", "&H" + std::string(40, 'F'), FLT_MAX},
      {"long_leading_zeros", std::string(5000, '0') + "1,25", 1.25f},
      {"long_fraction", "0," + std::string(5000, '0') + "1", 0.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const float value = ParseDecimal(row.text);
    // Bit-exact: the reading is deterministic, and -0 must not sneak in for 0.
    EXPECT_EQ(value, row.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
  }
}

TEST(FilterNumericKey, AcceptsDigitsSeparatorsAndBackspaceElseBeepsAndSwallows) {
  const auto check = [](std::int16_t key, bool accepted) {
    SCOPED_TRACE(key);
    HeadlessPlatform platform;
    int beepsSeenAtEvents = -1;
    platform.onDoEvents = [&] { beepsSeenAtEvents = platform.beeps; };
    EXPECT_EQ(FilterNumericKey(key, kNumericKeys, platform), accepted ? key : 0);
    EXPECT_EQ(platform.beeps, accepted ? 0 : 1);
    EXPECT_EQ(beepsSeenAtEvents, accepted ? -1 : 1);  // the beep sounds before pending events run
  };
  for (const char key : {'0', '9', ',', '.', '\b'}) check(key, true);
  // Ctrl+V, "ä", the code of a character beyond 16 bits, and codes that would wrap onto accepted
  // characters as a byte.
  const int refused[] = {'-', 'e', 22, 0xE4, -1, 0, 256 + '1', -256 + ',', 256 + 8};
  for (const int key : refused) check(static_cast<std::int16_t>(key), false);
}

TEST(FilterNumericKey, UsesTheSetPassedIn) {
  HeadlessPlatform platform;
  EXPECT_EQ(FilterNumericKey('x', "x", platform), 'x');
  EXPECT_EQ(FilterNumericKey(8, "", platform), 8);
  EXPECT_EQ(FilterNumericKey('1', "", platform), 0);
  EXPECT_EQ(platform.beeps, 1);
}

}  // namespace
}  // namespace velmora
