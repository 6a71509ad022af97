// SPDX-License-Identifier: GPL-3.0-or-later
// Resonance searches off the user-interface thread: a list of dipoles shared among a few worker
// threads, each walking its own run of neighbouring dipoles in order and starting every search
// around the resonance it found for the one before. Each search has the overall limit
// nec::kSearchLimit; the job gives up the rest on a failure that says GivesUp.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "nec/resonance.h"

namespace velmora {

inline constexpr int kFailuresBeforeGivingUp = 3;

// Whether the dipoles after this failure, the `inRow`-th in a row, are better left alone: every
// one would most likely fail the same way, a timeout each costing the runner's whole limit.
bool GivesUp(const nec::Failure& failure, int inRow);

class ResonanceJob {
 public:
  struct Found {
    std::size_t index;  // into the list of dipoles
    nec::Result<nec::Resonance> result;
  };
  // Runs on a worker thread, once for each dipole its search ended for; never after a stop, nor
  // after the failure the job gave up on.
  using Report = std::function<void(Found)>;

  // Starts at once. Worker w takes the w-th of `workers` contiguous runs of the list.
  ResonanceJob(std::shared_ptr<nec::NecRunner> runner, std::vector<nec::Wire> wires, int workers,
               Report report);
  // Stops and waits for the workers: the runner kills a running nec2c within its poll slice.
  ~ResonanceJob();
  ResonanceJob(const ResonanceJob&) = delete;
  ResonanceJob& operator=(const ResonanceJob&) = delete;

 private:
  void Walk(std::size_t begin, std::size_t end);

  const std::shared_ptr<nec::NecRunner> runner_;
  const std::vector<nec::Wire> wires_;
  const Report report_;
  std::stop_source stop_;  // going, or giving up
  std::atomic<int> failuresInRow_ = 0;
  std::vector<std::jthread> workers_;  // last: joined before the rest goes
};

}  // namespace velmora
