// SPDX-License-Identifier: GPL-3.0-or-later
// The standing-wave ratio of a dipole across a band: of one feed-point impedance, of a sampled
// sweep (from NEC-2 or a measurement), and of the closed form that treats the dipole near its
// resonance as a series resonant circuit of its loss resistance R and quality factor Q.
#pragma once

#include <complex>
#include <optional>
#include <span>

namespace velmora {

struct SweepPoint {
  double frequencyMHz = 0;
  std::complex<double> z;  // feed-point impedance, ohms
  bool operator==(const SweepPoint&) const = default;
};

// SWR of z against a real reference z0; +infinity when |Gamma| >= 1 (no finite SWR), also for
// a z that is not finite.
double Swr(std::complex<double> z, double z0);

struct FrequencyRange {
  double fromMHz = 0;
  double toMHz = 0;
  bool operator==(const FrequencyRange&) const = default;
};

struct SweepFigures {
  // Where X crosses zero from minus to plus nearest the design frequency, linear between
  // samples; none if it never does.
  std::optional<double> resonanceMHz;
  double swrMin = 0;  // the smallest finite sampled SWR; 0 (and swrMinMHz 0) when there is none
  double swrMinMHz = 0;
  // SWR <= 1.5 / <= 2 around the lowest sample, linear between samples, cut at the sweep's ends;
  // a point without a finite SWR ends a range and counts for none.
  std::optional<FrequencyRange> within15, within2;
  bool operator==(const SweepFigures&) const = default;
};

// `points` in rising frequency.
SweepFigures AnalyseSweep(std::span<const SweepPoint> points, double designMHz, double z0);

// The range of SWR <= s around the lowest sample, as in SweepFigures.
std::optional<FrequencyRange> SwrRangeAround(std::span<const SweepPoint> points, double s,
                                             double z0);

// --- the closed form ---

// Q = (pi/4) Z / R, Z the wire's mean characteristic impedance (WireImpedance in antenna.h).
double DipoleQ(double wireImpedance, double rOhm);

// Z(f) = R + j 2 Q R (f - fd) / fd.
std::complex<double> ClosedFormImpedance(double fMHz, double designMHz, double rOhm, double q);

// The SWR <= s range fd -/+ B/2, B = fd sqrt((s - r)(s r - 1)) / (Q r sqrt(s)), r = R / z0;
// none when r lies outside [1/s, s] or an input is not positive.
std::optional<FrequencyRange> ClosedFormSwrRange(double s, double designMHz, double rOhm, double q,
                                                 double z0);

}  // namespace velmora
