// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's look in one place: what the curve engine draws (tick lengths, line widths) and how
// the painter shows it on screen, in files and on paper (colours, the font), with what the
// screen alone adds over the image (the read-out's marker, NEC-2's markers and their legend).
#pragma once

#include <cstdint>

namespace velmora {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t alpha = 255;
};

struct PlotStyle {
  // --- the engine, in twips and screen pixels ---
  int longTick = 80;   // a labelled tick
  int halfTick = 60;   // a y tick labelled halfway between two long ones
  int shortTick = 30;  // every other tick
  int axisWidth = 2;   // pixels (1/96 inch); the curve and the ticks are one pixel wide
  int lineWidth = 1;

  // --- the painter ---
  const char* fontFamily = "DejaVu Sans";
  int fontTwips = 156;  // 7.8 pt at 20 twips per point
  // DejaVu Sans runs wider than the classic dialog font the layout's text positions were made
  // for; narrowed, tick labels end before the axis instead of running into it.
  int fontStretch = 86;
  Rgb background{255, 255, 255};
  Rgb foreground{16, 16, 16};
  Rgb statusBackground{240, 240, 240};  // the title line of exported pictures and pages
  Rgb guide{120, 120, 120};             // marked levels (SWR 1,5 and 2) across a plot
  Rgb shade{222, 235, 250};             // the band behind the SWR curves

  // --- on screen only, over the retained image ---
  Rgb marker{0, 90, 200};        // the read-out's vertical line, one device pixel wide
  Rgb nec{205, 40, 30};          // NEC-2's points: the second colour beside the formulas' curve
  Rgb measured{0, 140, 60};      // a loaded measurement: the third colour
  int necOutlineDarker = 130;    // the points' outline, as a factor of QColor::darker
  double necOutlineWidth = 1.2;  // device pixels
  double necRadius = 50;         // twips, about 3.5 pixels on a 96 dpi screen
  // The legend top right, clear of the y axis' name on the left: a line for the curve, a marker
  // for NEC-2. Twips.
  Rgb legendFrame{160, 160, 160};
  Rgb legendFill{255, 255, 255, 230};
  double legendTop = 90;
  double legendRightGap = 150;  // from the image's right edge
  double legendSample = 240;    // the length of the line, and the room of the marker
  double legendPadding = 60;
  double legendTextGap = 90;
};

inline constexpr PlotStyle kPlotStyle{};

}  // namespace velmora
