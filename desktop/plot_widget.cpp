#include "desktop/plot_widget.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include "desktop/qt_surface.h"
#include "desktop/twips.h"
#include "platform/retained_surface.h"

namespace velmora::qt {
namespace {

constexpr double kNecRadiusTwips = 50;  // about 3.5 pixels on a 96 dpi screen

void DrawNecMarker(QPainter& painter, const QPointF& at) {
  painter.drawEllipse(at, kNecRadiusTwips, kNecRadiusTwips);
}

}  // namespace

PlotWidget::PlotWidget(RetainedSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotWidget::SetRenderer(Renderer renderer) {
  renderer_ = std::move(renderer);
  update();
}

void PlotWidget::SetNecPoints(std::vector<QPointF> points, bool legend) {
  if (points == necPoints_ && legend == necLegend_) return;
  necPoints_ = std::move(points);
  necLegend_ = legend;
  update();
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const double pixelsPerTwip = logicalDpiX() / kTwipsPerInch;
  if (renderer_) renderer_(painter, surface_.Image(), pixelsPerTwip);
  PaintOverlay(painter, pixelsPerTwip);
}

void PlotWidget::PaintOverlay(QPainter& painter, double pixelsPerTwip) {
  if (necPoints_.empty() && !necLegend_) return;
  painter.save();
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(NecColor().darker(130), 1.2);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(NecColor());
  for (const QPointF& point : necPoints_) DrawNecMarker(painter, point);
  if (necLegend_) PaintNecLegend(painter);
  painter.restore();
  ClearUpperVectorState();
}

void PlotWidget::PaintNecLegend(QPainter& painter) {
  // Top right, clear of the y axis' name on the left: a line for the curve, a marker for NEC-2.
  const QFont font = PlotFont();
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const QString formula = QStringLiteral("Formel");
  const QString nec = QStringLiteral("NEC-2");
  const double line = metrics.height();
  const double sample = 240;
  const double textWidth =
      std::max(metrics.horizontalAdvance(formula), metrics.horizontalAdvance(nec));
  const double width = sample + 90 + textWidth + 120;
  const double right = surface_.Image().width - 150;
  const QRectF box(right - width, 90, width, 2 * line + 90);
  const QPen markerPen = painter.pen();
  const QBrush markerBrush = painter.brush();
  painter.setPen(QPen(QColor(160, 160, 160), 0));
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRect(box);
  const double x = box.left() + 60;
  const double y1 = box.top() + 45 + line / 2;
  const double y2 = y1 + line;
  QPen curvePen(QColor(16, 16, 16), 0);
  painter.setPen(curvePen);
  painter.drawLine(QPointF(x, y1), QPointF(x + sample, y1));
  painter.setPen(markerPen);
  painter.setBrush(markerBrush);
  DrawNecMarker(painter, QPointF(x + sample / 2, y2));
  painter.setPen(QColor(16, 16, 16));
  const double textX = x + sample + 90;
  painter.drawText(QRectF(textX, y1 - line / 2, textWidth + 60, line), Qt::AlignVCenter, formula);
  painter.drawText(QRectF(textX, y2 - line / 2, textWidth + 60, line), Qt::AlignVCenter, nec);
}

}  // namespace velmora::qt
