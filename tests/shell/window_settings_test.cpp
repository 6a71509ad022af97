// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_settings.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmora {
namespace {

TEST(ParseSettingValue, ReadsWholeNumbersOnly) {
  struct Row {
    const char* text;
    std::optional<float> expected;
  };
  const Row rows[] = {
      {" 8500 ", 8500.0f},     {"-1500", -1500.0f},    {"+15", 15.0f},
      {"1500,5", 1500.5f},     {"1500.5", 1500.5f},    {"1,5e3", 1500.0f},
      {"   ", std::nullopt},   {"12px", std::nullopt}, {"1 000", std::nullopt},
      {"1,5,3", std::nullopt}, {"+-5", std::nullopt},  {"inf", std::nullopt},
      {"abc", std::nullopt},   {"-", std::nullopt},    {"0x10", std::nullopt},
      {"1e39", std::nullopt},  // beyond single precision
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseSettingValue(row.text), row.expected);
  }
}

TEST(FormatSettingValue, ReadsBackExactly) {
  for (float value : {-1500.0f, 0.0f, 1234.5f, 0.1f, 3.0e7f}) {
    SCOPED_TRACE(value);
    const std::string text = FormatSettingValue(value);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_EQ(ParseSettingValue(text), value) << text;
  }
  EXPECT_EQ(FormatSettingValue(9000.0f), "9000");
}

}  // namespace
}  // namespace velmora
