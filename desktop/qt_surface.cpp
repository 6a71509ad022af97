// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/qt_surface.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPageSize>
#include <QPdfWriter>
#include <QPolygonF>
#include <QStaticText>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VELMORA_X86 1
#endif

namespace velmora::qt {
namespace {

#ifdef VELMORA_X86
__attribute__((target("avx"))) void ZeroUpperVectorHalves() {
  _mm256_zeroupper();
}
#endif

const QColor kBackground = ToQColor(kPlotStyle.background);
const QColor kForeground = ToQColor(kPlotStyle.foreground);
const QColor kStatusBackground = ToQColor(kPlotStyle.statusBackground);

QColor ColourOf(PlotPen pen) {
  switch (pen) {
    case PlotPen::kNec:
      return ToQColor(kPlotStyle.nec);
    case PlotPen::kMeasured:
      return ToQColor(kPlotStyle.measured);
    case PlotPen::kGuide:
      return ToQColor(kPlotStyle.guide);
    case PlotPen::kShade:
      return ToQColor(kPlotStyle.shade);
    case PlotPen::kForeground:
      break;
  }
  return kForeground;
}

QPen PenOf(int lineWidth, PlotPen colour = PlotPen::kForeground) {
  QPen pen(ColourOf(colour), lineWidth * kTwipsPerPixel, Qt::SolidLine, Qt::SquareCap,
           Qt::MiterJoin);
  return pen;
}

// One pen per line width and colour.
int PenKey(int lineWidth, PlotPen pen) {
  return lineWidth * 4 + static_cast<int>(pen);
}

// Replays a display list with as few painter calls as the picture allows: the pen changes only
// when the line width does, neighbouring lines go out in one call, and a curve's thousands of
// points a twip apart become one polyline that keeps one point per device pixel.
class BatchedPainter {
 public:
  BatchedPainter(QPainter& painter, double pixelsPerTwip)
      : painter_(painter), pixelsPerTwip_(pixelsPerTwip) {}

  void Line(const QLineF& line, int lineWidth, PlotPen pen) {
    FlushPoints();
    if (!lines_.isEmpty() && (lineWidth != linesWidth_ || pen != linesPen_)) FlushLines();
    linesWidth_ = lineWidth;
    linesPen_ = pen;
    lines_.append(line);
  }

  void Fill(const QRectF& rect, PlotPen pen) {
    Flush();
    painter_.fillRect(rect.normalized(), ColourOf(pen));
  }

  void Point(const QPointF& p, int lineWidth, PlotPen pen) {
    FlushLines();
    const double reach = lineWidth * kTwipsPerPixel;
    if (!run_.isEmpty() &&
        (lineWidth != runWidth_ || pen != runPen_ || std::abs(p.x() - run_.back().x()) > reach ||
         std::abs(p.y() - run_.back().y()) > reach)) {
      FlushPoints();
    }
    runWidth_ = lineWidth;
    runPen_ = pen;
    const QPoint pixel = PixelOf(p);
    if (!run_.isEmpty() && pixel == lastPixel_) {
      run_.back() = p;  // same device pixel: the stroke ends at the newer point
      return;
    }
    run_.append(p);
    lastPixel_ = pixel;
  }

  // `at` is the text's top-left corner. The same tick labels come back on every redraw, so
  // their laid-out glyphs are kept.
  void Text(const QPointF& at, const QString& text) {
    Flush();
    UsePen(QPen(kForeground), -1);
    static QHash<QString, QStaticText> laidOut;
    auto it = laidOut.find(text);
    if (it == laidOut.end()) {
      if (laidOut.size() > 4096) laidOut.clear();
      it = laidOut.insert(text, QStaticText(text));
      it->setTextFormat(Qt::PlainText);
      it->setPerformanceHint(QStaticText::AggressiveCaching);
    }
    painter_.drawStaticText(at, *it);
  }

  void Flush() {
    FlushLines();
    FlushPoints();
  }

 private:
  QPoint PixelOf(const QPointF& p) const {
    return QPoint(static_cast<int>(std::floor(p.x() * pixelsPerTwip_)),
                  static_cast<int>(std::floor(p.y() * pixelsPerTwip_)));
  }

