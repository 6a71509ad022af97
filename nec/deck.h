// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 input deck of a centre-fed horizontal dipole of bare or insulated wire: one straight
// wire along x, an odd number of segments, the source on the centre segment, the wire's loss (and
// an insulation's sheath) as loads.
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

// The ground as the user picks it: "mittlerer Boden", "idealer Boden (leitende Ebene)",
// "ohne Boden".
const char* GroundText(Ground ground);

inline constexpr int kDefaultSegments = 41;
inline constexpr int kMinSegments = 5;
inline constexpr int kMaxSegments = 501;
// Below these NEC-2's thin-wire kernel no longer describes the wire.
inline constexpr double kMinHeightInRadii = 5.0;
inline constexpr double kMinSegmentInRadii = 4.0;
// Outside these a half-wave dipole's height or thickness in wavelengths leaves what NEC-2 is
// built for: nec2c then puts a 12 m high wire into the ground plane or calls any wire too thick.
inline constexpr double kMinFrequencyMHz = 0.01;
inline constexpr double kMaxFrequencyMHz = 3000.0;

// A dielectric sheath around the conductor, e.g. PVC: er 4, 2.8 mm over 1.38 mm copper.
struct Insulation {
  double epsilonR = 1.0;         // relative permittivity, at least 1
  double outerDiameterMm = 0.0;  // larger than the conductor's diameter

  bool operator==(const Insulation&) const = default;
};

// The dipole without its length, which the resonance search chooses.
struct Wire {
  double frequencyMHz = 0.0;
  double heightM = 0.0;  // above ground; ignored for Ground::kFree
  double diameterMm = 0.0;
  double conductivity = 0.0;  // S/m; copper, "56 Cu", is 56 m/(ohm mm^2) = 5.6e7 S/m
  Ground ground = Ground::kAverage;
  int segments = kDefaultSegments;       // odd, so one segment sits at the centre
  std::optional<Insulation> insulation;  // none: bare wire

  bool operator==(const Wire&) const = default;
};

// What NEC-2 is given for an insulated wire (the thin-sheath model, see deck.cpp): the radius of
// its GW card and the series load per metre of every segment, at the wire's frequency.
struct SheathModel {
  double radiusM = 0.0;
  double ohmsPerM = 0.0;    // the conductor's skin-effect loss at its true radius
  double henrysPerM = 0.0;  // the sheath's inductance
};
SheathModel ModelSheath(const Wire& wire);

// The FR card's frequencies: `count` of them from `startMHz` on, `stepMHz` apart.
struct Frequencies {
  double startMHz = 0.0;
  double stepMHz = 0.0;
  int count = 1;
};

// The deck for the dipole of total length `lengthM` at the frequencies given, numbers in the C
// locale whatever the program's locale is. An insulation's loss stays that of wire.frequencyMHz.
// Check the wire with CheckWire first.
std::string WriteDeck(const Wire& wire, double lengthM, const Frequencies& frequencies);
// The same at wire.frequencyMHz alone.
std::string WriteDeck(const Wire& wire, double lengthM);

// Why NEC-2 cannot compute this dipole (kInvalidInput or kBelowLimits), or nothing.
std::optional<Failure> CheckWire(const Wire& wire, double lengthM);

}  // namespace velmora::nec
