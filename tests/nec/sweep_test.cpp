// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep over frequencies. sweep_80m.out is nec2c 1.3's output for the 80 m example of the
// band design (3,65 MHz, 12 m over average ground, 1,38 mm copper in 2,8 mm PVC, its NEC-2
// resonant length 38,3576 m) at the 41 frequencies 3,35 to 3,95 MHz.
#include "nec/sweep.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "tests/crosscheck/scripted_runner.h"

namespace velmora::nec {
namespace {

const Wire kWire{3.65, 12, 1.38, 5.6e7, Ground::kAverage, kDefaultSegments, Insulation{4, 2.8}};
const Frequencies k80m{3.35, 0.015, 41};

std::string RecordedSweep() {
  std::ifstream file(std::string(VELMORA_NEC_TEST_DATA) + "/sweep_80m.out");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SweepTest, SplitRunsAndTheirDecks) {
  const std::vector<Frequencies> runs = SplitFrequencies(k80m, 2);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].count, 21);
  EXPECT_EQ(runs[1].count, 20);
  EXPECT_NE(WriteDeck(kWire, 38.36, runs[0]).find("\nFR 0 21 0 0 3.35 0.015\n"), std::string::npos);
  EXPECT_NE(WriteDeck(kWire, 38.36, runs[1]).find("\nFR 0 20 0 0 3.665 0.015\n"),
            std::string::npos);
  EXPECT_EQ(SplitFrequencies({7, 0.01, 3}, 5).size(), 3u);
  EXPECT_EQ(SplitFrequencies(k80m, 0).size(), 1u);
}

TEST(SweepTest, RecordedOutputWholeAndBroken) {
  const std::string output = RecordedSweep();
  const Result<std::vector<SweepPoint>> points = ParseSweep(output, k80m);
  ASSERT_TRUE(points.ok()) << points.failure().message;
  ASSERT_EQ(points.value().size(), 41u);
  EXPECT_EQ(points.value()[0].z, std::complex<double>(42.110, -148.35));
  EXPECT_DOUBLE_EQ(points.value()[30].frequencyMHz, 3.8);
  const SweepFigures figures = AnalyseSweep(points.value(), 3.65, 50);
  EXPECT_NEAR(figures.resonanceMHz.value(), 3.65, 5e-4);
  EXPECT_NEAR(figures.within2->fromMHz, 3.5765, 5e-4);
  EXPECT_NEAR(figures.within2->toMHz, 3.7260, 5e-4);

  std::size_t cut = 0;
  for (int i = 0; i < 21; ++i) cut = output.find("FREQUENCY :", cut + 1);
  const struct {
    std::string output;
    Frequencies frequencies;
    const char* says;
  } broken[] = {
      {output.substr(0, cut), k80m, "nur 20 von 41 Frequenzen"},
      {output, {3.4, 0.015, 41}, "passen nicht zur Karte FR"},
      {output, {3.35, 0.015, 40}, "passen nicht zur Karte FR"},
  };
  for (const auto& row : broken) {
    const Result<std::vector<SweepPoint>> parsed = ParseSweep(row.output, row.frequencies);
    ASSERT_FALSE(parsed.ok()) << row.says;
    EXPECT_NE(parsed.failure().message.find(row.says), std::string::npos)
        << parsed.failure().message;
  }
}

// Fails the run of the upper half; the lower half waits for its stop.
class UpperHalfFails : public testing::ScriptedRunner {
 public:
  Result<std::string> Run(const std::string& deck, std::stop_token stop) override {
    if (deck.find("FR 0 20 ") != std::string::npos) {
      return Failure{ErrorKind::kDeckRejected, "abgelehnt"};
    }
    return ScriptedRunner::Run(deck, stop);
  }
};

TEST(SweepTest, InPartsJoinsInOrderStopsTheOthersOnAFailureAndOnRequest) {
  testing::ScriptedRunner runner;
  const auto whole = RunSweep(runner, kWire, 38.36, k80m);
  const auto parts = RunSweepInParts(runner, kWire, 38.36, k80m, 2);
  ASSERT_TRUE(parts.ok());
  ASSERT_EQ(parts.value().size(), 41u);
  for (std::size_t i = 0; i < 41; ++i) {
    EXPECT_EQ(parts.value()[i].frequencyMHz, whole.value()[i].frequencyMHz) << i;
    EXPECT_NEAR(parts.value()[i].z.imag(), whole.value()[i].z.imag(), 1e-3) << i;
  }
  EXPECT_EQ(runner.runs, 3);

  UpperHalfFails failing;
  failing.hold = true;
  const auto failed = RunSweepInParts(failing, kWire, 38.36, k80m, 2);
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.failure().kind, ErrorKind::kDeckRejected);
  EXPECT_EQ(failing.stops, 1);

  runner.hold = true;
  std::stop_source stop;
  std::jthread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    stop.request_stop();
  });
  const auto stopped = RunSweepInParts(runner, kWire, 38.36, k80m, 2, stop.get_token());
  EXPECT_EQ(stopped.failure().kind, ErrorKind::kCancelled);
  EXPECT_EQ(runner.stops, 2);
}

}  // namespace
}  // namespace velmora::nec
