#include "desktop/nec_overlay.h"

#include <QLabel>
#include <QLayout>
#include <QShortcut>

#include "crosscheck/nec_points.h"
#include "crosscheck/resonance_job.h"
#include "desktop/plot_widget.h"
#include "desktop/text.h"

namespace velmora::qt {

NecOverlay::NecOverlay(NecPoints& model, const RetainedSurface& surface, PlotWidget& plot,
                       QLabel& panel, QWidget& window, NecRunnerSource runner)
    : QObject(&window),
      model_(model),
      surface_(surface),
      plot_(plot),
      panel_(panel),
      runner_(std::move(runner)) {
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);
  connect(escape_, &QShortcut::activated, this, [this] {
    model_.Cancel();
    Sync();
  });
}

NecOverlay::~NecOverlay() {
  job_.reset();
}

void NecOverlay::FollowSearches() {
  if (!model_.Computing()) {
    job_.reset();
    return;
  }
  if (job_ && jobGeneration_ == model_.Generation()) return;
  job_.reset();
  jobGeneration_ = model_.Generation();
  const std::uint64_t generation = jobGeneration_;
  job_ = std::make_unique<ResonanceJob>(
      runner_(), model_.Wires(), kWorkers, [this, generation](ResonanceJob::Found found) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, index = found.index, result = std::move(found.result)] {
              model_.Found(generation, index, result);
              Sync();
            },
            Qt::QueuedConnection);
      });
}

void NecOverlay::Sync() {
  FollowSearches();
  escape_->setEnabled(model_.Computing());
  std::vector<QPointF> points;
  for (const NecPoints::Marker& marker : model_.Markers(surface_)) {
    points.emplace_back(marker.x, marker.y);
  }
  plot_.SetNecPoints(std::move(points), model_.Shown() && !model_.Wires().empty());
  const QString text = ToQ(model_.StatusText());
  if (panel_.text() != text) panel_.setText(text);
  panel_.setToolTip(ToQ(model_.FirstFailure()));
  if (panel_.isHidden() != text.isEmpty()) {
    panel_.setHidden(text.isEmpty());
    // At once, so a printout made right now has no gap where the panel was.
    if (QWidget* bar = panel_.parentWidget(); bar && bar->layout()) bar->layout()->activate();
  }
}

}  // namespace velmora::qt
