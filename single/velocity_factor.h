// The "Verkürzungsfaktor Vf" and "resonante Dipollänge" calculations of the single-value dialog
// without the dialog, for callers that need them as numbers (the NEC-2 cross-check, the trim of a
// measured dipole). The dialog runs them after its own guards.
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

// The "resonante Dipollänge" calculation without the dialog, which passes real ground: f in MHz,
// h in m, the conductor's and the insulation's outer diameter in mm and the insulation's epsR
// (1 for bare wire). Skip-on-error like the dialog.
struct ResonantLengthRun {
  float vf = 0.0f;       // of the bare wire
  float lengthM = 0.0f;  // with the insulation's shortening
};
ResonantLengthRun ComputeResonantLength(float f, float h, float conductorDiameterMm,
                                        float outerDiameterMm, float epsR, std::int16_t realGround);

}  // namespace velmora
