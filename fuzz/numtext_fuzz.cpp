// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts on arbitrary doubles and every pattern in use: never "inf", "nan" or an exponent,
// and the text reads back as the rounded value.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::string_view kPatterns[] = {"#0.0##", "###0.0##", "###0.0#",   "0.00#", "#####0.0",
                                          "##0.0#", "0.0##",    "###0",      "####0", "0.00",
                                          "#0.0#",  "#0.0####", "##0.0# Ohm"};

void CheckText(const std::string& text, double value) {
  if (text.find_first_of("eEiInN") != std::string::npos && text != velmora::kNotANumberText &&
      text.find("Ohm") == std::string::npos) {
    std::abort();
  }
  if (!std::isfinite(value) && text != velmora::kNotANumberText) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::Input in(data, size);
  while (!in.empty()) {
    const double value = in.Take<double>();
    const char separator = (in.Byte() & 1) ? ',' : '.';
    CheckText(velmora::FormatGeneral(value, separator), value);
    for (std::string_view pattern : kPatterns) {
      const std::string text = velmora::FormatPattern(value, pattern, separator);
      CheckText(text, value);
      // A text within the single range reads back within half a unit of the last decimal.
      if (std::isfinite(value) && std::fabs(value) < 1e30) {
        const double back = velmora::ParseDecimal(text);
        const double tolerance = 0.5e-5 + std::fabs(value) * 1e-6;  // single precision read-back
        if (std::fabs(back - value) > 0.5 + tolerance) std::abort();
      }
    }
  }
  return 0;
}
