// SPDX-License-Identifier: GPL-3.0-or-later
// The QPainter side of the plot area: replays a recorded display list onto any painter (screen
// widget, image, SVG, PDF, printer) at that device's resolution, so the plot is crisp on dense
// screens and vector on paper. Needs a QGuiApplication (fonts).
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/plot_style.h"
#include "platform/retained_surface.h"

namespace velmora::qt {

// The plot font, 7.8 pt, sized in twips (156): draw it under a twips-to-device scale.
QFont PlotFont();
// A colour of the plot's style record.
inline QColor ToQColor(const Rgb& c) {
  return QColor(c.r, c.g, c.b, c.alpha);
}
// The height of one printed line of the plot font, in twips: where Print leaves the position.
double PlotLineHeightTwips();

// Paints the list into the rectangle (0, 0, width, height) twips of the painter's current
// coordinates, scaled by pixelsPerTwip (device pixels per twip), background included.
void RenderDisplayList(QPainter& painter, const DisplayList& list, double pixelsPerTwip);

// NEC-2's markers, and their legend at the top right of an image `imageWidth` twips wide; the
// points in twips. The screen paints them over the plot, and so does every picture of it.
void PaintNecMarks(QPainter& painter, const std::vector<QPointF>& points, bool legend,
                   double imageWidth, double pixelsPerTwip);

// The plot with the curve title in a status line under it, as the window shows them, with
// NEC-2's points over it.
enum class PlotFormat { kPng, kSvg, kPdf };
// dpi: the resolution of PNG and SVG (96 is the screen's); PDF is vector at any zoom.
// Returns the file's bytes, empty if the output could not be produced (a PNG beyond the bound).
QByteArray ExportPlot(const DisplayList& list, const std::string& title, PlotFormat format,
                      double dpi = 96, const NecMarks& nec = {});
QImage RenderPlotImage(const DisplayList& list, const std::string& title, double dpi,
                       const NecMarks& nec = {});

// The largest raster picture an export makes: 16,384 pixels a side and 512 MiB of 32-bit
// pixels, above an 8K screen at twice its resolution (15,360 x 8,640, 506 MiB).
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{512} << 20;
// The pixels of the plot picture (status line included) of a plot of that many twips at dpi.
QSize PlotPictureSize(double widthTwips, double heightTwips, double dpi);
// Why a picture of that many pixels is not made, in the user's words; nullopt when it fits.
std::optional<std::string> PictureTooLarge(QSize pixels);

// Qt's raster painting can leave the upper halves of the AVX registers in use; until they are
// cleared every SSE instruction of the formulas waits on them, and a curve run takes ten times
// as long. Called after painting, and before the binding hands an event to a model.
void ClearUpperVectorState();

}  // namespace velmora::qt
