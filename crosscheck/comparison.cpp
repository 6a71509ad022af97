// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/comparison.h"

#include "formulas/antenna.h"
#include "formulas/parse.h"

namespace velmora {

std::optional<ClosedForm> ClosedFormOf(float f, float h, float diameterMm, nec::Ground ground) {
  if (ground == nec::Ground::kFree) return std::nullopt;
  const std::int16_t realGround = ground == nec::Ground::kAverage ? -1 : 0;
  const VelocityFactorRun run = ComputeVelocityFactor(f, h, diameterMm, realGround);
  const Checked length = ResonantDipoleLength(1.0f, run.vf, 0.0, f);
  if (!length.ok()) return std::nullopt;
  return ClosedForm{Widen(run.vf), Widen(static_cast<float>(length.value())),
                    Widen(RadiationResistance(f, h, realGround)), run.correction,
                    Widen(run.diameter) * 1000.0};
}

std::optional<ClosedForm> InsulatedClosedFormOf(float f, float h, float conductorMm, float outerMm,
                                                float epsR, nec::Ground ground) {
  if (ground != nec::Ground::kAverage) return std::nullopt;
  const ResonantLengthRun run = ComputeResonantLength(f, h, outerMm, conductorMm, epsR);
  if (!(run.length > 0.0f)) return std::nullopt;
  return ClosedForm{Widen(run.vfTotal), Widen(run.length), Widen(RadiationResistance(f, h, -1)),
                    DiameterCorrection::kNone, Widen(conductorMm)};
}

bool RsDrifts(double frequencyMHz, double heightM, nec::Ground ground) {
  return ground == nec::Ground::kAverage &&
         heightM < kRsDriftWavelengths * kSpeedOfLight / frequencyMHz;
}

}  // namespace velmora
