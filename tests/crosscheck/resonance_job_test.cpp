// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/resonance_job.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "tests/crosscheck/scripted_runner.h"

namespace velmora {
namespace {

using testing::ScriptedRunner;

std::vector<nec::Wire> Heights(int count) {
  std::vector<nec::Wire> wires;
  for (int i = 1; i <= count; ++i) {
    wires.push_back({3.6, 4.0 * i, 2.05, 5.6e7, nec::Ground::kAverage, 41, {}});
  }
  return wires;
}

// What a job reported, collected from its workers.
struct Reports {
  std::mutex mutex;
  std::vector<ResonanceJob::Found> found;
  std::condition_variable added;
  ResonanceJob::Report Report() {
    return [this](ResonanceJob::Found f) {
      const std::lock_guard<std::mutex> lock(mutex);
      found.push_back(std::move(f));
      added.notify_all();
    };
  }
  bool WaitFor(std::size_t n) {
    std::unique_lock<std::mutex> lock(mutex);
    return added.wait_for(lock, std::chrono::seconds(10), [&] { return found.size() >= n; });
  }
};

TEST(ResonanceJobTest, EveryDipoleOnceEachStartingAtItsNeighboursResonance) {
  auto runner = std::make_shared<ScriptedRunner>(0.96);
  Reports reports;
  {
    ResonanceJob job(runner, Heights(6), 2, reports.Report());
    ASSERT_TRUE(reports.WaitFor(6));
  }
  std::set<std::size_t> indices;
  for (const ResonanceJob::Found& f : reports.found) {
    ASSERT_TRUE(f.result.ok()) << f.result.failure().message;
    EXPECT_NEAR(f.result.value().vf, 0.96, 1e-4);
    indices.insert(f.index);
  }
  EXPECT_EQ(indices.size(), 6u);
  // Only the first dipole of each worker starts on the default bracket, at 0.46 lambda.
  const double lambda = kSpeedOfLight / 3.6;
  int fresh = 0;
  for (double length : runner->Lengths()) fresh += std::abs(length - 0.46 * lambda) < 1e-9;
  EXPECT_EQ(fresh, 2);
}

TEST(ResonanceJobTest, GoingStopsTheRunningSearchesAndReportsNothing) {
  auto runner = std::make_shared<ScriptedRunner>();
  runner->hold = true;
  Reports reports;
  {
    ResonanceJob job(runner, Heights(4), 2, reports.Report());
    while (runner->runs < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(runner->stops, 2);
  EXPECT_TRUE(reports.found.empty());  // the workers have ended
}

// Every run refused: the job gives up after three dipoles in a row.
class RefusingRunner : public nec::NecRunner {
 public:
  nec::Result<std::string> Run(const std::string&, std::stop_token) override {
    return nec::Failure{nec::ErrorKind::kDeckRejected, "abgelehnt"};
  }
};

TEST(ResonanceJobTest, GivesUpWithoutNec2cAndAfterThreeFailuresInARow) {
  const struct {
    std::shared_ptr<nec::NecRunner> runner;
    nec::ErrorKind kind;
    std::size_t reports;
  } rows[] = {
      {std::make_shared<nec::Nec2cRunner>(nec::Nec2cRunner::Options{
           "nec2c", std::string("/nonexistent"), std::chrono::seconds(10)}),
       nec::ErrorKind::kNotInstalled, 1},
      {std::make_shared<RefusingRunner>(), nec::ErrorKind::kDeckRejected, 3},
  };
  for (const auto& row : rows) {
    Reports reports;
    {
      ResonanceJob job(row.runner, Heights(6), 1, reports.Report());
      ASSERT_TRUE(reports.WaitFor(row.reports));
      std::this_thread::sleep_for(std::chrono::milliseconds(50));  // time for a report too many
    }
    ASSERT_EQ(reports.found.size(), row.reports);
    EXPECT_EQ(reports.found[0].result.failure().kind, row.kind);
  }
}

}  // namespace
}  // namespace velmora
