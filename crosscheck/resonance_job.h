// Resonance searches off the user-interface thread: a list of dipoles shared among a few worker
// threads, each walking its own run of neighbouring dipoles in order and starting every search
// around the resonance it found for the one before.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "nec/resonance.h"

namespace velmora {

class ResonanceJob {
 public:
  struct Found {
    std::size_t index;  // into the list of dipoles
    nec::Result<nec::Resonance> result;
  };
  // Runs on a worker thread, once for each dipole its search ended for; never after a stop.
  using Report = std::function<void(Found)>;

  // Starts at once. Worker w takes the w-th of `workers` contiguous runs of the list.
  ResonanceJob(std::shared_ptr<nec::NecRunner> runner, std::vector<nec::Wire> wires, int workers,
               Report report);
  // Stops and waits for the workers: the runner kills a running nec2c within its poll slice.
  ~ResonanceJob();
  ResonanceJob(const ResonanceJob&) = delete;
  ResonanceJob& operator=(const ResonanceJob&) = delete;

 private:
  void Walk(std::stop_token stop, std::size_t begin, std::size_t end);

  const std::shared_ptr<nec::NecRunner> runner_;
  const std::vector<nec::Wire> wires_;
  const Report report_;
  std::vector<std::jthread> workers_;  // last: joined before the rest goes
};

}  // namespace velmora
