#include "nec/deck.h"

#include <charconv>
#include <cmath>

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

}  // namespace

const char* GroundText(Ground ground) {
  switch (ground) {
    case Ground::kFree:
      return "ohne Boden";
    case Ground::kPerfect:
      return "idealer Boden (wie Freiraum)";
    case Ground::kAverage:
      break;
  }
  return "mittlerer Boden";
}

std::string WriteDeck(const Wire& wire, double lengthM) {
  const std::string half = Number(lengthM / 2.0);
  // Free space has no height; the wire sits at the origin.
  const std::string z = Number(wire.ground == Ground::kFree ? 0.0 : wire.heightM);
  const std::string segments = std::to_string(wire.segments);
  std::string deck = "CM Velmora: centre-fed horizontal dipole of bare wire\nCE\n";
  deck += "GW 1 " + segments + " -" + half + " 0 " + z + " " + half + " 0 " + z + " " +
          Number(wire.diameterMm / 2000.0) + "\n";
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
  deck += "LD 5 1 0 0 " + Number(wire.conductivity) + "\n";
  deck += "EX 0 1 " + std::to_string(wire.segments / 2 + 1) + " 0 1 0\n";
  deck += "FR 0 1 0 0 " + Number(wire.frequencyMHz) + " 0\n";
  deck += "PT -1\nXQ\nEN\n";  // PT -1: no current table, the impedance is all we read
  return deck;
}

std::optional<Failure> CheckWire(const Wire& wire, double lengthM) {
  if (!Positive(wire.frequencyMHz)) return Invalid("die Frequenz muss größer als 0 sein");
  if (!Positive(wire.diameterMm)) return Invalid("der Drahtdurchmesser muss größer als 0 sein");
  if (!Positive(wire.conductivity)) return Invalid("die Leitfähigkeit muss größer als 0 sein");
  if (!Positive(lengthM)) return Invalid("die Drahtlänge muss größer als 0 sein");
  if (wire.ground != Ground::kFree && !std::isfinite(wire.heightM)) {
    return Invalid("die Höhe ist keine Zahl");
  }
  if (wire.segments < kMinSegments || wire.segments > kMaxSegments || wire.segments % 2 == 0) {
    return Invalid("die Segmentzahl muss ungerade sein und zwischen " +
                   std::to_string(kMinSegments) + " und " + std::to_string(kMaxSegments) +
                   " liegen");
  }
  const double radius = wire.diameterMm / 2000.0;
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
