// SPDX-License-Identifier: GPL-3.0-or-later
// Every formula function on arbitrary arguments: no crash, no undefined behaviour, and a
// successful result is always a finite number.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "formulas/antenna.h"
#include "fuzz/fuzz_checks.h"

namespace {

void CheckResult(velmora::Checked r) {
  if (r.ok() && !std::isfinite(r.value())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  fuzz::Input in(data, size);
  while (!in.empty()) {
    const auto a = in.Take<float>();
    const auto b = in.Take<float>();
    const auto c = in.Take<float>();
    const auto d = in.Take<float>();
    const auto s = in.Take<double>();
    const auto flag = static_cast<std::int16_t>(in.Byte() & 1 ? -1 : 0);
    CheckResult(Log10(s));
    if (!std::isfinite(RadiationResistance(a, b, flag))) std::abort();
    if (!std::isfinite(HeightShorteningPercent(a, b, flag))) std::abort();
    CheckResult(GroundLossResistance(a, b, c, d));
    CheckResult(ConductorLossResistance(a, b, c, d));
    CheckResult(WireShorteningPercent(a, b));
    CheckResult(InsulationShortening(a, b, c, d));
    CheckResult(ResonantDipoleLength(a, b, s, c));
    // The readout of the dialogs reads its inputs from texts.
    const std::string texts[] = {fuzz::ValueText(in), fuzz::ValueText(in), fuzz::ValueText(in),
                                 fuzz::ValueText(in)};
    const std::optional<float> loss = ConductorLossReadout(texts[0], texts[1], texts[2], texts[3]);
    if (loss && !std::isfinite(*loss)) std::abort();
  }
  return 0;
}
