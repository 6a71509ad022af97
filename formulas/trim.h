// SPDX-License-Identifier: GPL-3.0-or-later
// How much to cut a dipole that resonates at a measured frequency so that it resonates at the
// target frequency.
#pragma once

#include <optional>
#include <string>

namespace velmora {

// Where the resonant lengths the trim scales by come from.
enum class TrimModel {
  kNec,      // NEC-2's resonant length for the same wire, height and ground
  kFormula,  // the formulas' "resonante Dipollänge" for the same wire
  kScale,    // no wire known: by frequency alone
};

struct Trim {
  double lengthNewM = 0.0;
  double perLegCm = 0.0;  // rounded to 0.5 cm; negative: shorten
  TrimModel model = TrimModel::kScale;
  std::string text;  // "je Schenkel 19,5 cm kürzen, neue Länge 39,61 m"
};

// L_new = L_now * L_model(f_t) / L_model(f_r), from the model's resonant lengths at the target
// and at the measured resonance. Nothing for lengths that are not finite and above 0.
std::optional<Trim> TrimByModel(double lengthNowM, double modelAtTargetM, double modelAtResonanceM,
                                TrimModel model);

// L_new = L_now * f_r / f_t. Nothing for values that are not finite and above 0.
std::optional<Trim> TrimByScale(double lengthNowM, double resonanceMHz, double targetMHz);

}  // namespace velmora
