// SPDX-License-Identifier: GPL-3.0-or-later
// The resonance search on a scripted reactance curve: a runner that answers each deck with a
// report whose X is a function of the deck's length.
#include "nec/resonance.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora::nec {
namespace {

constexpr double kLambda = 299.79245835031 / 3.6;

// X slightly curved like NEC's, about 44 ohm/m at the root; R = 70 + length / 2.
class ScriptedRunner : public NecRunner {
 public:
  explicit ScriptedRunner(double root) : root_(root) {}

  Result<std::string> Run(const std::string& deck, std::stop_token stop) override {
    // "GW 1 41 -half 0 z half ...": the length is twice the first end's distance from the centre.
    double half = 0.0;
    const char* start = deck.c_str() + deck.find("GW 1 41 -") + 9;
    std::from_chars(start, deck.c_str() + deck.size(), half);
    lengths.push_back(2.0 * half);
    if (lengths.size() == stopAtRun) source.request_stop();  // this run still ends
    if (lengths.size() == failRun) return Failure{ErrorKind::kTimeout, "zu lange"};
    while (lengths.size() == holdRun && !stop.stop_requested()) std::this_thread::yield();
    if (stop.stop_requested()) return CancelledFailure();
    const double off = 2.0 * half - root_;
    char row[200];
    std::snprintf(row, sizeof row,
                  "  ANTENNA INPUT PARAMETERS\n header\n header\n    1   21  1.0E+00  0.0E+00  "
                  "1.0E-02  0.0E+00  %.5E  %.5E  0.0E+00\n",
                  70.0 + half, 44.0 * off + 0.8 * off * off);
    return std::string(row);
  }

  std::vector<double> lengths;  // of every deck run, in order
  std::stop_source source;
  std::size_t stopAtRun = 0;
  std::size_t failRun = 0;
  std::size_t holdRun = 0;  // waits for its stop

 private:
  double root_;
};

Wire Dipole() {
  return {3.6, 20.8189, 2.05, 5.6e7, Ground::kAverage, 41, {}};
}

TEST(ResonanceTest, FindsTheRootWherever) {
  const struct {
    const char* name;
    double root;
    std::optional<double> guess;
    double first, second;  // the first two lengths run
    int maxRuns;
  } rows[] = {
      {"inside the bracket", 0.482 * kLambda, std::nullopt, 0.46 * kLambda, 0.50 * kLambda, 6},
      {"below it: widened downwards", 0.40 * kLambda, std::nullopt, 0.46 * kLambda, 0.50 * kLambda,
       9},
      {"above it: widened upwards", 0.56 * kLambda, std::nullopt, 0.46 * kLambda, 0.50 * kLambda,
       9},
      {"around a guess", 40.2, 40.0, 39.6, 40.4, 4},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRunner runner(row.root);
    const Result<Resonance> found = FindResonance(runner, Dipole(), {}, row.guess);
    ASSERT_TRUE(found.ok()) << found.failure().message;
    const Resonance& r = found.value();
    EXPECT_NEAR(runner.lengths[0], row.first, 1e-9);
    EXPECT_NEAR(runner.lengths[1], row.second, 1e-9);
    EXPECT_LT(std::fabs(r.impedance.x), kReactanceTolerance);
    EXPECT_NEAR(r.lengthM, row.root, kReactanceTolerance / 44.0);
    EXPECT_DOUBLE_EQ(r.vf, r.lengthM / (kLambda / 2.0));
    EXPECT_NEAR(r.impedance.r, 70.0 + r.lengthM / 2.0, 1e-3);  // of the last run, 6 digits
    EXPECT_EQ(r.runs, static_cast<int>(runner.lengths.size()));
    EXPECT_LE(r.runs, row.maxRuns);
  }
}

TEST(ResonanceTest, Failures) {
  const struct {
    const char* name;
    double root;  // in wavelengths
    std::size_t stopAtRun, failRun, holdRun;
    double height;
    ErrorKind kind;
    std::size_t runs;
    const char* says;
  } rows[] = {
      {"root below the widest bracket", 0.2, 0, 0, 0, 20.8, ErrorKind::kNoResonance, 4, "0,25 λ"},
      {"root above the widest bracket", 0.7, 0, 0, 0, 20.8, ErrorKind::kNoResonance, 4, "0,65 λ"},
      {"a run fails", 0.48, 0, 3, 0, 20.8, ErrorKind::kTimeout, 3, "zu lange"},
      {"stopped during a run", 0.48, 2, 0, 0, 20.8, ErrorKind::kCancelled, 2, "abgebrochen"},
      {"the whole search over its limit", 0.48, 0, 0, 3, 20.8, ErrorKind::kTimeout, 3,
       "nach 0,2 s keine Resonanz"},
      {"wire too low: no run", 0.48, 0, 0, 0, 0.001, ErrorKind::kBelowLimits, 0, "zu tief"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRunner runner(row.root * kLambda);
    runner.stopAtRun = row.stopAtRun;
    runner.failRun = row.failRun;
    runner.holdRun = row.holdRun;
    Wire wire = Dipole();
    wire.heightM = row.height;
    const Result<Resonance> found = FindResonanceWithin(
        runner, wire, std::chrono::milliseconds(200), runner.source.get_token());
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.failure().kind, row.kind);
    EXPECT_EQ(runner.lengths.size(), row.runs);
    EXPECT_NE(found.failure().message.find(row.says), std::string::npos) << found.failure().message;
  }
}

}  // namespace
}  // namespace velmora::nec
