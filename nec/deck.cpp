// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/deck.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "formulas/numtext.h"

namespace velmora::nec {
namespace {

// 12 significant digits: a 40 m wire to 0.1 nm, far below what the search resolves, without the
// binary tails of the shortest round trip (0.0010249999999999999). std::to_chars never follows
// the locale.
std::string Number(double value) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12).ptr;
  return std::string(buffer, end);
}

std::string German(double value, const char* pattern = "0.0##") {
  return FormatPattern(value, pattern, ',');
}

bool Positive(double value) {
  return std::isfinite(value) && value > 0.0;
}

Failure Invalid(const std::string& what) {
  return {ErrorKind::kInvalidInput, "Ungültige Eingabe für NEC-2: " + what + "."};
}

constexpr double kMu0 = 4e-7 * std::numbers::pi;  // H/m

// The radius the thin-wire checks hold the wire to: an insulated wire's is its sheath's.
double OuterRadius(const Wire& wire) {
  return (wire.insulation ? wire.insulation->outerDiameterMm : wire.diameterMm) / 2000.0;
}

}  // namespace

const char* GroundText(Ground ground) {
  switch (ground) {
    case Ground::kFree:
      return "ohne Boden";
    case Ground::kPerfect:
      return "idealer Boden (leitende Ebene)";
    case Ground::kAverage:
      break;
  }
  return "mittlerer Boden";
}

// The thin-sheath model of an insulated wire (T. T. Wu, J. Math. Phys. 2 (1961) 550; the ARRL
// Antenna Book's "Modeling insulated wire" supplement), for a conductor of radius a in a sheath of
// outer radius b and relative permittivity er:
// - the GW radius a_e = b * (a/b)^(1/er) carries the sheath's capacitance;
// - a series inductance L' = mu0/(2 pi) * (1 - 1/er) * ln(b/a) per metre is the sheath's;
// - the conductor's loss is that of its true radius a, R' = Rs / (2 pi a) with the surface
//   resistance Rs = sqrt(pi f mu0 / sigma), not that of a_e, which an LD 5 card would take.
// R' and L' go into one LD 2 card (series R, L, C per metre; C = 0: no capacitor).
SheathModel ModelSheath(const Wire& wire) {
  const double a = wire.diameterMm / 2000.0;
  if (!wire.insulation) return {a, 0.0, 0.0};
  const double b = wire.insulation->outerDiameterMm / 2000.0;
  const double er = wire.insulation->epsilonR;
  const double rs =
      std::sqrt(std::numbers::pi * wire.frequencyMHz * 1e6 * kMu0 / wire.conductivity);
  return {b * std::pow(a / b, 1.0 / er), rs / (2.0 * std::numbers::pi * a),
          kMu0 / (2.0 * std::numbers::pi) * (1.0 - 1.0 / er) * std::log(b / a)};
}

std::string WriteDeck(const Wire& wire, double lengthM, const Frequencies& frequencies) {
  const std::string half = Number(lengthM / 2.0);
  // Free space has no height; the wire sits at the origin.
  const std::string z = Number(wire.ground == Ground::kFree ? 0.0 : wire.heightM);
  const std::string segments = std::to_string(wire.segments);
  const SheathModel sheath = ModelSheath(wire);
  std::string deck = std::string("CM Velmora: centre-fed horizontal dipole of ") +
                     (wire.insulation ? "insulated" : "bare") + " wire\nCE\n";
  deck += "GW 1 " + segments + " -" + half + " 0 " + z + " " + half + " 0 " + z + " " +
          Number(sheath.radiusM) + "\n";
  switch (wire.ground) {
    case Ground::kFree:
      deck += "GE 0\n";
      break;
    case Ground::kPerfect:
      deck += "GE 1\nGN 1\n";
      break;
    case Ground::kAverage:
      // Sommerfeld-Norton (type 2), never the reflection-coefficient approximation (type 0),
      // which is tens of percent off in R below 0.1 lambda.
      deck += "GE 1\nGN 2 0 0 0 13 0.005\n";
      break;
  }
  // nec2c adds up the loads of one unbroken run of LD cards only: an LD card after a card of
  // another kind drops the loads before it. Every LD card goes here, together.
  if (wire.insulation) {
    deck += "LD 2 1 0 0 " + Number(sheath.ohmsPerM) + " " + Number(sheath.henrysPerM) + " 0\n";
  } else {
    deck += "LD 5 1 0 0 " + Number(wire.conductivity) + "\n";
  }
  deck += "EX 0 1 " + std::to_string(wire.segments / 2 + 1) + " 0 1 0\n";
  deck += "FR 0 " + std::to_string(frequencies.count) + " 0 0 " + Number(frequencies.startMHz) +
          " " + Number(frequencies.stepMHz) + "\n";
  deck += "PT -1\nXQ\nEN\n";  // PT -1: no current table, the impedance is all we read
  return deck;
}

