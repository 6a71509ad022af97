// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/resonance.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "formulas/antenna.h"
#include "formulas/numtext.h"

namespace velmora::nec {
namespace {

struct Point {
  double length;
  Impedance z;
};

Failure NoResonance(const std::string& why) {
  return {ErrorKind::kNoResonance, "NEC-2 findet keine Resonanz: " + why + "."};
}

}  // namespace

Result<Impedance> Evaluate(NecRunner& runner, const Wire& wire, double lengthM,
                           std::stop_token stop) {
  if (std::optional<Failure> refused = CheckWire(wire, lengthM)) return *refused;
  if (stop.stop_requested()) return CancelledFailure();
  const Result<std::string> output = runner.Run(WriteDeck(wire, lengthM), stop);
  if (!output.ok()) return output.failure();
  return ParseInputImpedance(output.value());
}

Result<Resonance> FindResonance(NecRunner& runner, const Wire& wire, std::stop_token stop,
                                std::optional<double> guessM) {
  const double lambda = kSpeedOfLight / wire.frequencyMHz;
  if (std::optional<Failure> refused = CheckWire(wire, kBracketLow * lambda)) return *refused;
  int runs = 0;
  std::optional<Failure> failed;
  auto at = [&](double length) {
    ++runs;
    Result<Impedance> z = Evaluate(runner, wire, length, stop);
    if (!z.ok()) failed = z.failure();
    return Point{length, z.ok() ? z.value() : Impedance{}};
  };
  auto done = [&](const Point& p) {
    return Resonance{p.length, p.length / (lambda / 2.0), p.z, runs};
  };

  const double widestLow = kWidestLow * lambda;
  const double widestHigh = kWidestHigh * lambda;
  const bool guessed = guessM && std::isfinite(*guessM);
  const double guess = guessed ? std::clamp(*guessM, widestLow, widestHigh) : 0.0;
  Point lo =
      at(guessed ? std::max(guess * (1.0 - kGuessBracket), widestLow) : kBracketLow * lambda);
  if (failed) return *failed;
  if (std::fabs(lo.z.x) < kReactanceTolerance) return done(lo);
  Point hi =
      at(guessed ? std::min(guess * (1.0 + kGuessBracket), widestHigh) : kBracketHigh * lambda);
  if (failed) return *failed;
  if (std::fabs(hi.z.x) < kReactanceTolerance) return done(hi);

  // Widen towards the sign change, doubling the step each time.
  while ((lo.z.x > 0.0) == (hi.z.x > 0.0)) {
    const double step = 2.0 * (hi.length - lo.length);
    if (lo.z.x > 0.0) {  // both too long
      if (lo.length <= widestLow) return NoResonance("schon 0,25 λ sind zu lang");
      hi = lo;
      lo = at(std::max(lo.length - step, widestLow));
    } else {  // both too short
      if (hi.length >= widestHigh) return NoResonance("auch 0,65 λ sind zu kurz");
      lo = hi;
      hi = at(std::min(hi.length + step, widestHigh));
    }
    if (failed) return *failed;
    if (runs >= kMaxRuns) return NoResonance("die Suche kommt zu keinem Ende");
  }

  // The secant through the two latest runs while it stays inside the bracket; otherwise regula
  // falsi on the bracket, Illinois-style: the X of an end kept twice in a row counts half.
  Point previous = lo;
  Point latest = hi;
  double weightedLo = lo.z.x;
  double weightedHi = hi.z.x;
  int kept = 0;  // -1: lo was kept by the last step, 1: hi was kept
  while (true) {
    if (runs >= kMaxRuns) {
      return NoResonance("nach " + std::to_string(runs) + " Läufen ist |X| noch " +
                         FormatPattern(std::fabs(latest.z.x), "0.0###", ',') + " Ohm");
    }
    double length = latest.length -
                    latest.z.x * (latest.length - previous.length) / (latest.z.x - previous.z.x);
    if (!(length > lo.length && length < hi.length)) {
      length = (lo.length * weightedHi - hi.length * weightedLo) / (weightedHi - weightedLo);
    }
    const Point p = at(length);
    if (failed) return *failed;
    if (std::fabs(p.z.x) < kReactanceTolerance) return done(p);
    if ((p.z.x > 0.0) == (hi.z.x > 0.0)) {
      hi = p;
      weightedHi = p.z.x;
      if (kept == -1) weightedLo /= 2.0;
      kept = -1;
    } else {
      lo = p;
      weightedLo = p.z.x;
      if (kept == 1) weightedHi /= 2.0;
      kept = 1;
    }
    previous = latest;
    latest = p;
  }
}

Result<Resonance> FindResonanceWithin(NecRunner& runner, const Wire& wire,
                                      std::chrono::milliseconds limit, std::stop_token stop,
                                      std::optional<double> guessM) {
  std::stop_source search;
  const std::stop_callback forward(stop, [&search] { search.request_stop(); });
  std::atomic<bool> expired = false;
  Result<Resonance> found = CancelledFailure();
  {
    std::jthread clock([&](std::stop_token done) {
      std::mutex mutex;
      std::condition_variable_any never;
      std::unique_lock<std::mutex> lock(mutex);
      never.wait_for(lock, done, limit, [] { return false; });
      if (done.stop_requested()) return;
      expired = true;
      search.request_stop();
    });
    found = FindResonance(runner, wire, search.get_token(), guessM);
  }
  if (expired && !found.ok() && found.failure().kind == ErrorKind::kCancelled) {
    return Failure{ErrorKind::kTimeout,
                   "Die NEC-2-Suche hat nach " +
                       FormatPattern(limit.count() / 1000.0, "0.###", ',') +
                       " s keine Resonanz gefunden und wurde beendet: nec2c rechnet zu langsam. "
                       "Weniger Segmente helfen."};
  }
  return found;
}

}  // namespace velmora::nec
