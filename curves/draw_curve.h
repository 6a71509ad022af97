// SPDX-License-Identifier: GPL-3.0-or-later
// The curve engine: lays out the axes of the plot area, samples one point per twip along the
// x axis, computes each point with the antenna formulas and sets it, then writes the curve
// title. Every step runs under the skip-on-error policy: a step that fails is abandoned, its
// target keeps its value (working values start at 0 per run and persist across points), and the
// run goes on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/curve_request.h"

namespace velmora {

class DrawingSurface;
class FrmEingabe;
class Platform;
struct MenuItem;

// The layout numbers of one run, in twips where they are lengths.
struct CurveLayout {
  std::int32_t m = 0;   // margin; the axes meet at (m, m)
  std::int32_t uy = 0;  // length of one y unit
  std::int32_t ux = 0;  // length of one x unit, at least 1
  std::int32_t y0 = 0;  // the y tick loop starts counting ticks at this height
  std::int32_t k0 = 0;  // label shift of the y ticks (percent mode)
  std::int32_t kx = 0;  // number of the last x tick, -1 when none
  std::int32_t N = 0;   // last point
  std::int32_t T = 0;   // top limit for point heights above the axis
  std::int16_t Y = 0;   // y full scale after the factor 100 rule
  std::int16_t X = 0;
  bool percent = false;

  bool operator==(const CurveLayout&) const = default;
};

// What a run did besides drawing, for those who want to look inside (command line, tests).
struct CurveTrace {
  struct Tick {
    std::int32_t k;
    std::optional<std::string> label;  // as printed; nullopt for an unlabelled tick
  };
  struct Sample {
    std::int32_t p;
    double x;  // in x axis units
    double y;  // the point's value in its own unit (the y axis labels' unit)
  };
  struct SetPoint {
    std::int32_t p;
    float x;  // surface coordinates, as set
    float y;
  };
  CurveLayout layout;
  std::vector<Tick> yTicks;
  std::vector<Tick> xTicks;
  std::vector<Sample> samples;  // every point up to N, drawn or not
  std::vector<SetPoint> points;
  // Keeps the lists' room, so a trace that follows every run does not allocate each time.
  void Clear() {
    layout = CurveLayout();
    yTicks.clear();
    xTicks.clear();
    samples.clear();
    points.clear();
  }
};

// Everything a run reaches besides the request.
struct CurveContext {
  Platform& platform;
  DrawingSurface& picture1;
  FrmEingabe& dialog;  // still loaded; the run unloads it
  MenuItem& mnuFileNew;
  MenuItem& mnuViewRefresh;
  MenuItem& mnuFilePrint;
  std::int16_t& curveShown;
  std::int32_t savedImageHandle;
  CurveTrace* trace = nullptr;
};

// The tick step for an axis of full scale F: labels and long ticks every step.
std::int16_t TickStep(std::int32_t fullScale);

// One run on the request, which it changes in place: yFullScale by the factor 100 rule, the
// units by their brackets, curveName to the dialog's current choice.
CurveLayout DrawCurve(CurveRequest& request, CurveContext& context);

}  // namespace velmora
