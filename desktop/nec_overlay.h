// SPDX-License-Identifier: GPL-3.0-or-later
// NEC-2's points over the curve on screen: the searches the NecPoints model asks for run on two
// workers (both cores) through NecSearches; this shows the points on the plot and their progress
// in a status bar panel of their own. Esc stops them.
#pragma once

#include <QObject>

#include "desktop/nec_searches.h"

class QLabel;
class QShortcut;
class QWidget;

namespace velmora {
class NecPoints;
class RetainedSurface;
}  // namespace velmora

namespace velmora::qt {

class PlotWidget;
class QtPlatform;

class NecOverlay : public QObject {
  Q_OBJECT
 public:
  static constexpr int kWorkers = 2;

  // `panel` sits in the window's status bar; Esc works while `window` is active.
  NecOverlay(QtPlatform& platform, NecPoints& model, const RetainedSurface& surface,
             PlotWidget& plot, QLabel& panel, QWidget& window, NecRunnerSource runner);

  // Model -> plot and panel.
  void Sync();

 private:
  NecPoints& model_;
  const RetainedSurface& surface_;
  PlotWidget& plot_;
  QLabel& panel_;
  QShortcut* escape_ = nullptr;
  NecSearches* searches_ = nullptr;
};

}  // namespace velmora::qt
