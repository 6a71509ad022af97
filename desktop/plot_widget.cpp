// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/plot_widget.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "desktop/qt_surface.h"
#include "desktop/twips.h"
#include "platform/retained_surface.h"
#include "shell/frm_main.h"

namespace velmora::qt {
PlotWidget::PlotWidget(RetainedSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // Clicked or tabbed into, the plot takes the arrow keys for its marker.
  setFocusPolicy(Qt::StrongFocus);
}

void PlotWidget::SetRenderer(Renderer renderer) {
  renderer_ = std::move(renderer);
  update();
}

void PlotWidget::SyncImage() {
  const DisplayList& image = surface_.Image();
  const std::array<double, 5> key{
      static_cast<double>(image.handle), static_cast<double>(image.items.size()),
      static_cast<double>(image.texts.size()), image.width, image.height};
  if (key == imageKey_) return;
  imageKey_ = key;
  update();
}

void PlotWidget::SetNecPoints(std::vector<QPointF> points, bool legend) {
  if (points == necPoints_ && legend == necLegend_) return;
  necPoints_ = std::move(points);
  necLegend_ = legend;
  update();
}

void PlotWidget::SetMarker(std::optional<double> x) {
  if (marker_ == x) return;
  marker_ = x;
  update();
}

double PlotWidget::PixelsPerTwip() const {
  return logicalDpiX() / kTwipsPerInch;
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (renderer_) renderer_(painter, surface_.Image(), PixelsPerTwip());
  PaintOverlay(painter, PixelsPerTwip());
}

void PlotWidget::PaintOverlay(QPainter& painter, double pixelsPerTwip) {
  if (marker_) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ToQColor(kPlotStyle.marker), 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const double x = std::floor(*marker_ * pixelsPerTwip) + 0.5;
    painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    painter.restore();
  }
  PaintNecMarks(painter, necPoints_, necLegend_, surface_.Image().width, pixelsPerTwip);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  if (events_.pointerMoved) events_.pointerMoved(event->position().x() / PixelsPerTwip());
  QWidget::mouseMoveEvent(event);
}

void PlotWidget::leaveEvent(QEvent* event) {
  if (events_.left) events_.left();
  QWidget::leaveEvent(event);
}

void PlotWidget::focusOutEvent(QFocusEvent* event) {
  if (events_.left) events_.left();
  QWidget::focusOutEvent(event);
}

void PlotWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    if (events_.copy) events_.copy();
    return;
  }
  std::optional<PlotKey> key;
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Left:
        key = PlotKey::kLeft;
        break;
      case Qt::Key_Right:
        key = PlotKey::kRight;
        break;
      case Qt::Key_PageUp:
        key = PlotKey::kPageLeft;
        break;
      case Qt::Key_PageDown:
        key = PlotKey::kPageRight;
        break;
      case Qt::Key_Home:
        key = PlotKey::kFirst;
        break;
      case Qt::Key_End:
        key = PlotKey::kLast;
        break;
      default:
        break;
    }
  }
  if (key && events_.key) {
    events_.key(*key);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace velmora::qt
