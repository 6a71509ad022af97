#include "formulas/parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "headless/headless_platform.h"

namespace velmora {
namespace {

struct ParseCase {
  const char* name;
  std::string text;
  float expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.name;
}

class ParseDecimalTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, ReadsLeadingNumberAsSingle) {
  const ParseCase& c = GetParam();
  const float value = ParseDecimal(c.text);
  // Bit-exact: the reading is deterministic, and -0 must not sneak in for 0.
  EXPECT_EQ(value, c.expected) << "text: \"" << c.text << "\"";
  EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, ParseDecimalTest,
    testing::Values(
        ParseCase{"comma", "1,5", 1.5f}, ParseCase{"point", "1.5", 1.5f},
        ParseCase{"leading_comma", ",5", 0.5f}, ParseCase{"trailing_comma", "12,", 12.0f},
        ParseCase{"second_comma_stops", "1,5,3", 1.5f},
        ParseCase{"point_then_comma", "1.5,3", 1.5f}, ParseCase{"two_commas", "1,2,3", 1.2f},
        ParseCase{"thousands_separator_ignored", "1.234,5", 1.234f}, ParseCase{"empty", "", 0.0f},
        ParseCase{"material_entry", "56 Cu", 56.0f},
        ParseCase{"material_fraction", "16,5 Zn", 16.5f},
        ParseCase{"general_default", "2,05", 2.05f}, ParseCase{"single_rounding", "0,1", 0.1f},
        ParseCase{"zero_point", "0.", 0.0f}));

INSTANTIATE_TEST_SUITE_P(
    LeadingNumberRule, ParseDecimalTest,
    testing::Values(
        ParseCase{"blank_inside_digits", "1 2", 12.0f},
        ParseCase{"tab_and_line_feed", "\t1\n2,\n5", 12.5f},
        ParseCase{"leading_blanks", "   7", 7.0f}, ParseCase{"carriage_return_stops", "\r5", 0.0f},
        ParseCase{"minus", "-2,5", -2.5f}, ParseCase{"plus", "+2,5", 2.5f},
        ParseCase{"blank_after_sign", "- 3", -3.0f}, ParseCase{"minus_zero_is_zero", "-0", 0.0f},
        ParseCase{"two_signs", "+-5", 0.0f}, ParseCase{"lone_sign", "-", 0.0f},
        ParseCase{"lone_point", ".", 0.0f}, ParseCase{"letter_first", "Cu 56", 0.0f},
        ParseCase{"letter_stops", "12a3", 12.0f}, ParseCase{"exponent_e", "1e3", 1000.0f},
        ParseCase{"exponent_upper_d", "1,5D2", 150.0f}, ParseCase{"exponent_lower_d", "2d-1", 0.2f},
        ParseCase{"exponent_signed", "25E-1", 2.5f},
        ParseCase{"exponent_without_digits", "4e", 4.0f},
        ParseCase{"exponent_sign_without_digits", "4e+x", 4.0f},
        ParseCase{"exponent_with_blank", "1 e 2", 100.0f}, ParseCase{"hex", "&H1F", 31.0f},
        ParseCase{"hex_lower", "&hff", 255.0f}, ParseCase{"hex_stops_at_non_digit", "&H1G", 1.0f},
        ParseCase{"hex_large_is_not_negative", "&HFFFF", 65535.0f},
        ParseCase{"octal", "&O17", 15.0f}, ParseCase{"octal_stops_at_8", "&O78", 7.0f},
        ParseCase{"prefix_without_digits", "&H", 0.0f}, ParseCase{"unknown_prefix", "&X12", 0.0f},
        ParseCase{"ampersand_alone", "&", 0.0f},
        // 1 + 2^-24 lies exactly between two singles; the text lies just above it, but the
        // double it reads as is that midpoint, which rounds to even: the value goes through
        // double precision first.
        ParseCase{"rounded_via_double", "1.0000000596046447753906250001", 1.0f},
        ParseCase{"integer_beyond_single_digits", "16777217", 16777216.0f},
        ParseCase{"largest_single", "3.4028234663852886e38", FLT_MAX}));

// Exponents are not typed (the key filter refuses letters) but a material text may carry one.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, ParseDecimalTest,
    testing::Values(ParseCase{"beyond_single", "1e39", FLT_MAX},
                    ParseCase{"beyond_single_negative", "-1e39", -FLT_MAX},
                    ParseCase{"beyond_double", "1e400", FLT_MAX},
                    ParseCase{"beyond_double_negative", "-1,5e99999", -FLT_MAX},
                    ParseCase{"huge_exponent_digits", "1e999999999999999999", FLT_MAX},
                    ParseCase{"below_single", "1e-50", 0.0f},
                    ParseCase{"below_double", "1e-400", 0.0f},
                    ParseCase{"zero_with_huge_exponent", "0e99999", 0.0f},
                    ParseCase{"leading_zeros_count", "0.0001e39", 1e35f},
                    ParseCase{"hex_beyond_single", "&H" + std::string(40, 'F'), FLT_MAX}));

