// SPDX-License-Identifier: GPL-3.0-or-later
// The "Verkürzungsfaktor Vf" and "resonante Dipollänge" calculations of the single-value dialog
// without the dialog, for callers that need their results as numbers (the NEC-2 cross-check).
// The dialog runs "Verkürzungsfaktor Vf" after its own guards (a frequency, a height of 0.01 m or
// more).
#pragma once

#include <cstdint>

namespace velmora {

// How the wire diameter was pulled into the range the formulas take; at most one applies.
enum class DiameterCorrection {
  kNone,
  kThinnest,     // below 0.1 mm: 0.1 mm
  kTwiceHeight,  // thicker than twice the height: twice the height
  kHalfWave,     // thicker than half a wavelength: half a wavelength
};

struct VelocityFactorRun {
  float diameter = 0.0f;  // metres, after the correction
  DiameterCorrection correction = DiameterCorrection::kNone;
  float wirePercent = 0.0f;    // shortening by the wire thickness
  float heightPercent = 0.0f;  // shortening by the height
  float vf = 0.0f;             // (100 - heightPercent) (100 - wirePercent) / 10000
};

// f in MHz, h in m, diameter in mm as typed; realGround -1 (true) or 0 ("Freiraum" ticked).
// Skip-on-error like the dialog: a failing step leaves its value 0. 3.6 MHz, 12 m, 2.05 mm over
// real ground: 2.5615 %, 4.9406 %, Vf 0.92624.
VelocityFactorRun ComputeVelocityFactor(float f, float h, float diameterMm,
                                        std::int16_t realGround);

struct ResonantLengthRun {
  float vf0 = 0.0f;      // "Vf (ohne Isol.)": the bare wire's
  float length = 0.0f;   // "Ant.-Länge [m]": the insulated wire's resonant length
  float vfTotal = 0.0f;  // "Gesamt - Vf": the length over the nominal half wave 150 / f
};

// "resonante Dipollänge": f in MHz, h in m over real ground, diameters in mm, epsR of the
// insulation. Skip-on-error like the dialog.
ResonantLengthRun ComputeResonantLength(float f, float h, float outerDiameterMm,
                                        float conductorDiameterMm, float epsR);

}  // namespace velmora
