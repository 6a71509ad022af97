// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmark files share with the summary printed at the end of velmora-bench.
//
// Naming: every curve case "<type>/<size>" is measured three ways,
//   Floor/<case>       the bare formula loop for the same points (the floor no engine can beat),
//   Curve/<case>       one run of the curve engine into the display list, as Refresh does it,
//   CurveImage/<case>  the same run, then the display list painted into an image of the plot;
// single-value cases as Single/<choice> against SingleFloor/<choice>; the NEC-2 resonance search
// as NecSearch/<ground> against one nec2c run NecRun/<ground> and NecProcessStart.
#pragma once

#include <string>

#ifdef VELMORA_BENCH_QT
#include "desktop/qt_surface.h"
#endif

namespace velmora::bench {

// Plot sizes in twips: the main window's design size, and a 4K screen (3840 x 2160 pixels).
struct PlotSize {
  const char* name;
  double width;
  double height;
};
inline constexpr PlotSize kDesignSize{"design", 7752, 3135};
inline constexpr PlotSize k4kSize{"4K", 3840 * 15.0, 2160 * 15.0};

// Targets the summary checks.
inline constexpr double kMaxRatioToFloor = 3.0;  // a design-size run with its image
inline constexpr double kMaxRedrawMs = 16.0;     // a 4K-wide run with its image
// One NEC-2 resonance search (41 segments) in free space and over average ground, of bare wire
// and of insulated wire.
inline constexpr double kMaxNecSearchFreeMs = 50.0;
inline constexpr double kMaxNecSearchAverageMs = 300.0;
inline constexpr double kMaxNecSearchInsulatedMs = 300.0;
// The band design: the closed form; the whole NEC-2 side; its sweep split over two nec2c runs
// against one run (BandClosedForm, BandNec, BandSweep/2 against BandSweep/1).
inline constexpr double kMaxBandClosedFormMs = 1.0;
inline constexpr double kMaxBandNecMs = 600.0;
inline constexpr double kMaxBandSplitRatio = 0.6;
inline constexpr double kMaxHallwayRatio =
    1.5;  // a key over a 4K plot with a curve vs. a small empty one

// Whether this build paints into images (it needs the Qt renderer of the display list).
bool CanPaintImages();

// What the desktop does after painting (Qt's painting can leave the upper halves of the AVX
// registers in use, which slows every SSE instruction after it): the floors get the same.
#ifdef VELMORA_BENCH_QT
inline void ClearUpperVectorState() {
  qt::ClearUpperVectorState();
}
#else
inline void ClearUpperVectorState() {}
#endif

}  // namespace velmora::bench