TEST(ParseDecimal, LongTextStaysExact) {
  EXPECT_EQ(ParseDecimal(std::string(5000, '0') + "1,25"), 1.25f);
  EXPECT_EQ(ParseDecimal("0," + std::string(5000, '0') + "1"), 0.0f);
  EXPECT_EQ(ParseDecimal(std::string(50, '9')), FLT_MAX);
}

TEST(ParseDecimal, LeavesCallersTextUnchanged) {
  const std::string text = "1,5";
  ParseDecimal(text);
  EXPECT_EQ(text, "1,5");
}

struct KeyCase {
  const char* name;
  std::int16_t key;
  bool accepted;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

class FilterNumericKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(FilterNumericKeyTest, AcceptsOrBeepsAndSwallows) {
  const KeyCase& c = GetParam();
  HeadlessPlatform platform;
  int beepsSeenAtEvents = -1;
  platform.onDoEvents = [&] { beepsSeenAtEvents = platform.beeps; };
  const std::int16_t result = FilterNumericKey(c.key, kNumericKeys, platform);
  if (c.accepted) {
    EXPECT_EQ(result, c.key);
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(platform.doEventsCalls, 0);
  } else {
    EXPECT_EQ(result, 0);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(platform.doEventsCalls, 1);
    EXPECT_EQ(beepsSeenAtEvents, 1) << "the beep sounds before pending events run";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FilterNumericKeyTest,
    testing::Values(
        KeyCase{"digit_0", '0', true}, KeyCase{"digit_5", '5', true}, KeyCase{"digit_9", '9', true},
        KeyCase{"comma", ',', true}, KeyCase{"point", '.', true}, KeyCase{"backspace", 8, true},
        KeyCase{"minus", '-', false}, KeyCase{"plus", '+', false}, KeyCase{"letter_e", 'e', false},
        KeyCase{"letter_E", 'E', false}, KeyCase{"letter_a", 'a', false},
        KeyCase{"blank", ' ', false}, KeyCase{"ctrl_v", 22, false}, KeyCase{"ctrl_c", 3, false},
        KeyCase{"tab", 9, false}, KeyCase{"enter", 13, false}, KeyCase{"no_key", 0, false},
        KeyCase{"delete", 127, false}, KeyCase{"latin1_umlaut", 0xE4, false},
        KeyCase{"negative", -1, false}, KeyCase{"most_negative", -32768, false},
        // Codes that would wrap onto accepted characters as a byte.
        KeyCase{"wraps_to_digit", 256 + '1', false},
        KeyCase{"negative_wraps_to_comma", -256 + ',', false},
        KeyCase{"wraps_to_backspace", 256 + 8, false}));

TEST(FilterNumericKey, UsesTheSetPassedIn) {
  HeadlessPlatform platform;
  EXPECT_EQ(FilterNumericKey('x', "x", platform), 'x');
  EXPECT_EQ(FilterNumericKey(8, "", platform), 8);
  EXPECT_EQ(FilterNumericKey('1', "", platform), 0);
  EXPECT_EQ(platform.beeps, 1);
}

TEST(FilterNumericKey, RefusalLetsAnotherHandlerRun) {
  HeadlessPlatform platform;
  int reentered = 0;
  platform.onDoEvents = [&] {
    ++reentered;
    // A handler running at the re-entrancy point may filter keys itself.
    EXPECT_EQ(FilterNumericKey('7', kNumericKeys, platform), '7');
  };
  EXPECT_EQ(FilterNumericKey('q', kNumericKeys, platform), 0);
  EXPECT_EQ(reentered, 1);
  EXPECT_EQ(platform.beeps, 1);
}

}  // namespace
}  // namespace velmora
