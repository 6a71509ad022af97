#include "desktop/plot_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "desktop/twips.h"
#include "platform/retained_surface.h"

namespace velmora::qt {

PlotWidget::PlotWidget(RetainedSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotWidget::SetRenderer(Renderer renderer) {
  renderer_ = std::move(renderer);
  update();
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (renderer_) renderer_(painter, surface_.Image(), logicalDpiX() / kTwipsPerInch);
}

}  // namespace velmora::qt
