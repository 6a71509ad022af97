// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_output.h"

#include <algorithm>
#include <cmath>

#include "curves/curve_types.h"
#include "formulas/numtext.h"
#include "platform/retained_surface.h"

namespace velmora {
namespace {

// "[mm]" -> "mm": the engine brackets units for the axis, a read-out names them plainly.
std::string PlainUnit(const std::string& unit) {
  if (unit.size() >= 2 && unit.front() == '[' && unit.back() == ']') {
    return unit.substr(1, unit.size() - 2);
  }
  return unit;
}

std::string Quantity(const std::string& name, const std::string& value, const std::string& unit) {
  std::string text = name.empty() ? value : name + " = " + value;
  const std::string plain = PlainUnit(unit);
  return plain.empty() ? text : text + " " + plain;
}

std::string Decimals(int decimals) {
  return decimals <= 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '#');
}

// The sample whose x lies nearest to x (axis units); samples run from left to right.
std::size_t NearestByX(const CurveTrace& run, double x) {
  const auto at =
      std::lower_bound(run.samples.begin(), run.samples.end(), x,
                       [](const CurveTrace::Sample& s, double value) { return s.x < value; });
  std::size_t i = static_cast<std::size_t>(at - run.samples.begin());
  if (i == run.samples.size()) return i - 1;
  if (i > 0 && x - run.samples[i - 1].x < run.samples[i].x - x) --i;
  return i;
}

}  // namespace

std::string CurveCsv(const CurveRequest& request, const CurveTrace& run, char decimalSeparator,
                     const std::vector<SidePoint>* nec) {
  // With a decimal comma the fields are separated by semicolons, as spreadsheets here expect.
  const char fieldSeparator = decimalSeparator == ',' ? ';' : ',';
  auto axis = [](const std::string& name, const std::string& unit) {
    return unit.empty() ? name : name + " " + unit;
  };
  auto field = [](const std::string& text) {
    if (text.find_first_of("\";,\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
  };
  std::string out = field(axis(request.xName, request.xUnit)) + fieldSeparator +
                    field(axis(request.yName, request.yUnit));
  std::vector<std::optional<double>> side;
  if (nec != nullptr) {
    out += fieldSeparator + std::string("NEC-2");
    side.resize(run.samples.size());
    for (const SidePoint& point : *nec) {
      if (run.samples.empty() || !std::isfinite(point.y)) continue;
      const std::size_t i = NearestByX(run, point.x);
      // Rows stand a twip apart: a point farther off lies beyond the curve.
      if (std::abs(run.samples[i].x - point.x) * std::max(run.layout.ux, 1) <= 1.0) {
        side[i] = point.y;
      }
    }
  }
  out += '\n';
  for (std::size_t i = 0; i < run.samples.size(); ++i) {
    const CurveTrace::Sample& s = run.samples[i];
    out += FormatGeneral(s.x, decimalSeparator);
    out += fieldSeparator;
    if (std::isfinite(s.y)) out += FormatGeneral(s.y, decimalSeparator);
    if (nec != nullptr) {
      out += fieldSeparator;
      if (side[i]) out += FormatGeneral(*side[i], decimalSeparator);
    }
    out += '\n';
  }
  return out;
}

std::string CurveFileName(const std::string& curveName) {
  switch (CurveTypeOf(curveName)) {
    case CurveType::kVfF:
      return "Vf-bei-f";
    case CurveType::kVfD:
      return "Vf-bei-Draht-d";
    case CurveType::kVfH:
      return "Vf-bei-h";
    case CurveType::kRs:
      return "Rs-bei-h";
    case CurveType::kQaH:
      return "Qa-bei-h";
    case CurveType::kQaD:
      return "Qa-bei-Draht-d";
    case CurveType::kZ:
      return "Draht-Z-bei-Laenge";
    case CurveType::kRve:
      return "Rve-bei-h";
    case CurveType::kUnknown:
      break;
  }
  return "Kurve";
}

double SampleTwipsX(const CurveLayout& layout, const CurveTrace::Sample& sample) {
  // The engine sets point p at x = m + p in a system whose left edge is 1.
  return static_cast<double>(layout.m) + sample.p - 1;
}

std::optional<std::size_t> NearestSample(const CurveTrace& run, double twipsX) {
  if (run.samples.empty() || !std::isfinite(twipsX)) return std::nullopt;
  const double first = SampleTwipsX(run.layout, run.samples.front());
  const double last = SampleTwipsX(run.layout, run.samples.back());
  if (twipsX < first - kTwipsPerPixel || twipsX > last + kTwipsPerPixel) return std::nullopt;
  // Samples stand one twip apart from left to right.
  const auto at = std::lower_bound(
      run.samples.begin(), run.samples.end(), twipsX,
      [&run](const CurveTrace::Sample& s, double x) { return SampleTwipsX(run.layout, s) < x; });
  std::size_t i = static_cast<std::size_t>(at - run.samples.begin());
  if (i == run.samples.size()) return i - 1;
  if (i > 0 && twipsX - SampleTwipsX(run.layout, run.samples[i - 1]) <
                   SampleTwipsX(run.layout, run.samples[i]) - twipsX) {
    --i;
  }
  return i;
}

std::optional<double> SidePointNear(const CurveTrace& run, std::size_t sample,
                                    const std::vector<SidePoint>& points, double toleranceTwips) {
  const CurveTrace::Sample& s = run.samples.at(sample);
  const double ux = std::max(run.layout.ux, 1);
  std::optional<double> y;
  double best = toleranceTwips;
  for (const SidePoint& point : points) {
    const double distance = std::abs(point.x - s.x) * ux;
    if (distance <= best && std::isfinite(point.y)) {
      best = distance;
      y = point.y;
    }
  }
  return y;
}

std::string ReadoutText(const CurveRequest& request, const CurveTrace& run, std::size_t sample,
                        char decimalSeparator, std::optional<double> nec) {
  const CurveTrace::Sample& s = run.samples.at(sample);
  // One x unit spans ux points: enough decimals to tell neighbours apart.
  const int xDecimals =
      std::clamp(static_cast<int>(std::ceil(std::log10(std::max(run.layout.ux, 1)))), 0, 6);
  int yDecimals = 0;
  if (std::isfinite(s.y) && s.y != 0) {
    yDecimals = std::clamp(2 - static_cast<int>(std::floor(std::log10(std::abs(s.y)))), 0, 6);
  }
  return Quantity(request.xName, FormatPattern(s.x, Decimals(xDecimals), decimalSeparator),
                  request.xUnit) +
         "   " +
         Quantity(request.yName, FormatPattern(s.y, Decimals(yDecimals), decimalSeparator),
                  request.yUnit) +
         (nec ? "   NEC-2: " + Quantity("",
                                        FormatPattern(*nec, Decimals(yDecimals), decimalSeparator),
                                        request.yUnit)
              : std::string());
}

}  // namespace velmora
