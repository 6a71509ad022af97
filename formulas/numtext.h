// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts for boxes and labels. The decimal separator is the user's locale's (the program
// asks the platform; tests pin ','); there is never a thousands separator or an exponent.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// What a number text shows for a value that is not a finite number (never "inf" or "nan").
inline constexpr const char* kNotANumberText = "---";

// General form: up to 15 significant digits, trailing zeros and separator dropped.
// 2.05 -> "2,05", 12 -> "12", 0.1 -> "0,1".
std::string FormatGeneral(double value, char decimalSeparator);

// A digit pattern: "0" a required digit, "#" an optional one, "." the decimal separator; text
// after the last digit place is copied ("##0.0# Ohm"). Rounded to the last allowed decimal,
// halves away from zero. "###0.0##": 39.5833 -> "39,583"; "0.00": 0.5 -> "0,50".
std::string FormatPattern(double value, std::string_view pattern, char decimalSeparator);

// A text the user typed or another program wrote, fit to be quoted in a message: at most
// `maxChars` UTF-8 characters, or `maxChars` - 1 of them and "…".
std::string Clip(std::string_view text, std::size_t maxChars = 60);

}  // namespace velmora
