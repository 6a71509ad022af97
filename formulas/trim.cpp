// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/trim.h"

#include <cmath>

#include "formulas/numtext.h"

namespace velmora {
namespace {

bool Positive(double value) {
  return std::isfinite(value) && value > 0.0;
}

std::optional<Trim> Scaled(double lengthNowM, double ratio, TrimModel model) {
  if (!Positive(lengthNowM) || !Positive(ratio)) return std::nullopt;
  Trim trim;
  trim.model = model;
  trim.lengthNewM = lengthNowM * ratio;
  if (!Positive(trim.lengthNewM)) return std::nullopt;
  // Half the change per leg, in half centimetres.
  trim.perLegCm = std::round((trim.lengthNewM - lengthNowM) * 100.0) / 2.0;
  const std::string newLength =
      ", neue Länge " + FormatPattern(trim.lengthNewM, "0.00", ',') + " m";
  if (trim.perLegCm == 0.0) {
    trim.perLegCm = 0.0;  // no "-0" in JSON
    trim.text = "je Schenkel nichts ändern" + newLength;
  } else {
    trim.text = "je Schenkel " + FormatPattern(std::abs(trim.perLegCm), "0.0", ',') + " cm " +
                (trim.perLegCm < 0.0 ? "kürzen" : "verlängern") + newLength;
  }
  return trim;
}

}  // namespace

std::optional<Trim> TrimByModel(double lengthNowM, double modelAtTargetM, double modelAtResonanceM,
                                TrimModel model) {
  if (!Positive(modelAtTargetM) || !Positive(modelAtResonanceM)) return std::nullopt;
  return Scaled(lengthNowM, modelAtTargetM / modelAtResonanceM, model);
}

std::optional<Trim> TrimByScale(double lengthNowM, double resonanceMHz, double targetMHz) {
  if (!Positive(resonanceMHz) || !Positive(targetMHz)) return std::nullopt;
  return Scaled(lengthNowM, resonanceMHz / targetMHz, TrimModel::kScale);
}

}  // namespace velmora
