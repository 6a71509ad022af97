// The NEC-2 input deck of a centre-fed horizontal dipole of bare wire: one straight wire along x,
// an odd number of segments, the source on the centre segment, the wire's conductivity as a load.
//
// NEC-2's thin-wire model over Sommerfeld ground breaks for wires longer than about 0.9 lambda in
// Debian's nec2c 1.3; Velmora models only resonant half-wave dipoles and never sweeps the length
// with NEC.
#pragma once

#include <optional>
#include <string>

#include "nec/result.h"

namespace velmora::nec {

enum class Ground {
  kFree,     // true free space: no ground at all, the height is ignored
  kPerfect,  // a perfectly conducting plane (what the formulas' "Freiraum" box models)
  kAverage,  // average real ground, Sommerfeld-Norton: relative permittivity 13, 0.005 S/m
};

// The ground as the user picks it: "mittlerer Boden", "idealer Boden (wie Freiraum)",
// "ohne Boden".
const char* GroundText(Ground ground);

inline constexpr int kDefaultSegments = 41;
inline constexpr int kMinSegments = 5;
inline constexpr int kMaxSegments = 501;
// Below these NEC-2's thin-wire kernel no longer describes the wire.
inline constexpr double kMinHeightInRadii = 5.0;
inline constexpr double kMinSegmentInRadii = 4.0;

// The dipole without its length, which the resonance search chooses.
struct Wire {
  double frequencyMHz = 0.0;
  double heightM = 0.0;  // above ground; ignored for Ground::kFree
  double diameterMm = 0.0;
  double conductivity = 0.0;  // S/m; copper, "56 Cu", is 56 m/(ohm mm^2) = 5.6e7 S/m
  Ground ground = Ground::kAverage;
  int segments = kDefaultSegments;  // odd, so one segment sits at the centre

  bool operator==(const Wire&) const = default;
};

// The deck for the dipole of total length `lengthM`, numbers in the C locale whatever the
// program's locale is. Check it with CheckWire first.
std::string WriteDeck(const Wire& wire, double lengthM);

// Why NEC-2 cannot compute this dipole (kInvalidInput or kBelowLimits), or nothing.
std::optional<Failure> CheckWire(const Wire& wire, double lengthM);

}  // namespace velmora::nec
