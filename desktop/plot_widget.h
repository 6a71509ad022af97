// Picture1 on screen: paints the plot surface's retained image at the device's resolution, so
// lines and texts stay sharp on high-density screens.
#pragma once

#include <QWidget>
#include <functional>

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

  PlotWidget(RetainedSurface& surface, QWidget* parent = nullptr);
  void SetRenderer(Renderer renderer);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RetainedSurface& surface_;
  Renderer renderer_;
};

}  // namespace velmora::qt
