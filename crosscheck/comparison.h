// SPDX-License-Identifier: GPL-3.0-or-later
// The formulas beside NEC-2 for one dipole of bare or insulated wire: what the NEC-2 comparison
// dialog and velmora-calc nec put next to NEC-2's resonance.
#pragma once

#include <optional>

#include "nec/deck.h"
#include "single/velocity_factor.h"

namespace velmora {

struct ClosedForm {
  double vf = 0.0;       // the single-value "Verkürzungsfaktor Vf", or "Gesamt - Vf"
  double lengthM = 0.0;  // the resonant length with that Vf
  double rs = 0.0;       // the single-value "Strahlungswiderstand Rs"
  DiameterCorrection correction = DiameterCorrection::kNone;
  double diameterMm = 0.0;  // what the formulas took the wire as, after the correction
};

// For f (MHz), h (m) and the diameter (mm) as typed: over real ground for average ground, with
// "Freiraum" ticked for a perfect one. Nothing for free space, which the formulas have no
// counterpart for. 3.6 MHz, 12 m, 2.05 mm, average ground: Vf 0.92624.
std::optional<ClosedForm> ClosedFormOf(float f, float h, float diameterMm, nec::Ground ground);

// For an insulated wire: the single-value "resonante Dipollänge" (its "Ant.-Länge" and
// "Gesamt - Vf"), which the dialog computes over real ground only: nothing for the other grounds.
// 3.6 MHz, 12 m, 1.38 mm copper in 2.8 mm PVC (er 4): 37.257 m.
std::optional<ClosedForm> InsulatedClosedFormOf(float f, float h, float conductorMm, float outerMm,
                                                float epsR, nec::Ground ground);

// How far the closed form stands from NEC-2, in percent of NEC-2's value.
inline double DifferencePercent(double closedForm, double nec) {
  return (closedForm / nec - 1.0) * 100.0;
}

// Below this height over real ground the formulas' Rs drifts far from NEC-2's feed resistance.
inline constexpr double kRsDriftWavelengths = 0.2;
bool RsDrifts(double frequencyMHz, double heightM, nec::Ground ground);

}  // namespace velmora