std::string WriteDeck(const Wire& wire, double lengthM) {
  return WriteDeck(wire, lengthM, {wire.frequencyMHz, 0.0, 1});
}

std::optional<Failure> CheckWire(const Wire& wire, double lengthM) {
  if (!Positive(wire.frequencyMHz)) return Invalid("die Frequenz muss größer als 0 sein");
  if (wire.frequencyMHz < kMinFrequencyMHz || wire.frequencyMHz > kMaxFrequencyMHz) {
    return Failure{ErrorKind::kBelowLimits,
                   "NEC-2 rechnet nicht sinnvoll bei " + German(wire.frequencyMHz, "0.######") +
                       " MHz: die Frequenz muss zwischen " + German(kMinFrequencyMHz, "0.##") +
                       " und " + German(kMaxFrequencyMHz, "0") + " MHz liegen."};
  }
  if (!Positive(wire.diameterMm)) return Invalid("der Drahtdurchmesser muss größer als 0 sein");
  if (!Positive(wire.conductivity)) return Invalid("die Leitfähigkeit muss größer als 0 sein");
  if (!Positive(lengthM)) return Invalid("die Drahtlänge muss größer als 0 sein");
  if (const std::optional<Insulation>& sheath = wire.insulation) {
    if (!(sheath->epsilonR >= 1.0) || !std::isfinite(sheath->epsilonR)) {
      return Invalid("die Dielektrizitätszahl der Isolierung muss mindestens 1 sein");
    }
    if (!(sheath->outerDiameterMm > wire.diameterMm) || !std::isfinite(sheath->outerDiameterMm)) {
      return Invalid(
          "der Außendurchmesser der Isolierung muss größer als der Leiterdurchmesser "
          "sein");
    }
  }
  if (wire.ground != Ground::kFree && !std::isfinite(wire.heightM)) {
    return Invalid("die Höhe ist keine Zahl");
  }
  if (wire.segments < kMinSegments || wire.segments > kMaxSegments || wire.segments % 2 == 0) {
    return Invalid("die Segmentzahl muss ungerade sein und zwischen " +
                   std::to_string(kMinSegments) + " und " + std::to_string(kMaxSegments) +
                   " liegen");
  }
  const double radius = OuterRadius(wire);
  if (wire.ground != Ground::kFree && wire.heightM < kMinHeightInRadii * radius) {
    return Failure{ErrorKind::kBelowLimits,
                   "Der Draht hängt zu tief für NEC-2: die Höhe muss mindestens 5 Drahtradien (" +
                       German(kMinHeightInRadii * radius * 1000.0) + " mm) betragen."};
  }
  const double segment = lengthM / wire.segments;
  if (segment < kMinSegmentInRadii * radius) {
    return Failure{ErrorKind::kBelowLimits,
                   "Der Draht ist zu dick für NEC-2: ein Segment (" + German(segment) +
                       " m) muss mindestens 4 Drahtradien (" + German(kMinSegmentInRadii * radius) +
                       " m) lang sein. Weniger Segmente oder ein dünnerer Draht helfen."};
  }
  return std::nullopt;
}

}  // namespace velmora::nec
