// SPDX-License-Identifier: GPL-3.0-or-later
// The deck nec2c reads, and the wires NEC-2 refuses before any run.
#include "nec/deck.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmora::nec {
namespace {

// 3.6 MHz, 2.05 mm copper, 40.17 m at 0.25 lambda (20.8189 m).
Wire Dipole(Ground ground) {
  return {3.6, 20.8189, 2.05, 5.6e7, ground, 41, {}};
}

constexpr const char* kHead =
    "CM Velmora: centre-fed horizontal dipole of bare wire\nCE\n"
    "GW 1 41 -20.085 0 ";
constexpr const char* kTail =
    "LD 5 1 0 0 56000000\nEX 0 1 21 0 1 0\nFR 0 1 0 0 3.6 0\nPT -1\nXQ\nEN\n";

TEST(DeckTest, ExactTextForEachGround) {
  const struct {
    Ground ground;
    std::string wireAndGround;
  } rows[] = {
      {Ground::kFree, "0 20.085 0 0 0.001025\nGE 0\n"},  // the height goes: no ground to be over
      {Ground::kPerfect, "20.8189 20.085 0 20.8189 0.001025\nGE 1\nGN 1\n"},
      {Ground::kAverage, "20.8189 20.085 0 20.8189 0.001025\nGE 1\nGN 2 0 0 0 13 0.005\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(GroundText(row.ground));
    EXPECT_EQ(WriteDeck(Dipole(row.ground), 40.17), kHead + row.wireAndGround + kTail);
  }
}

// The case: 1.38 mm copper in a 2.8 mm PVC sheath (er 4), 12 m high, here over three
// frequencies. a_e = 1.4 mm * (0.69 / 1.4)^(1/4); R' and L' at 3.6 MHz, whatever the sweep.
TEST(DeckTest, ExactTextOfAnInsulatedWireSwept) {
  const Wire wire{3.6, 12, 1.38, 5.6e7, Ground::kAverage, 41, Insulation{4, 2.8}};
  EXPECT_EQ(WriteDeck(wire, 38.9, {3.5, 0.05, 3}),
            "CM Velmora: centre-fed horizontal dipole of insulated wire\nCE\n"
            "GW 1 41 -19.45 0 12 19.45 0 12 0.0011730277857\nGE 1\nGN 2 0 0 0 13 0.005\n"
            "LD 2 1 0 0 0.116200539962 1.06130387702e-07 0\nEX 0 1 21 0 1 0\n"
            "FR 0 3 0 0 3.5 0.05\nPT -1\nXQ\nEN\n");
}

TEST(DeckTest, RefusedWires) {
  const struct {
    const char* name;
    void (*change)(Wire&);
    double length;
    std::optional<ErrorKind> kind;
    const char* says;
  } rows[] = {
      {"no frequency", [](Wire& w) { w.frequencyMHz = 0; }, 40.17, ErrorKind::kInvalidInput,
       "Frequenz"},
      {"frequency NEC-2 has no sensible model for", [](Wire& w) { w.frequencyMHz = 1e6; }, 4e-5,
       ErrorKind::kBelowLimits, "nicht sinnvoll bei 1000000 MHz"},
      {"sheath no thicker than the wire",
       [](Wire& w) {
         w.insulation = Insulation{4, 2.05};
       },
       40.17, ErrorKind::kInvalidInput, "Außendurchmesser der Isolierung muss größer"},
      {"permittivity below 1",
       [](Wire& w) {
         w.insulation = Insulation{0.9, 3};
       },
       40.17, ErrorKind::kInvalidInput, "mindestens 1"},
      {"height limit in sheath radii",
       [](Wire& w) {
         w.insulation = Insulation{1, 4};
         w.heightM = 0.009;
       },
       40.17, ErrorKind::kBelowLimits, "(10,0 mm)"},
      {"even segments", [](Wire& w) { w.segments = 40; }, 40.17, ErrorKind::kInvalidInput,
       "ungerade"},
      {"above five radii", [](Wire& w) { w.heightM = 0.0052; }, 40.17, std::nullopt, ""},
      {"below five radii", [](Wire& w) { w.heightM = 0.005; }, 40.17, ErrorKind::kBelowLimits,
       "mindestens 5 Drahtradien (5,125 mm)"},
      {"free space has no height",
       [](Wire& w) {
         w.ground = Ground::kFree;
         w.heightM = -1;
       },
       40.17, std::nullopt, ""},
      // 100 mm wire: 0.2 m is the shortest segment; 41 segments of 40.17 m are 0.98 m.
      {"segment above four radii", [](Wire& w) { w.diameterMm = 100; }, 8.3, std::nullopt, ""},
      {"segment below four radii", [](Wire& w) { w.diameterMm = 100; }, 8.1,
       ErrorKind::kBelowLimits, "ein Segment (0,198 m) muss mindestens 4 Drahtradien (0,2 m)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Wire wire = Dipole(Ground::kAverage);
    row.change(wire);
    const std::optional<Failure> refused = CheckWire(wire, row.length);
    ASSERT_EQ(refused.has_value(), row.kind.has_value());
    if (!refused) continue;
    EXPECT_EQ(refused->kind, *row.kind);
    EXPECT_NE(refused->message.find(row.says), std::string::npos) << refused->message;
  }
}

}  // namespace
}  // namespace velmora::nec
