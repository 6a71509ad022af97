// SPDX-License-Identifier: GPL-3.0-or-later
// The band window's plot: SWR over frequency for the closed form and NEC-2, drawn as a display
// list on the plot surface every picture goes through (screen, files, paper).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "band/band_design.h"
#include "platform/retained_surface.h"

namespace velmora::band {

// SWR from 1 at the bottom to this at the top; higher values are cut at the top edge.
inline constexpr double kPlotTopSwr = 5.0;

// Where the plot's sweep lies across the surface, in twips, for the read-out.
struct BandPlotLayout {
  double left = 0;   // x of the first sample
  double right = 0;  // x of the last sample
  double SampleX(int sample) const { return left + (right - left) * sample / (kSamples - 1); }
  // The sample nearest x twips from the left edge.
  int NearestSample(double x) const;
};

// The frame, the band shaded, guides at SWR 1,5 and 2, the axes in MHz with `separator`, the
// closed form's curve, NEC-2's where it has one, a loaded measurement's (cut at the frame) where
// `measured` holds one, and a legend. Without a design, the frame.
BandPlotLayout DrawBandPlot(RetainedSurface& surface, const BandDesign* design, char separator,
                            std::span<const SweepPoint> measured = {});

}  // namespace velmora::band
