// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/opaque_paint_device.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmora::qt {

class OpaquePaintEngine : public QPaintEngine {
 public:
  OpaquePaintEngine(QPainter& target, QColor background)
      : QPaintEngine(QPaintEngine::AllFeatures), target_(target), background_(background) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyOpacity) opacity_ = state.opacity();
    // The transform first: a clip set with it is meant in its coordinates.
    if (dirty & DirtyTransform) target_.setTransform(state.transform());
    if (dirty & DirtyClipRegion) target_.setClipRegion(state.clipRegion(), state.clipOperation());
    if (dirty & DirtyClipPath) target_.setClipPath(state.clipPath(), state.clipOperation());
    if (dirty & DirtyClipEnabled) target_.setClipping(state.isClipEnabled());
    if (dirty & (DirtyPen | DirtyOpacity)) {
      QPen pen = state.pen();
      pen.setBrush(Opaque(pen.brush()));
      target_.setPen(pen.brush().style() == Qt::NoBrush ? QPen(Qt::NoPen) : pen);
    }
    if (dirty & (DirtyBrush | DirtyOpacity)) target_.setBrush(Opaque(state.brush()));
    if (dirty & DirtyBrushOrigin) target_.setBrushOrigin(state.brushOrigin());
    if (dirty & (DirtyBackground | DirtyOpacity))
      target_.setBackground(Opaque(state.backgroundBrush()));
    if (dirty & DirtyBackgroundMode) target_.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyFont) target_.setFont(state.font());
    if (dirty & DirtyHints) {
      target_.setRenderHints(target_.renderHints(), false);
      target_.setRenderHints(state.renderHints(), true);
    }
  }

  void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
  void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
  void drawEllipse(const QRectF& rect) override { target_.drawEllipse(rect); }
  void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
  void drawPoints(const QPointF* points, int count) override { target_.drawPoints(points, count); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    switch (mode) {
      case PolylineMode:
        target_.drawPolyline(points, count);
        break;
      case ConvexMode:
        target_.drawConvexPolygon(points, count);
        break;
      case OddEvenMode:
        target_.drawPolygon(points, count, Qt::OddEvenFill);
        break;
      case WindingMode:
        target_.drawPolygon(points, count, Qt::WindingFill);
        break;
    }
  }
  void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
    target_.drawTextItem(p, textItem);
  }
  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    // A one-bit pixmap is a stencil in the pen's colour, which is opaque already.
    if (pixmap.depth() == 1) {
      target_.drawPixmap(rect, pixmap, source);
    } else {
      target_.drawImage(rect, Opaque(pixmap.toImage()), source);
    }
  }
  void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override {
    target_.drawTiledPixmap(rect, QPixmap::fromImage(Opaque(pixmap.toImage())), offset);
  }
  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags) override {
    target_.drawImage(rect, Opaque(image), source);
  }

 private:
  QColor Opaque(const QColor& color) const {
    const double alpha = color.alphaF() * opacity_;
    if (alpha >= 1.0) return color;
    const QColor c = color.toRgb();
    auto blend = [alpha](double over, double under) { return over * alpha + under * (1 - alpha); };
    return QColor::fromRgbF(static_cast<float>(blend(c.redF(), background_.redF())),
                            static_cast<float>(blend(c.greenF(), background_.greenF())),
                            static_cast<float>(blend(c.blueF(), background_.blueF())));
  }

  QBrush Opaque(const QBrush& brush) const {
    // Nothing to see: no fill at all rather than one in the background colour over what is below.
    if (brush.style() == Qt::NoBrush ||
        (brush.gradient() == nullptr && brush.textureImage().isNull() &&
         brush.color().alphaF() * opacity_ <= 0.0)) {
      return Qt::NoBrush;
    }
    QBrush result = brush;
    if (const QGradient* gradient = brush.gradient()) {
      QGradientStops stops = gradient->stops();
      for (auto& stop : stops) stop.second = Opaque(stop.second);
      QGradient copy = *gradient;
      copy.setStops(stops);
      result = QBrush(copy);
      result.setTransform(brush.transform());
    } else if (brush.style() == Qt::TexturePattern) {
      result.setTextureImage(Opaque(brush.textureImage()));
    } else {
      result.setColor(Opaque(brush.color()));
    }
    return result;
  }

  QImage Opaque(const QImage& image) const {
    if (!image.hasAlphaChannel() && opacity_ >= 1.0) return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDevicePixelRatio(image.devicePixelRatio());
    flat.fill(background_);
    QPainter painter(&flat);
    painter.setOpacity(opacity_);
    painter.drawImage(0, 0, image);
    return flat;
  }

  QPainter& target_;
  const QColor background_;
  double opacity_ = 1.0;
};

OpaquePaintDevice::OpaquePaintDevice(QPainter& target, QColor background)
    : targetDevice_(*target.device()),
      engine_(std::make_unique<OpaquePaintEngine>(target, background.toRgb())) {}

OpaquePaintDevice::~OpaquePaintDevice() = default;

QPaintEngine* OpaquePaintDevice::paintEngine() const {
  return engine_.get();
}

int OpaquePaintDevice::metric(PaintDeviceMetric metric) const {
  const QPaintDevice& d = targetDevice_;
  switch (metric) {
    case PdmWidth:
      return d.width();
    case PdmHeight:
      return d.height();
    case PdmWidthMM:
      return d.widthMM();
    case PdmHeightMM:
      return d.heightMM();
    case PdmNumColors:
      return d.colorCount();
    case PdmDepth:
      return d.depth();
    case PdmDpiX:
      return d.logicalDpiX();
    case PdmDpiY:
      return d.logicalDpiY();
    case PdmPhysicalDpiX:
      return d.physicalDpiX();
    case PdmPhysicalDpiY:
      return d.physicalDpiY();
    case PdmDevicePixelRatio:
      return static_cast<int>(d.devicePixelRatio());
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(d.devicePixelRatioF() * QPaintDevice::devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace velmora::qt