  void UsePen(const QPen& pen, int key) {
    if (key == penKey_) return;
    painter_.setPen(pen);
    penKey_ = key;
  }

  void FlushLines() {
    if (lines_.isEmpty()) return;
    UsePen(PenOf(linesWidth_, linesPen_), PenKey(linesWidth_, linesPen_));
    painter_.drawLines(lines_);
    lines_.clear();
  }

  void FlushPoints() {
    if (run_.isEmpty()) return;
    UsePen(PenOf(runWidth_, runPen_), PenKey(runWidth_, runPen_));
    if (run_.size() == 1) {
      painter_.drawPoint(run_.front());
    } else {
      painter_.drawPolyline(run_);
    }
    run_.clear();
  }

  QPainter& painter_;
  double pixelsPerTwip_;
  int penKey_ = -2;  // PenKey of the pen set; -1 the text pen
  QVector<QLineF> lines_;
  int linesWidth_ = 1;
  PlotPen linesPen_ = PlotPen::kForeground;
  QPolygonF run_;
  int runWidth_ = 1;
  PlotPen runPen_ = PlotPen::kForeground;
  QPoint lastPixel_;
};

double StatusLineTwips() {
  return std::ceil(PlotLineHeightTwips() * 1.6);
}

void PaintStatusLine(QPainter& painter, double top, double width, const std::string& title) {
  const double height = StatusLineTwips();
  painter.fillRect(QRectF(0, top, width, height), kStatusBackground);
  painter.setPen(PenOf(1));
  painter.drawLine(QPointF(0, top), QPointF(width, top));
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setFont(PlotFont());
  painter.setPen(kForeground);
  painter.drawText(QRectF(60, top, width - 120, height), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromStdString(title));
}

void DrawNecMarker(QPainter& painter, const QPointF& at) {
  painter.drawEllipse(at, kPlotStyle.necRadius, kPlotStyle.necRadius);
}

// "Formel" beside a line and "NEC-2" beside a marker, top right, in the marker's pen and brush.
void PaintNecLegend(QPainter& painter, double imageWidth) {
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
  const double right = imageWidth - style.legendRightGap;
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

void PaintPlot(QPainter& painter, const DisplayList& list, const std::string& title,
               double pixelsPerTwip, const NecMarks& nec) {
  RenderDisplayList(painter, list, pixelsPerTwip);
  std::vector<QPointF> points;
  for (const NecMarks::Point& p : nec.points) points.emplace_back(p.x, p.y);
  PaintNecMarks(painter, points, nec.legend, list.width, pixelsPerTwip);
  painter.save();
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  PaintStatusLine(painter, list.height, list.width, title);
  painter.restore();
}

}  // namespace

void PaintNecMarks(QPainter& painter, const std::vector<QPointF>& points, bool legend,
                   double imageWidth, double pixelsPerTwip) {
  if (points.empty() && !legend) return;
  painter.save();
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(ToQColor(kPlotStyle.nec).darker(kPlotStyle.necOutlineDarker),
           kPlotStyle.necOutlineWidth);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(ToQColor(kPlotStyle.nec));
  for (const QPointF& point : points) DrawNecMarker(painter, point);
  if (legend) PaintNecLegend(painter, imageWidth);
  painter.restore();
  ClearUpperVectorState();
}

QFont PlotFont() {
  QFont font(QString::fromLatin1(kPlotStyle.fontFamily));
  font.setPixelSize(kPlotStyle.fontTwips);
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(kPlotStyle.fontStretch);
  return font;
}

double PlotLineHeightTwips() {
  return QFontMetricsF(PlotFont()).height();
}

void RenderDisplayList(QPainter& painter, const DisplayList& list, double pixelsPerTwip) {
  painter.save();
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  painter.fillRect(QRectF(0, 0, list.width, list.height), kBackground);
  painter.setClipRect(QRectF(0, 0, list.width, list.height), Qt::IntersectClip);
  // Crisp one-pixel lines and points as on the classic screen; texts smoothed.
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFont font = PlotFont();
  painter.setFont(font);

  painter.setRenderHint(QPainter::TextAntialiasing, true);
  BatchedPainter batch(painter, pixelsPerTwip);
  for (const DrawnItem& item : list.items) {
    switch (item.kind) {
      case DrawnItem::Kind::kPoint:
        batch.Point(QPointF(item.x1, item.y1), item.lineWidth, item.pen);
        break;
      case DrawnItem::Kind::kLine:
        batch.Line(QLineF(item.x1, item.y1, item.x2, item.y2), item.lineWidth, item.pen);
        break;
      case DrawnItem::Kind::kFill:
        batch.Fill(QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)), item.pen);
        break;
      case DrawnItem::Kind::kText:
        batch.Text(QPointF(item.x1, item.y1), QString::fromStdString(list.TextOf(item)));
        break;
    }
  }
  batch.Flush();
  painter.restore();
  ClearUpperVectorState();
}

