// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/nec_searches.h"

#include "crosscheck/resonance_job.h"
#include "desktop/qt_platform.h"

namespace velmora::qt {

NecSearches::NecSearches(QtPlatform& platform, NecRunnerSource runner, int workers, Model model,
                         QObject* parent)
    : QObject(parent),
      platform_(platform),
      runner_(std::move(runner)),
      workers_(workers),
      model_(std::move(model)) {
  platform_.AddWork(this);
}

NecSearches::~NecSearches() {
  platform_.RemoveWork(this);
  job_.reset();
}

void NecSearches::Follow() {
  if (!model_.wanted()) {
    job_.reset();
    return;
  }
  if (job_ && jobGeneration_ == model_.generation()) return;
  job_.reset();  // the old search's child is killed before the new one starts
  jobGeneration_ = model_.generation();
  const std::uint64_t generation = jobGeneration_;
  job_ = std::make_unique<ResonanceJob>(
      runner_(), model_.wires(), workers_, [this, generation](ResonanceJob::Found found) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, index = found.index, result = std::move(found.result)] {
              model_.found(generation, index, result);
              platform_.ModelChanged();
            },
            Qt::QueuedConnection);
      });
}

}  // namespace velmora::qt
