// Picture1 on screen: paints the plot surface's retained image at the device's resolution, so
// lines and texts stay sharp on high-density screens. Over it, on screen only, NEC-2's points
// with their legend.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

namespace velmora {
class RetainedSurface;
struct DisplayList;
}  // namespace velmora

namespace velmora::qt {

class PlotWidget : public QWidget {
  Q_OBJECT
 public:
  // Paints a display list in twips onto a painter at a scale of pixels per twip.
  using Renderer = std::function<void(QPainter&, const DisplayList&, double pixelsPerTwip)>;
  // The second colour: NEC-2's points beside the formulas' curve.
  static QColor NecColor() { return QColor(205, 40, 30); }

  PlotWidget(RetainedSurface& surface, QWidget* parent = nullptr);
  void SetRenderer(Renderer renderer);
  // NEC-2's points in twips from the top-left corner; the legend while `legend`.
  void SetNecPoints(std::vector<QPointF> points, bool legend);
  const std::vector<QPointF>& NecPoints() const { return necPoints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Everything drawn over the retained image, which itself never holds it (exports, prints).
  void PaintOverlay(QPainter& painter, double pixelsPerTwip);
  void PaintNecLegend(QPainter& painter);

  RetainedSurface& surface_;
  Renderer renderer_;
  std::vector<QPointF> necPoints_;
  bool necLegend_ = false;
};

}  // namespace velmora::qt
