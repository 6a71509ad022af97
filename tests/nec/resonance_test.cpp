// The resonance search on a scripted reactance curve: a runner that answers each deck with a
// report whose X is a function of the deck's length.
#include "nec/resonance.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace velmora::nec {
namespace {

constexpr double kLambda = 299.79245835031 / 3.6;

class ScriptedRunner : public NecRunner {
 public:
  explicit ScriptedRunner(std::function<double(double)> reactance)
      : reactance_(std::move(reactance)) {}

  Result<std::string> Run(const std::string& deck, std::stop_token stop) override {
    // "GW 1 41 -half 0 z half ...": the length is twice the first end's distance from the centre.
    double half = 0.0;
    const char* start = deck.c_str() + deck.find("GW 1 41 -") + 9;
    std::from_chars(start, deck.c_str() + deck.size(), half);
    lengths.push_back(2.0 * half);
    if (onRun) {
      if (std::optional<Failure> failure = onRun(lengths.size(), stop)) return *failure;
    }
    char row[200];
    std::snprintf(row, sizeof row,
                  "  ANTENNA INPUT PARAMETERS\n header\n header\n    1   21  1.0E+00  0.0E+00  "
                  "1.0E-02  0.0E+00  %.5E  %.5E  0.0E+00\n",
                  70.0 + half, reactance_(2.0 * half));
    return std::string(row);
  }

  std::vector<double> lengths;  // of every deck run, in order
  std::function<std::optional<Failure>(std::size_t run, std::stop_token)> onRun;

 private:
  std::function<double(double)> reactance_;
};

Wire Dipole() {
  return {3.6, 20.8189, 2.05, 5.6e7, Ground::kAverage, 41};
}

// Slightly curved like NEC's: about 44 ohm/m at the root.
std::function<double(double)> CurveThrough(double root) {
  return [root](double l) { return 44.0 * (l - root) + 0.8 * (l - root) * (l - root); };
}

TEST(ResonanceTest, FindsTheRootWherever) {
  const struct {
    const char* name;
    double root;  // in wavelengths
    int maxRuns;
  } rows[] = {
      {"inside the bracket", 0.482, 6},
      {"below it: widened downwards", 0.40, 9},
      {"above it: widened upwards", 0.56, 9},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRunner runner(CurveThrough(row.root * kLambda));
    const Result<Resonance> found = FindResonance(runner, Dipole());
    ASSERT_TRUE(found.ok()) << found.failure().message;
    const Resonance& r = found.value();
    EXPECT_NEAR(runner.lengths[0], 0.46 * kLambda, 1e-9);
    EXPECT_NEAR(runner.lengths[1], 0.50 * kLambda, 1e-9);
    EXPECT_LT(std::fabs(r.impedance.x), kReactanceTolerance);
    EXPECT_NEAR(r.lengthM, row.root * kLambda, kReactanceTolerance / 44.0);
    EXPECT_DOUBLE_EQ(r.vf, r.lengthM / (kLambda / 2.0));
    EXPECT_NEAR(r.impedance.r, 70.0 + r.lengthM / 2.0, 1e-3);  // of the last run, 6 digits
    EXPECT_EQ(r.runs, static_cast<int>(runner.lengths.size()));
    EXPECT_LE(r.runs, row.maxRuns);
  }
}

TEST(ResonanceTest, StartsAroundAGuess) {
  ScriptedRunner runner(CurveThrough(40.2));
  const Result<Resonance> found = FindResonance(runner, Dipole(), {}, 40.0);
  ASSERT_TRUE(found.ok());
  EXPECT_DOUBLE_EQ(runner.lengths[0], 39.6);
  EXPECT_DOUBLE_EQ(runner.lengths[1], 40.4);
  EXPECT_LE(found.value().runs, 4);
}

TEST(ResonanceTest, NoRootWithinTheWidestBracket) {
  for (const double root : {0.2, 0.7}) {
    SCOPED_TRACE(root);
    ScriptedRunner runner(CurveThrough(root * kLambda));
    const Result<Resonance> found = FindResonance(runner, Dipole());
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.failure().kind, ErrorKind::kNoResonance);
    EXPECT_NE(found.failure().message.find(root < 0.5 ? "0,25" : "0,65"), std::string::npos);
  }
}

TEST(ResonanceTest, RefusedWireRunsNothing) {
  ScriptedRunner runner(CurveThrough(40.2));
  Wire wire = Dipole();
  wire.heightM = 0.001;
  const Result<Resonance> found = FindResonance(runner, wire);
  ASSERT_FALSE(found.ok());
  EXPECT_EQ(found.failure().kind, ErrorKind::kBelowLimits);
  EXPECT_TRUE(runner.lengths.empty());
}

TEST(ResonanceTest, AFailedRunEndsTheSearch) {
  ScriptedRunner runner(CurveThrough(40.2));
  runner.onRun = [](std::size_t run, std::stop_token) -> std::optional<Failure> {
    if (run == 3) return Failure{ErrorKind::kTimeout, "zu lange"};
    return std::nullopt;
  };
  const Result<Resonance> found = FindResonance(runner, Dipole());
  ASSERT_FALSE(found.ok());
  EXPECT_EQ(found.failure().kind, ErrorKind::kTimeout);
  EXPECT_EQ(runner.lengths.size(), 3u);
}

TEST(ResonanceTest, StopsBetweenRuns) {
  std::stop_source source;
  ScriptedRunner runner(CurveThrough(40.2));
  // A stop requested during the second run, which still ends: no third one starts.
  runner.onRun = [&source](std::size_t run, std::stop_token) -> std::optional<Failure> {
    if (run == 2) source.request_stop();
    return std::nullopt;
  };
  const Result<Resonance> found = FindResonance(runner, Dipole(), source.get_token());
  ASSERT_FALSE(found.ok());
  EXPECT_EQ(found.failure().kind, ErrorKind::kCancelled);
  EXPECT_EQ(runner.lengths.size(), 2u);
}

}  // namespace
}  // namespace velmora::nec
