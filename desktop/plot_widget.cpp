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
namespace {

void DrawNecMarker(QPainter& painter, const QPointF& at) {
  painter.drawEllipse(at, kPlotStyle.necRadius, kPlotStyle.necRadius);
}

}  // namespace

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
  if (necPoints_.empty() && !necLegend_) return;
  painter.save();
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(NecColor().darker(kPlotStyle.necOutlineDarker), kPlotStyle.necOutlineWidth);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(NecColor());
  for (const QPointF& point : necPoints_) DrawNecMarker(painter, point);
  if (necLegend_) PaintNecLegend(painter);
  painter.restore();
  ClearUpperVectorState();
}

void PlotWidget::PaintNecLegend(QPainter& painter) {
  const PlotStyle& style = kPlotStyle;
  const QFont font = PlotFont();
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const QString formula = QStringLiteral("Formel");
  const QString nec = QStringLiteral("NEC-2");
  const double line = metrics.height();
  const double sample = style.legendSample;
  const double textWidth =
      std::max(metrics.horizontalAdvance(formula), metrics.horizontalAdvance(nec));
  const double pad = style.legendPadding;
  const double width = sample + style.legendTextGap + textWidth + 2 * pad;
  const double right = surface_.Image().width - style.legendRightGap;
  const QRectF box(right - width, style.legendTop, width, 2 * line + 1.5 * pad);
  const QPen markerPen = painter.pen();
  const QBrush markerBrush = painter.brush();
  painter.setPen(QPen(ToQColor(style.legendFrame), 0));
  painter.setBrush(ToQColor(style.legendFill));
  painter.drawRect(box);
  const double x = box.left() + pad;
  const double y1 = box.top() + 0.75 * pad + line / 2;
  const double y2 = y1 + line;
  QPen curvePen(ToQColor(style.foreground), 0);
  painter.setPen(curvePen);
  painter.drawLine(QPointF(x, y1), QPointF(x + sample, y1));
  painter.setPen(markerPen);
  painter.setBrush(markerBrush);
  DrawNecMarker(painter, QPointF(x + sample / 2, y2));
  painter.setPen(ToQColor(style.foreground));
  const double textX = x + sample + style.legendTextGap;
  painter.drawText(QRectF(textX, y1 - line / 2, textWidth + pad, line), Qt::AlignVCenter, formula);
  painter.drawText(QRectF(textX, y2 - line / 2, textWidth + pad, line), Qt::AlignVCenter, nec);
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
