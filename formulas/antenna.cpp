// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/antenna.h"

#include <cmath>

#include "formulas/parse.h"

namespace velmora {
namespace {

// The single-precision 0.005 of the ground-loss factor, used in double arithmetic.
constexpr double kSingle0005 = static_cast<double>(0.005f);
// 4 pi 10^-7 (permeability of free space), formed from the stored pi.
constexpr double kFourPi = 12.56637061435916;

Checked Pow(Checked a, int n) {
  return FromFunction(a, std::pow(a.value(), n));
}

}  // namespace

Checked Log10(Checked x) {
  return Strict(Ln(x) / Ln(10.0));
}

float RadiationResistance(float f, float h, std::int16_t realGround) {
  // Each numbered step stores only when it succeeds, so a failed step leaves 0 or the value of
  // an earlier step behind, and the guard at the end settles non-positive heights.
  double x = 0.0;
  float t = 0.0f;
  float u = 0.0f;
  double a = 0.0;
  double t1 = 0.0;
  double t2 = 0.0;
  double t3 = 0.0;
  double s = 0.0;
  float r = 0.0f;

  Assign(x, Checked(h) / (kSpeedOfLight / Checked(f)));  // R1
  // The low-height correction turns a negative height into a positive one, so the guard at the
  // end also looks at the height before it.
  const bool aboveGround = x > 0;
  if (realGround != 0 && x < 0.22) {  // R2
    Assign(t, Single(2.75 / (Checked(x) / 0.08)));
    Assign(u, Single(Checked(t) * t * 0.01 - 0.01));
    Assign(x, Checked(u) + x);
  }
  Assign(a, 2 * Checked(kPi) * x);                    // R3
  Assign(t1, Sin(2 * Checked(a)) / a);                // R4
  Assign(t2, Cos(2 * Checked(a)) / (2 * Pow(a, 2)));  // R5
  Assign(t3, Sin(2 * Checked(a)) / (4 * Pow(a, 3)));  // R6
  Assign(s, Checked(t1) + t2 - t3);                   // R7
  Assign(r, Single(Abs(73.56 - 60 * Checked(s))));    // R8
  return aboveGround && x > 0 ? r : 73.0f;            // R9
}

Checked GroundLossResistance(float f, float h, float L, float d) {
  const Checked lambda1 = Single(kSpeedOfLight / Checked(f));
  // The quotient L / d is formed and dropped; only its failure matters.
  if (!(Checked(L) / Checked(d)).ok()) return Checked::Failed();
  const Checked x = Single(Checked(h) / lambda1);
  const Checked k = Single(Checked(1e4) * 1.8 * kSingle0005 / Checked(f));
  const Checked a = Single(Sqrt(Pow(d, 2) * kPi / 4));
  const Checked b = Pow(Sqrt(0.25 / x), 2);
  return Strict(Checked(1e-1) * b * (k * 13.0f * a * L));
}

Checked ConductorLossResistance(float L, float d, float f, float sigma) {
  const Checked m = Checked(1e-7) * kFourPi;
  const Checked q = Sqrt(Checked(f) * m / (Checked(sigma) * kPi));
  return Strict(Checked(L) / Checked(d) * q);
}

Checked VelocityFactor(float heightPercent, float wirePercent) {
  return (Checked(100.0f) - Checked(heightPercent)) * (Checked(100.0f) - Checked(wirePercent)) /
         Checked(10000.0f);
}

Checked WireImpedance(float L, float d, float h) {
  const Checked argument =
      Checked(L) / (Checked(d) * Sqrt(Checked(1.0f) + Checked(L) / (Checked(4.0f) * Checked(h))));
  return argument.ok() ? Checked(276.0) * Strict(Log10(argument)) : Checked::Failed();
}

Checked WireShorteningPercent(float f, float d) {
  const Checked lambda = kSpeedOfLight / Checked(f);
  const Checked ratio = lambda / (Checked(d) / 1000.0f);
  return Strict(Single(27.182818286 / Ln(ratio)));
}

float HeightShorteningPercent(float f, float h, std::int16_t realGround) {
  double k = 0.0;
  float x = 0.0f;
  double a = 0.0;
  double t1 = 0.0;
  double t2 = 0.0;
  double t3 = 0.0;
  double s = 0.0;
  float r = 0.0f;

  k = 2.0;                                               // S1
  if (realGround != 0) k = 2.1;                          // S2
  Assign(x, Checked(h) / (kSpeedOfLight / Checked(f)));  // S3
  Assign(a, 1.9 * Checked(kPi) * x / Sqrt(2.0));         // S4
  Assign(t1, Sin(3.46 * Checked(a)) / a);                // S5
  Assign(t2, Cos(kPi * Checked(a)) / (2 * Pow(a, 2)));   // S6
  Assign(t3, Sin(k * Checked(a)) / (4 * Pow(a, 3)));     // S7
  Assign(s, Checked(t1) + t2 - t3);                      // S8
  Assign(r, Single(Abs(4.6 - 3.45 * Checked(s))));       // S9
  if (r > 10.0f) {                                       // S10
    // Above 10 % the shortening grows only logarithmically: 10 + ln(r / 10).
    Assign(r, Single((10.0 - 1.0 * 2.302585) + 1.0 * Ln(Checked(r))));
  }
  return x > 0.0f ? r : 100.0f;  // S11
}

Checked InsulationShortening(float epsR, float D, float dc, float Vf) {
  const Checked q = 1 / Sqrt(Checked(epsR));
  const Checked a = Ln(Checked(dc) * 1000.0f);  // conductor diameter in micrometres
  Checked g = Checked(D) - Checked(dc);
  if (g.ok() && g.value() < 0.001) g = Checked(0.001);  // bare wire: ln(1) = 0 below
  const Checked b = Ln(g * 1000.0);
  return Strict(a * b / (Checked(Vf) * 1623.3333) * (1 - q));
}

Checked ResonantDipoleLength(float k, float Vf, double s, float f) {
  // The bare-wire shortening passes through percent and back, both in single precision.
  Checked u = Single((1.0f - Checked(Vf)) * 100.0f);
  u = Single(u / 100.0f);
  const Checked w = (1.0 - 2 * Checked(s)) * (kSpeedOfLight / Checked(f));
  return Strict(Single((Checked(k) - u) * (w / 2)));
}

std::optional<float> ConductorLossReadout(const std::string& lengthText,
                                          const std::string& diameterText,
                                          const std::string& frequencyText,
                                          const std::string& materialText) {
  if (lengthText.empty() || diameterText.empty() || frequencyText.empty() || materialText.empty()) {
    return std::nullopt;
  }
  const float length = ParseDecimal(lengthText);
  float diameter = 0.0f;  // metres
  Assign(diameter, Checked(ParseDecimal(diameterText)) / Checked(1000.0f));
  const float frequency = ParseDecimal(frequencyText);
  const float conductivity = ParseDecimal(materialText);
  float loss = 0.0f;
  Assign(loss, ConductorLossResistance(length, diameter, frequency, conductivity));
  return loss;
}

}  // namespace velmora
