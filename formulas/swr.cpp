// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/swr.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "formulas/antenna.h"

namespace velmora {

double Swr(std::complex<double> z, double z0) {
  // |Gamma| = m / n; comparing m with n avoids dividing by a vanishing z + z0.
  const double m = std::abs(z - z0);
  const double n = std::abs(z + z0);
  if (!(m < n) || !std::isfinite(n)) return std::numeric_limits<double>::infinity();
  return (n + m) / (n - m);
}

namespace {

// The frequency where the line through (f1, v1) and (f2, v2) reaches `level`.
double Crossing(double f1, double v1, double f2, double v2, double level) {
  return f1 + (level - v1) / (v2 - v1) * (f2 - f1);
}

}  // namespace

std::optional<FrequencyRange> SwrRangeAround(std::span<const SweepPoint> points, double s,
                                             double z0) {
  std::vector<double> swr;
  swr.reserve(points.size());
  std::size_t lowest = points.size();
  for (std::size_t i = 0; i < points.size(); ++i) {
    swr.push_back(Swr(points[i].z, z0));
    if (std::isfinite(swr[i]) && (lowest == points.size() || swr[i] < swr[lowest])) lowest = i;
  }
  if (lowest == points.size() || !(swr[lowest] <= s)) return std::nullopt;
  // Walks one way from the lowest sample to the last one within s, then to the crossing.
  const auto n = static_cast<std::ptrdiff_t>(points.size());
  const auto edge = [&](std::ptrdiff_t step) {
    std::ptrdiff_t i = static_cast<std::ptrdiff_t>(lowest);
    for (std::ptrdiff_t next = i + step; next >= 0 && next < n; i = next, next += step) {
      if (!std::isfinite(swr[next])) break;
      if (swr[next] > s) {
        return Crossing(points[i].frequencyMHz, swr[i], points[next].frequencyMHz, swr[next], s);
      }
    }
    return points[i].frequencyMHz;
  };
  return FrequencyRange{edge(-1), edge(+1)};
}

SweepFigures AnalyseSweep(std::span<const SweepPoint> points, double designMHz, double z0) {
  SweepFigures figures;
  double bestSwr = std::numeric_limits<double>::infinity();
  for (const SweepPoint& p : points) {
    const double swr = Swr(p.z, z0);
    if (swr < bestSwr) {
      bestSwr = swr;
      figures.swrMin = swr;
      figures.swrMinMHz = p.frequencyMHz;
    }
  }
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double x1 = points[i].z.imag();
    const double x2 = points[i + 1].z.imag();
    if (!(x1 < 0 && x2 >= 0)) continue;
    const double f = Crossing(points[i].frequencyMHz, x1, points[i + 1].frequencyMHz, x2, 0.0);
    if (!figures.resonanceMHz ||
        std::abs(f - designMHz) < std::abs(*figures.resonanceMHz - designMHz)) {
      figures.resonanceMHz = f;
    }
  }
  figures.within15 = SwrRangeAround(points, 1.5, z0);
  figures.within2 = SwrRangeAround(points, 2.0, z0);
  return figures;
}

double DipoleQ(double wireImpedance, double rOhm) {
  return kPi / 4.0 * wireImpedance / rOhm;
}

std::complex<double> ClosedFormImpedance(double fMHz, double designMHz, double rOhm, double q) {
  return {rOhm, 2.0 * q * rOhm * (fMHz - designMHz) / designMHz};
}

std::optional<FrequencyRange> ClosedFormSwrRange(double s, double designMHz, double rOhm, double q,
                                                 double z0) {
  if (!(designMHz > 0 && rOhm > 0 && q > 0 && z0 > 0)) return std::nullopt;
  const double r = rOhm / z0;
  if (!(r >= 1.0 / s && r <= s)) return std::nullopt;
  const double b = designMHz * std::sqrt((s - r) * (s * r - 1.0)) / (q * r * std::sqrt(s));
  return FrequencyRange{designMHz - b / 2.0, designMHz + b / 2.0};
}

}  // namespace velmora
