// SPDX-License-Identifier: GPL-3.0-or-later
// The resonant length of the dipole by NEC-2: the total length at which the feed-point
// reactance vanishes.
#pragma once

#include <chrono>
#include <optional>
#include <stop_token>

#include "nec/deck.h"
#include "nec/output.h"
#include "nec/result.h"
#include "nec/runner.h"

namespace velmora::nec {

inline constexpr double kReactanceTolerance = 0.001;  // ohms
// The default bracket, and how far it may be widened, in wavelengths: well inside the half-wave
// resonance, far from the 0.9 lambda where the thin-wire model over real ground breaks.
inline constexpr double kBracketLow = 0.46;
inline constexpr double kBracketHigh = 0.50;
inline constexpr double kWidestLow = 0.25;
inline constexpr double kWidestHigh = 0.65;
inline constexpr double kGuessBracket = 0.01;  // +-1 % around a starting guess
inline constexpr int kMaxRuns = 40;
// The most a whole search may take; each nec2c run has its own, shorter limit besides.
inline constexpr std::chrono::seconds kSearchLimit{30};

struct Resonance {
  double lengthM = 0.0;
  double vf = 0.0;  // length / (lambda / 2), lambda = 299.79245835031 / f
  Impedance impedance;
  int runs = 0;  // nec2c runs the search took
};

// One run: the feed-point impedance of the dipole of total length `lengthM`.
Result<Impedance> Evaluate(NecRunner& runner, const Wire& wire, double lengthM,
                           std::stop_token stop = {});

// Brackets X = 0 on [0.46, 0.50] lambda, or on +-1 % around `guessM` (a resonant length known to
// be near, such as a neighbouring point's), widens the bracket towards the sign change up to
// [0.25, 0.65] lambda, then closes in by regula falsi (Illinois) until |X| < 0.001 ohm. X grows
// with the length throughout. Stops between runs, and the running child, on a stop request.
// Safe to call from several threads with runners that are.
Result<Resonance> FindResonance(NecRunner& runner, const Wire& wire, std::stop_token stop = {},
                                std::optional<double> guessM = std::nullopt);

// FindResonance stopped with its running nec2c once `limit` has passed: kTimeout then.
Result<Resonance> FindResonanceWithin(NecRunner& runner, const Wire& wire,
                                      std::chrono::milliseconds limit, std::stop_token stop = {},
                                      std::optional<double> guessM = std::nullopt);

}  // namespace velmora::nec
