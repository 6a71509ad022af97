// The "Verkürzungsfaktor Vf" calculation of the single-value dialog without the dialog, for
// callers that need the velocity factor of the same wire and height as a number (the NEC-2
// cross-check, the band design). The dialog runs it after its own guards (a frequency, a height of
// 0.01 m or more).
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

// The "resonante Dipollänge" calculation of the single-value dialog without the dialog: always
// over real ground; diameters in mm, outer = conductor for bare wire, epsR of the insulation.
// Skip-on-error like the dialog. 3.65 MHz, 12 m, 1.38 mm in 2.8 mm PVC (er 4): 36.709 m.
struct ResonantLengthRun {
  float bareVf = 0.0f;   // the bare wire's velocity factor
  float length = 0.0f;   // m, total, with the insulation's shortening
  float totalVf = 0.0f;  // "Gesamt - Vf": the length over 150 / f
};
ResonantLengthRun ComputeResonantLength(float f, float h, float conductorDiameterMm,
                                        float outerDiameterMm, float epsR);

}  // namespace velmora
