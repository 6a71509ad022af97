// SPDX-License-Identifier: GPL-3.0-or-later
// Touchstone 1.0 one-port files (.s1p): reading an antenna analyser's sweep, writing the model's.
// Every file read is untrusted: any bytes give either the points or one German error that names
// the line, within bounded time and memory.
#pragma once

#include <complex>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::touchstone {

inline constexpr std::size_t kMaxBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxPoints = 100000;

enum class Parameter { kS, kZ };
enum class Format { kRI, kMA, kDB };

// The option line "# [Hz|kHz|MHz|GHz] [S|Z] [RI|MA|DB] [R n]" with its defaults.
struct Options {
  double unitHz = 1e9;
  Parameter parameter = Parameter::kS;
  Format format = Format::kMA;
  double referenceOhm = 50.0;
};

struct Point {
  double frequencyMHz = 0.0;
  std::complex<double> z;  // feed-point impedance in ohms
};

// Where |S| is 1 or more the point is kept: such a point has no finite SWR against any real
// reference. An open circuit (S = 1 exactly) has no finite Z; it is kept as this impedance,
// which has no finite SWR either and no reactance.
inline constexpr std::complex<double> kOpenCircuitZ{-1e-9, 0.0};

struct Sweep {
  Options options;
  std::vector<Point> points;  // frequencies strictly increasing, at least one point
};

struct ReadError {
  int line = 0;         // 1-based; 0 when the file as a whole is refused
  std::string message;  // German, names the line
};

struct ReadResult {
  std::optional<Sweep> sweep;
  ReadError error;  // set when sweep is empty
  bool ok() const { return sweep.has_value(); }
};

// Reads the text of a file.
ReadResult Read(std::string_view text);

// Reads the file at `path`: refused before it is read whole when it holds more than kMaxBytes.
ReadResult ReadFile(const std::string& path);

// What the comment lines of a written file say; empty fields are left out.
struct Header {
  std::string program;
  std::string wire;
  std::string height;
  std::string ground;
};

// The text of a file "# MHz S RI R <z0>" of the sweep (frequency, Z in ohms), "!" comment lines
// first. Points that could not be read back (S not finite, a frequency not above the one
// before, not finite or negative) are left out. Numbers are written locale-independently with
// the digits that read back to the same double.
std::string Write(std::span<const Point> points, double z0, const Header& header);

}  // namespace velmora::touchstone
