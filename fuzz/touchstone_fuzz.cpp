// SPDX-License-Identifier: GPL-3.0-or-later
// The Touchstone reader on any bytes, and the writer on what it read.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "touchstone/touchstone.h"

namespace {

bool Finite(std::complex<double> z) {
  return std::isfinite(z.real()) && std::isfinite(z.imag());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::touchstone;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const ReadResult read = Read(text);
  if (!read.ok()) {
    if (size > kMaxBytes) return 0;
    // One error, naming a line the file has.
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    const std::string prefix = "Zeile " + std::to_string(read.error.line) + ": ";
    if (read.error.line < 1 || read.error.line > lines) std::abort();
    if (read.error.message.compare(0, prefix.size(), prefix) != 0) std::abort();
    return 0;
  }
  const std::vector<Point>& points = read.sweep->points;
  if (points.empty() || points.size() > kMaxPoints) std::abort();
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!std::isfinite(points[i].frequencyMHz) || points[i].frequencyMHz < 0) std::abort();
    if (i > 0 && !(points[i].frequencyMHz > points[i - 1].frequencyMHz)) std::abort();
    if (!Finite(points[i].z)) std::abort();
  }
  // What is written reads back, with the frequencies unchanged.
  const double z0 = read.sweep->options.referenceOhm;
  const ReadResult again = Read(Write(points, z0, {"fuzz", "", "", ""}));
  if (again.ok()) {
    std::size_t j = 0;
    for (const Point& p : again.sweep->points) {
      while (j < points.size() && points[j].frequencyMHz != p.frequencyMHz) ++j;
      if (j == points.size()) std::abort();
    }
  } else if (again.error.message.find("keinen Messpunkt") == std::string::npos) {
    std::abort();
  }
  return 0;
}