void ClearUpperVectorState() {
#ifdef VELMORA_X86
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ZeroUpperVectorHalves();
#endif
}

QSize PlotPictureSize(double widthTwips, double heightTwips, double dpi) {
  const double ppt = dpi / kTwipsPerInch;
  const double w = std::ceil(widthTwips * ppt);
  const double h = std::ceil((heightTwips + StatusLineTwips()) * ppt);
  const double most = std::numeric_limits<int>::max();
  return QSize(static_cast<int>(std::clamp(w, 1.0, most)),
               static_cast<int>(std::clamp(h, 1.0, most)));
}

std::optional<std::string> PictureTooLarge(QSize pixels) {
  const std::int64_t w = pixels.width();
  const std::int64_t h = pixels.height();
  if (w <= kMaxPictureSide && h <= kMaxPictureSide && w * h * 4 <= kMaxPictureBytes) {
    return std::nullopt;
  }
  return "Das Bild wäre " + std::to_string(w) + " × " + std::to_string(h) +
         " Pixel groß; erlaubt sind höchstens " + std::to_string(kMaxPictureSide) +
         " Pixel je Seite und " + std::to_string(kMaxPictureBytes >> 20) + " MB.";
}

QImage RenderPlotImage(const DisplayList& list, const std::string& title, double dpi,
                       const NecMarks& nec) {
  const QSize size = PlotPictureSize(list.width, list.height, dpi);
  if (PictureTooLarge(size)) return QImage();
  const double ppt = dpi / kTwipsPerInch;
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(kStatusBackground);
  QPainter painter(&image);
  PaintPlot(painter, list, title, ppt, nec);
  painter.end();
  return image;
}

QByteArray ExportPlot(const DisplayList& list, const std::string& title, PlotFormat format,
                      double dpi, const NecMarks& nec) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const double heightTwips = list.height + StatusLineTwips();
  switch (format) {
    case PlotFormat::kPng: {
      const QImage image = RenderPlotImage(list, title, dpi, nec);
      if (image.isNull() || !image.save(&buffer, "PNG")) return {};
      break;
    }
    case PlotFormat::kSvg: {
      const double ppt = dpi / kTwipsPerInch;
      QSvgGenerator svg;
      svg.setOutputDevice(&buffer);
      svg.setResolution(static_cast<int>(std::lround(dpi)));
      svg.setSize(QSize(static_cast<int>(std::ceil(list.width * ppt)),
                        static_cast<int>(std::ceil(heightTwips * ppt))));
      svg.setViewBox(QRectF(0, 0, list.width * ppt, heightTwips * ppt));
      svg.setTitle(QString::fromStdString(title));
      QPainter painter;
      if (!painter.begin(&svg)) return {};
      PaintPlot(painter, list, title, ppt, nec);
      painter.end();
      break;
    }
    case PlotFormat::kPdf: {
      constexpr int kPdfDpi = 1200;
      QPdfWriter pdf(&buffer);
      pdf.setResolution(kPdfDpi);
      pdf.setPageSize(QPageSize(QSizeF(list.width / 20.0, heightTwips / 20.0), QPageSize::Point,
                                QString(), QPageSize::ExactMatch));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle(QString::fromStdString(title));
      QPainter painter;
      if (!painter.begin(&pdf)) return {};
      PaintPlot(painter, list, title, kPdfDpi / kTwipsPerInch, nec);
      painter.end();
      break;
    }
  }
  return bytes;
}

}  // namespace velmora::qt
