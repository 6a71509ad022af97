// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/resonance_job.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "formulas/antenna.h"

namespace velmora {
namespace {

constexpr int kNice = 10;

}  // namespace

bool GivesUp(const nec::Failure& failure, int inRow) {
  switch (failure.kind) {
    case nec::ErrorKind::kNotInstalled:
    case nec::ErrorKind::kStartFailed:
    case nec::ErrorKind::kTimeout:
      return true;
    case nec::ErrorKind::kCancelled:
      return false;
    default:
      return inRow >= kFailuresBeforeGivingUp;
  }
}

ResonanceJob::ResonanceJob(std::shared_ptr<nec::NecRunner> runner, std::vector<nec::Wire> wires,
                           int workers, Report report)
    : runner_(std::move(runner)), wires_(std::move(wires)), report_(std::move(report)) {
  const std::size_t n = wires_.size();
  const std::size_t count = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(workers, 1)),
                                                    1, std::max<std::size_t>(n, 1));
  for (std::size_t w = 0; w < count && n > 0; ++w) {
    workers_.emplace_back(
        [this, begin = w * n / count, end = (w + 1) * n / count] { Walk(begin, end); });
  }
}

ResonanceJob::~ResonanceJob() {
  stop_.request_stop();
}

void ResonanceJob::Walk(std::size_t begin, std::size_t end) {
  const std::stop_token stop = stop_.get_token();
  // The searches and the nec2c children they start (which inherit it) give way to the user
  // interface on a machine whose cores they fill; on Linux the nice value is the thread's.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNice);
  std::optional<double> vf;  // of the previous dipole: its length at this one's wavelength
  for (std::size_t i = begin; i < end; ++i) {
    const nec::Wire& wire = wires_[i];
    std::optional<double> guess;
    if (vf) guess = *vf * kSpeedOfLight / wire.frequencyMHz / 2.0;
    nec::Result<nec::Resonance> found =
        nec::FindResonanceWithin(*runner_, wire, nec::kSearchLimit, stop, guess);
    if (stop.stop_requested()) return;
    bool givingUp = false;
    if (found.ok()) {
      vf = found.value().vf;
      failuresInRow_ = 0;
    } else {
      givingUp = GivesUp(found.failure(), ++failuresInRow_);
    }
    // The other workers' running searches end unreported.
    if (givingUp) stop_.request_stop();
    report_({i, std::move(found)});
    if (givingUp) return;
  }
}

}  // namespace velmora
