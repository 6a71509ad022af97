// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/nec_overlay.h"

#include <QLabel>
#include <QLayout>
#include <QShortcut>

#include "crosscheck/nec_points.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_platform.h"
#include "desktop/text.h"

namespace velmora::qt {

NecOverlay::NecOverlay(QtPlatform& platform, NecPoints& model, const RetainedSurface& surface,
                       PlotWidget& plot, QLabel& panel, QWidget& window, NecRunnerSource runner)
    : QObject(&window), model_(model), surface_(surface), plot_(plot), panel_(panel) {
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);
  connect(escape_, &QShortcut::activated, this, [this, &platform] {
    model_.Cancel();
    platform.ModelChanged();
  });
  NecSearches::Model searched;
  searched.wanted = [this] { return model_.Computing(); };
  searched.generation = [this] { return model_.Generation(); };
  searched.wires = [this] { return model_.Wires(); };
  searched.found = [this](std::uint64_t generation, std::size_t index,
                          const nec::Result<nec::Resonance>& result) {
    model_.Found(generation, index, result);
  };
  searches_ = new NecSearches(platform, std::move(runner), kWorkers, std::move(searched), this);
}

void NecOverlay::Sync() {
  escape_->setEnabled(model_.Computing());
  std::vector<QPointF> points;
  for (const NecPoints::Marker& marker : model_.Markers(surface_)) {
    points.emplace_back(marker.x, marker.y);
  }
  plot_.SetNecPoints(std::move(points), model_.Shown() && !model_.Wires().empty());
  const QString text = ToQ(model_.StatusText());
  if (panel_.text() != text) panel_.setText(text);
  const QString tip = ToQ(model_.FirstFailure());
  if (panel_.toolTip() != tip) panel_.setToolTip(tip);
  if (panel_.isHidden() != text.isEmpty()) {
    panel_.setHidden(text.isEmpty());
    // At once, so a printout made right now has no gap where the panel was.
    if (QWidget* bar = panel_.parentWidget(); bar && bar->layout()) bar->layout()->activate();
  }
}

}  // namespace velmora::qt
