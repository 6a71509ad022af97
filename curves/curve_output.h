// SPDX-License-Identifier: GPL-3.0-or-later
// What a drawn curve gives out besides the drawing: its points as CSV, a file name for it, and
// the read-out of one point under the plot's marker. Values come from the computed points of the
// run (CurveTrace::samples), never from the picture.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "curves/curve_request.h"
#include "curves/draw_curve.h"

namespace velmora {

// A value computed beside the curve (NEC-2's points), in axis units.
struct SidePoint {
  double x;
  double y;

  bool operator==(const SidePoint&) const = default;
};

// A header naming the axes with their units, then one row of x and y per sampled point in axis
// units. With a decimal comma the fields are separated by ";", else by ",".
// "Draht-d [mm];Vf\n0,00226244343891403;0,98...\n..."
// With `nec`, a third column "NEC-2" holds each of its points in the row of the sample nearest to
// its x, and stays empty elsewhere.
std::string CurveCsv(const CurveRequest& request, const CurveTrace& run, char decimalSeparator,
                     const std::vector<SidePoint>* nec = nullptr);

// A file name for the curve type, without extension: "Verkürzung Vf bei d" -> "Vf-bei-Draht-d";
// "Kurve" for a type the engine does not know.
std::string CurveFileName(const std::string& curveName);

// Where a sample stands on the plot, in twips from its left edge.
double SampleTwipsX(const CurveLayout& layout, const CurveTrace::Sample& sample);

// The sample nearest to a position on the plot (twips from the left edge); nullopt when the
// position lies more than a screen pixel beyond the first or the last point.
std::optional<std::size_t> NearestSample(const CurveTrace& run, double twipsX);

// The y of the point of `points` nearest to the sample, if it lies within `toleranceTwips` of it
// on the plot.
std::optional<double> SidePointNear(const CurveTrace& run, std::size_t sample,
                                    const std::vector<SidePoint>& points, double toleranceTwips);

// One point in axis units, with the locale's decimal separator:
// "Draht-d = 2,05 mm   Vf = 0,926". x carries as many decimals as tell neighbouring points
// apart, y three significant digits. With NEC-2's value at that point:
// "Draht-d = 2,05 mm   Vf = 0,926   NEC-2: 0,931".
std::string ReadoutText(const CurveRequest& request, const CurveTrace& run, std::size_t sample,
                        char decimalSeparator, std::optional<double> nec = std::nullopt);

}  // namespace velmora
