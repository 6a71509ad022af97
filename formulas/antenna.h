// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna formulas of a horizontal wire dipole. Inputs are single-precision numbers, the
// arithmetic is double precision, and single(...) roundings inside belong to the results.
// Units: f in MHz, lengths and heights in metres, diameters as named per function. The
// wavelength is always 299.79245835031 / f.
//
// Six functions do not recover: the first failing step makes the whole result a trapped
// Checked (see checked.h), and the caller applies its own skip-on-error policy.
// RadiationResistance and HeightShorteningPercent recover step by step and always return a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formulas/checked.h"

namespace velmora {

inline constexpr double kSpeedOfLight = 299.79245835031;  // wavelength (m) = c / f (MHz)
inline constexpr double kPi = 3.14159265358979;           // as stored, not the full value

// Common logarithm, ln(x) / ln(10).
Checked Log10(Checked x);

// Radiation resistance Rs (ohms) of the dipole h metres above ground. realGround != 0 applies the
// low-height correction below 0.22 wavelengths. 3.6 MHz, 12 m: 44.2407 (real), 37.5209 (free).
// For a height of 0 or less (also f = 0): exactly 73.
float RadiationResistance(float f, float h, std::int16_t realGround);

// Mean ground loss resistance Rve (ohms); L dipole length (m), d wire diameter (m).
Checked GroundLossResistance(float f, float h, float L, float d);

// Conductor loss Rv (ohms) with skin effect; L (m), d (m), f (MHz), sigma in m/(ohm mm^2).
Checked ConductorLossResistance(float L, float d, float f, float sigma);

// Shortening by the wire thickness, percent; d in mm. (3.6, 2.05) gives 2.5615.
Checked WireShorteningPercent(float f, float d);

// Shortening by the height above ground, percent. 3.6 MHz, 12 m: 4.94061 (real), 4.86640 (free).
// For a height of 0 or less (also f = 0): exactly 100.
float HeightShorteningPercent(float f, float h, std::int16_t realGround);

// The velocity factor of the bare wire from the two shortenings in percent:
// (100 - heightPercent) (100 - wirePercent) / 10000, not rounded. (4.94061, 2.5615): 0.92624.
Checked VelocityFactor(float heightPercent, float wirePercent);

// The mean characteristic impedance (ohms) of a wire of length L (m) and diameter d (m) h metres
// over ground: 276 log10(L / (d sqrt(1 + L / 4h))), not rounded.
Checked WireImpedance(float L, float d, float h);

// Additional shortening by the insulation, a fraction; D outer and dc conductor diameter (mm),
// Vf velocity factor of the bare wire.
Checked InsulationShortening(float epsR, float D, float dc, float Vf);

// Length (m) of the resonant dipole: Vf (1 - 2s) lambda / 2 for k = 1.
Checked ResonantDipoleLength(float k, float Vf, double s, float f);

// The conductor-loss readout of both input dialogs, from the texts of the length (m), diameter
// (mm), frequency (MHz) and material boxes: nullopt when any box is empty; otherwise Rv in
// single precision, 0 when a step of the computation fails.
std::optional<float> ConductorLossReadout(const std::string& lengthText,
                                          const std::string& diameterText,
                                          const std::string& frequencyText,
                                          const std::string& materialText);

}  // namespace velmora
