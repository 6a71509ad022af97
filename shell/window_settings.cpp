// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_settings.h"

#include <charconv>
#include <cmath>

#include "formulas/numtext.h"

namespace velmora {

std::optional<float> ParseSettingValue(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::nullopt;
  const std::size_t end = text.find_last_not_of(" \t") + 1;
  std::string number = text.substr(begin, end - begin);
  if (number.front() == '+') {
    number.erase(0, 1);  // from_chars takes no plus sign
    if (number.empty() || number.front() == '+' || number.front() == '-') return std::nullopt;
  }
  // Only digits, one separator, sign and exponent: from_chars alone would also take "inf".
  for (char& ch : number) {
    if (ch == ',') ch = '.';
    const bool ok =
        (ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+' || ch == 'e' || ch == 'E';
    if (!ok) return std::nullopt;
  }
  double value = 0;
  const char* first = number.data();
  const char* last = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  const float single = static_cast<float>(value);
  if (!std::isfinite(value) || !std::isfinite(single)) return std::nullopt;
  return single;
}

std::string FormatSettingValue(float value) {
  return FormatGeneral(value, '.');
}

}  // namespace velmora
