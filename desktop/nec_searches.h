// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 searches a model asks for, on worker threads: started, followed and stopped in the
// platform's step after each model change, each result handed back on the user-interface thread
// with the generation it was started for. The comparison dialog and the points overlay use it.
#pragma once

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "desktop/bound_view.h"
#include "nec/resonance.h"

namespace velmora {
class ResonanceJob;
}

namespace velmora::qt {

class QtPlatform;

using NecRunnerSource = std::function<std::shared_ptr<nec::NecRunner>()>;

class NecSearches : public QObject, public BackgroundWork {
  Q_OBJECT
 public:
  // What the model asks for, and where a result goes back to.
  struct Model {
    std::function<bool()> wanted;
    std::function<std::uint64_t()> generation;
    std::function<std::vector<nec::Wire>()> wires;
    std::function<void(std::uint64_t generation, std::size_t index,
                       const nec::Result<nec::Resonance>& result)>
        found;
  };

  NecSearches(QtPlatform& platform, NecRunnerSource runner, int workers, Model model,
              QObject* parent);
  ~NecSearches() override;

  void Follow() override;

 private:
  QtPlatform& platform_;
  NecRunnerSource runner_;
  int workers_;
  Model model_;
  std::unique_ptr<ResonanceJob> job_;
  std::uint64_t jobGeneration_ = 0;
};

}  // namespace velmora::qt
