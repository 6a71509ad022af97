// SPDX-License-Identifier: GPL-3.0-or-later
// ParseDecimal and the key filter on arbitrary bytes.
#include <cmath>
#include <cstdlib>
#include <string>

#include "formulas/parse.h"
#include "fuzz/fuzz_input.h"
#include "headless/headless_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const float value = velmora::ParseDecimal(text);
  if (!std::isfinite(value)) std::abort();  // an input box must never read as inf or nan

  velmora::HeadlessPlatform platform;
  velmora::fuzz::Input in(data, size);
  while (!in.empty()) {
    const auto key = in.Take<std::int16_t>();
    const int beepsBefore = platform.beeps;
    const std::int16_t result = velmora::FilterNumericKey(key, velmora::kNumericKeys, platform);
    const bool refused = result == 0;
    if (result != 0 && result != key) std::abort();
    if (refused != (platform.beeps == beepsBefore + 1) && key != 0) std::abort();
  }
  return 0;
}
