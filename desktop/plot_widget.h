// SPDX-License-Identifier: GPL-3.0-or-later
// Picture1 on screen: paints the plot surface's retained image at the device's resolution, so
// lines and texts stay sharp on high-density screens. Over it, on screen only, the read-out's
// marker and NEC-2's points with their legend. It reports the pointer, the marker keys and Ctrl+C
// to its window.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "desktop/qt_surface.h"
#include "platform/plot_style.h"

class QPainter;

namespace velmora {
class RetainedSurface;
struct DisplayList;
enum class PlotKey;
}  // namespace velmora

namespace velmora::qt {

class PlotWidget : public QWidget {
  Q_OBJECT
 public:
  // Paints a display list in twips onto a painter at a scale of pixels per twip.
  using Renderer = std::function<void(QPainter&, const DisplayList&, double pixelsPerTwip)>;
  // What the plot reports; x in twips from its left edge. `left`: the pointer left the plot or
  // the plot lost the focus.
  struct Events {
    std::function<void(double x)> pointerMoved;
    std::function<void()> left;
    std::function<void(PlotKey key)> key;
    std::function<void()> copy;
  };

  // The second colour: NEC-2's points beside the formulas' curve.
  static QColor NecColor() { return ToQColor(kPlotStyle.nec); }

  PlotWidget(RetainedSurface& surface, QWidget* parent = nullptr);
  void SetRenderer(Renderer renderer);
  // Repaints when the retained image changed since the last call: a new drawing, more of it, or
  // a new size. Within one image the list only grows.
  void SyncImage();
  void SetEvents(Events events) { events_ = std::move(events); }
  // The read-out's marker, in twips from the left edge; nullopt: none.
  void SetMarker(std::optional<double> x);
  std::optional<double> Marker() const { return marker_; }
  // NEC-2's points in twips from the top-left corner; the legend while `legend`.
  void SetNecPoints(std::vector<QPointF> points, bool legend);
  const std::vector<QPointF>& NecPoints() const { return necPoints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Everything drawn over the retained image, which itself never holds it (exports, prints).
  void PaintOverlay(QPainter& painter, double pixelsPerTwip);
  double PixelsPerTwip() const;

  RetainedSurface& surface_;
  Renderer renderer_;
  Events events_;
  std::optional<double> marker_;
  std::vector<QPointF> necPoints_;
  bool necLegend_ = false;
  std::array<double, 5> imageKey_{};
};

}  // namespace velmora::qt
