// NEC-2's points over the curve on screen: runs the searches the NecPoints model asks for on two
// workers (both cores), hands each result back on the user-interface thread, shows the points
// on the plot and their progress in a status bar panel of their own. Esc stops them.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

#include "desktop/nec_dialog.h"

class QLabel;
class QShortcut;
class QWidget;

namespace velmora {
class NecPoints;
class ResonanceJob;
class RetainedSurface;
}  // namespace velmora

namespace velmora::qt {

class PlotWidget;

class NecOverlay : public QObject {
  Q_OBJECT
 public:
  static constexpr int kWorkers = 2;

  // `panel` sits in the window's status bar; Esc works while `window` is active.
  NecOverlay(NecPoints& model, const RetainedSurface& surface, PlotWidget& plot, QLabel& panel,
             QWidget& window, NecRunnerSource runner);
  ~NecOverlay() override;

  // Model -> searches, plot and panel.
  void Sync();

 private:
  void FollowSearches();

  NecPoints& model_;
  const RetainedSurface& surface_;
  PlotWidget& plot_;
  QLabel& panel_;
  QShortcut* escape_ = nullptr;
  NecRunnerSource runner_;
  std::unique_ptr<ResonanceJob> job_;
  std::uint64_t jobGeneration_ = 0;
};

}  // namespace velmora::qt
