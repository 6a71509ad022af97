// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/numtext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace velmora {
namespace {

constexpr int kSignificantDigits = 15;

// A non-negative decimal number 0.d1d2d3... * 10^pointPos; digits has no leading zero and no
// trailing zero, and is empty for zero.
struct Decimal {
  std::string digits;
  int pointPos = 0;
};

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.pointPos = 0;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void RoundAt(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.pointPos = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.pointPos;
    }
  }
  StripTrailingZeros(d);
}

// The value's 15-significant-digit decimal form, rounded half away from zero from the exact
// binary value (2.675 is stored as 2.67499999999999982..., which gives 2.67500000000000).
Decimal SignificantDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0.0) return d;
  // Every double has at most 767 significant decimal digits, so this expansion is exact.
  std::array<char, 800> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 770);
  const std::string_view text(buffer.data(), result.ptr - buffer.data());
  const std::size_t e = text.find('e');
  d.digits += text[0];
  d.digits += text.substr(2, e - 2);
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  d.pointPos = exponent + 1;
  StripTrailingZeros(d);
  RoundAt(d, kSignificantDigits);
  return d;
}

// Fixed notation: at least minInt integer digits (none when the integer part is 0 and minInt
// is 0), then between minFrac and maxFrac decimals; extra decimals that are 0 are dropped.
std::string Render(bool negative, const Decimal& d, int minInt, int minFrac, int maxFrac,
                   char separator) {
  const int count = static_cast<int>(d.digits.size());
  auto digitAt = [&](int index) { return index >= 0 && index < count ? d.digits[index] : '0'; };

  std::string integerPart;
  for (int i = 0; i < d.pointPos; ++i) integerPart += digitAt(i);
  if (static_cast<int>(integerPart.size()) < minInt) {
    integerPart.insert(0, minInt - integerPart.size(), '0');
  }

  std::string fraction;
  for (int i = 0; i < maxFrac; ++i) fraction += digitAt(d.pointPos + i);
  while (static_cast<int>(fraction.size()) > minFrac && fraction.back() == '0') {
    fraction.pop_back();
  }

  std::string text;
  if (negative && !d.digits.empty()) text += '-';
  text += integerPart;
  if (!fraction.empty()) {
    text += separator;
    text += fraction;
  }
  return text;
}

bool IsPlace(char c) {
  return c == '0' || c == '#';
}

}  // namespace

std::string FormatGeneral(double value, char decimalSeparator) {
  if (!std::isfinite(value)) return kNotANumberText;
  const Decimal d = SignificantDecimal(std::fabs(value));
  const int decimals = static_cast<int>(d.digits.size()) - d.pointPos;
  return Render(std::signbit(value), d, 1, 0, decimals > 0 ? decimals : 0, decimalSeparator);
}

std::string FormatPattern(double value, std::string_view pattern, char decimalSeparator) {
  if (!std::isfinite(value)) return kNotANumberText;
  // The pattern: literal text, the digit places (with at most one point), literal text.
  std::size_t begin = 0;
  while (begin < pattern.size() && !IsPlace(pattern[begin]) && pattern[begin] != '.') ++begin;
  int minInt = 0;
  int minFrac = 0;
  int maxFrac = 0;
  bool inFraction = false;
  std::size_t end = begin;
  for (; end < pattern.size(); ++end) {
    const char c = pattern[end];
    if (c == '.' && !inFraction) {
      inFraction = true;
    } else if (IsPlace(c)) {
      if (inFraction) {
        ++maxFrac;
        if (c == '0') minFrac = maxFrac;
      } else if (c == '0') {
        ++minInt;
      }
    } else {
      break;
    }
  }
  const std::string prefix(pattern.substr(0, begin));
  const std::string suffix(pattern.substr(end));

  Decimal d = SignificantDecimal(std::fabs(value));
  RoundAt(d, d.pointPos + maxFrac);
  return prefix + Render(std::signbit(value), d, minInt, minFrac, maxFrac, decimalSeparator) +
         suffix;
}

std::string Clip(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A byte 10xxxxxx continues a character; any other starts one.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++chars == maxChars) {
      std::size_t end = i + 1;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      if (end == text.size()) break;
      return std::string(text.substr(0, i)) + "…";
    }
  }
  return std::string(text);
}

}  // namespace velmora
