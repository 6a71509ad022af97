// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/parse.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string_view>

namespace velmora {
namespace {

constexpr char kBackspace = 8;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Rounds to single precision; a magnitude beyond the single range reads as the largest single
// of that sign rather than as infinity.
float ToSingle(double value) {
  if (std::isnan(value)) return 0.0f;
  if (value > FLT_MAX) return FLT_MAX;
  if (value < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(value);
}

// Digits of base 8 or 16 after "&O" / "&H", up to the first character that is no such digit.
double ReadRadixInteger(std::string_view text, int radix) {
  double value = 0.0;
  for (char c : text) {
    int digit;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    if (digit >= radix) break;
    // Past the single range the digits no longer matter: the result is clamped anyway.
    if (value <= FLT_MAX) value = value * radix + digit;
  }
  return value;
}

// The leading decimal number of `text` (blanks already removed): sign, digits, point, digits,
// exponent with E or D. Nothing readable gives 0.
double ReadDecimal(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::string mantissa;  // digits and at most one point, ready for from_chars
  std::size_t digitCount = 0;
  int pointAt = -1;       // digits before the point; -1 while no point was seen
  int firstNonZero = -1;  // index among the digits of the first digit that is not 0
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      if (firstNonZero < 0 && c != '0') firstNonZero = static_cast<int>(digitCount);
      mantissa += c;
      ++digitCount;
    } else if (c == '.' && pointAt < 0) {
      pointAt = static_cast<int>(digitCount);
      mantissa += c;
    } else {
      break;
    }
  }
  if (digitCount == 0) return 0.0;
  if (pointAt < 0) pointAt = static_cast<int>(digitCount);

  long exponent = 0;
  if (pos < text.size() &&
      (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
    std::size_t p = pos + 1;
    bool expNegative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
      expNegative = text[p] == '-';
      ++p;
    }
    if (p < text.size() && IsDigit(text[p])) {
      for (; p < text.size() && IsDigit(text[p]); ++p) {
        if (exponent < 100000) exponent = exponent * 10 + (text[p] - '0');
      }
      if (expNegative) exponent = -exponent;
    }
  }
  if (firstNonZero < 0) return 0.0;

  // Decimal exponent of the leading digit: decides the direction when from_chars is out of range.
  const long magnitude = exponent + pointAt - firstNonZero;
  const std::string number = mantissa + "e" + std::to_string(exponent);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    value = magnitude > 0 ? HUGE_VAL : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  if (value == 0.0) return 0.0;  // "-0" reads as plain 0
  return negative ? -value : value;
}

}  // namespace

float ParseDecimal(std::string text) {
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos) text[comma] = '.';

  std::string packed;
  packed.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') packed += c;
  }

  const std::string_view view(packed);
  if (view.size() >= 2 && view[0] == '&') {
    if (view[1] == 'H' || view[1] == 'h') return ToSingle(ReadRadixInteger(view.substr(2), 16));
    if (view[1] == 'O' || view[1] == 'o') return ToSingle(ReadRadixInteger(view.substr(2), 8));
    return 0.0f;
  }
  return ToSingle(ReadDecimal(view));
}

std::int16_t FilterNumericKey(std::int16_t keyCode, std::string accepted, KeyRefusal& refusal) {
  accepted += kBackspace;
  // Only single-byte characters can be accepted; anything wider is refused like a letter.
  if (keyCode >= 0 && keyCode <= 127 &&
      accepted.find(static_cast<char>(keyCode)) != std::string::npos) {
    return keyCode;
  }
  refusal.Beep();
  refusal.DoEvents();
  return 0;
}

double Widen(float value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  double wide = 0.0;
  std::from_chars(buffer, end, wide);
  return wide;
}

}  // namespace velmora
