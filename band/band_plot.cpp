// SPDX-License-Identifier: GPL-3.0-or-later
#include "band/band_plot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/plot_style.h"

namespace velmora::band {
namespace {

// The margins around the plotting area, twips: room for the y labels, the x labels and names.
constexpr double kLeft = 560;
constexpr double kRight = 200;
constexpr double kTop = 300;
constexpr double kBottom = 420;
// Texts are not measured here: a digit of the plot font is about this wide.
constexpr double kCharTwips = 80;

struct Frame {
  double left, top, right, bottom, fromMHz, toMHz;
  double X(double f) const { return left + (right - left) * (f - fromMHz) / (toMHz - fromMHz); }
  double Y(double swr) const { return bottom - (bottom - top) * (swr - 1.0) / (kPlotTopSwr - 1.0); }
};

void Text(RetainedSurface& s, double x, double y, const std::string& text) {
  s.SetCurrentX(x);
  s.SetCurrentY(y);
  s.Print(text);
}

// 1, 2 or 5 times a power of ten, near a fifth of the span.
double TickStep(double span) {
  const double raw = span / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10.0 * power;
}

// The curve of one column, cut where it leaves the top; a sample without a finite SWR counts
// as above the top.
void Curve(RetainedSurface& s, const Frame& frame, std::span<const SweepPoint> points, double z0) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    double x1 = points[i - 1].frequencyMHz;
    double x2 = points[i].frequencyMHz;
    double s1 = Swr(points[i - 1].z, z0);
    double s2 = Swr(points[i].z, z0);
    if (!std::isfinite(s1)) s1 = 2 * kPlotTopSwr;
    if (!std::isfinite(s2)) s2 = 2 * kPlotTopSwr;
    // A measurement may reach beyond the plotted frequencies: cut it at the frame's sides.
    if (x2 <= frame.fromMHz || x1 >= frame.toMHz) continue;
    if (x1 < frame.fromMHz) {
      s1 += (s2 - s1) * (frame.fromMHz - x1) / (x2 - x1);
      x1 = frame.fromMHz;
    }
    if (x2 > frame.toMHz) {
      s2 = s1 + (s2 - s1) * (frame.toMHz - x1) / (x2 - x1);
      x2 = frame.toMHz;
    }
    if (s1 > kPlotTopSwr && s2 > kPlotTopSwr) continue;
    if (s1 > kPlotTopSwr) {
      x1 = x2 + (x1 - x2) * (kPlotTopSwr - s2) / (s1 - s2);
      s1 = kPlotTopSwr;
    } else if (s2 > kPlotTopSwr) {
      x2 = x1 + (x2 - x1) * (kPlotTopSwr - s1) / (s2 - s1);
      s2 = kPlotTopSwr;
    }
    s.Line(frame.X(x1), frame.Y(s1), frame.X(x2), frame.Y(s2));
  }
}

// An analyser's sweep may hold far more samples than the plot has pixels, and drawing them all
// only costs time at every key. Past kThinFrom samples, each of kBuckets slices of the frame
// (and the run before and after it) keeps its first, lowest, highest and last SWR in frequency
// order: the envelope stays, a narrow dip included.
constexpr std::size_t kBuckets = 2000;
constexpr std::size_t kThinFrom = 4 * kBuckets;

std::vector<SweepPoint> Thinned(std::span<const SweepPoint> points, const Frame& frame, double z0) {
  std::vector<SweepPoint> kept;
  if (points.size() <= kThinFrom) return {points.begin(), points.end()};
  const auto bucket = [&](double f) {
    const double at = std::floor((f - frame.fromMHz) / (frame.toMHz - frame.fromMHz) * kBuckets);
    return static_cast<long>(std::clamp(at, -1.0, static_cast<double>(kBuckets)));
  };
  std::vector<double> swr(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) swr[i] = Swr(points[i].z, z0);  // NaN-free
  for (std::size_t begin = 0; begin < points.size();) {
    const long b = bucket(points[begin].frequencyMHz);
    std::size_t end = begin + 1;
    std::size_t low = begin;
    std::size_t high = begin;
    for (; end < points.size() && bucket(points[end].frequencyMHz) == b; ++end) {
      if (swr[end] < swr[low]) low = end;
      if (swr[end] > swr[high]) high = end;
    }
    std::size_t picks[] = {begin, std::min(low, high), std::max(low, high), end - 1};
    for (std::size_t i = 0; i < 4; ++i) {
      if (i == 0 || picks[i] != picks[i - 1]) kept.push_back(points[picks[i]]);
    }
    begin = end;
  }
  return kept;
}

}  // namespace

int BandPlotLayout::NearestSample(double x) const {
  if (!(right > left)) return 0;
  const double at = std::round((x - left) / (right - left) * (kSamples - 1));
  return static_cast<int>(std::clamp(at, 0.0, kSamples - 1.0));
}

BandPlotLayout DrawBandPlot(RetainedSurface& s, const BandDesign* design, char separator,
                            std::span<const SweepPoint> measured) {
  s.SetUnitTwips();
  s.Clear();
  const double width = s.ScaleWidth();
  const double height = s.ScaleHeight();
  const BandInputs inputs = design ? design->inputs : BandInputs{};
  const nec::Frequencies f = SampleFrequencies(inputs.fromMHz, inputs.toMHz);
  const double lo = f.startMHz;
  const double hi = f.startMHz + f.stepMHz * (kSamples - 1);
  const Frame frame{kLeft, kTop, width - kRight, height - kBottom, lo, hi};
  if (!(frame.right > frame.left && frame.bottom > frame.top)) return {};

  s.SetPen(PlotPen::kShade);
  s.Fill(frame.X(inputs.fromMHz), frame.top, frame.X(inputs.toMHz), frame.bottom);
  s.SetPen(PlotPen::kGuide);
  for (double level : {1.5, 2.0}) s.Line(frame.left, frame.Y(level), frame.right, frame.Y(level));

  s.SetPen(PlotPen::kForeground);
  s.SetLineWidth(kPlotStyle.axisWidth);
  s.Line(frame.left, frame.top, frame.left, frame.bottom);
  s.Line(frame.left, frame.bottom, frame.right, frame.bottom);
  s.SetLineWidth(kPlotStyle.lineWidth);
  const double half = s.LineHeightTwips() / 2;
  for (double level : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0}) {
    const double y = frame.Y(level);
    s.Line(frame.left - kPlotStyle.longTick, y, frame.left, y);
    const std::string label = FormatGeneral(level, separator);
    Text(s, frame.left - kPlotStyle.longTick - 40 - kCharTwips * static_cast<double>(label.size()),
         y - half, label);
  }
  const double step = TickStep(hi - lo);
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  const std::string pattern = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
  for (double tick = std::ceil(lo / step - 1e-9) * step; tick <= hi + step * 1e-9; tick += step) {
    const double x = frame.X(tick);
    s.Line(x, frame.bottom, x, frame.bottom + kPlotStyle.longTick);
    const std::string label = FormatPattern(tick, pattern.c_str(), separator);
    Text(s, x - kCharTwips * static_cast<double>(label.size()) / 2,
         frame.bottom + kPlotStyle.longTick + 20, label);
  }
  Text(s, 60, 40, "SWV");
  Text(s, frame.right - kCharTwips * 7, height - s.LineHeightTwips() - 20, "f [MHz]");

  if (design != nullptr) {
    const double z0 = Widen(design->inputs.impedance);
    Curve(s, frame, design->closedForm.column.points, z0);
    if (design->nec) {
      s.SetPen(PlotPen::kNec);
      s.SetLineWidth(2);
      Curve(s, frame, design->nec->column.points, z0);
      s.SetLineWidth(kPlotStyle.lineWidth);
    }
    if (!measured.empty()) {
      s.SetPen(PlotPen::kMeasured);
      s.SetLineWidth(2);
      Curve(s, frame, Thinned(measured, frame, z0), z0);
      s.SetLineWidth(kPlotStyle.lineWidth);
    }
  }
  // The legend, top right: a line of each curve's colour and its name.
  const double legendX = frame.right - kPlotStyle.legendSample - kCharTwips * 7;
  const double rows[] = {frame.top + half, frame.top + 3 * half, frame.top + 5 * half};
  const PlotPen pens[] = {PlotPen::kForeground, PlotPen::kNec, PlotPen::kMeasured};
  const char* names[] = {"Formel", "NEC-2", "Messung"};
  const int entries = design != nullptr && !measured.empty() ? 3 : 2;
  for (int i = 0; i < entries; ++i) {
    s.SetPen(pens[i]);
    s.SetLineWidth(i == 0 ? kPlotStyle.lineWidth : 2);
    s.Line(legendX, rows[i], legendX + kPlotStyle.legendSample, rows[i]);
    s.SetPen(PlotPen::kForeground);
    Text(s, legendX + kPlotStyle.legendSample + kPlotStyle.legendTextGap, rows[i] - half, names[i]);
  }
  s.SetLineWidth(kPlotStyle.lineWidth);
  return {frame.X(lo), frame.X(hi)};
}

}  // namespace velmora::band
