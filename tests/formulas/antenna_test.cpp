// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulas/antenna.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>

namespace velmora {
namespace {

constexpr std::int16_t kReal = -1;
constexpr std::int16_t kFree = 0;

// Single results fixed bit for bit; the comments give the references worked out by hand. The
// last four sit where dropping one single rounding (the height in wavelengths, the percent round
// trip of Vf) changes the last bit.
TEST(AntennaFormulas, SingleResultsMatchTheirReferencesBitForBit) {
  const std::tuple<const char*, float, float> rows[] = {
      {"rs_12m_real", RadiationResistance(3.6f, 12, kReal), 44.2406998f},      // 44.2407
      {"rs_12m_free", RadiationResistance(3.6f, 12, kFree), 37.5209198f},      // 37.5209
      {"rs_1m_real", RadiationResistance(3.6f, 1, kReal), 76.3545609f},        // 76.3546
      {"rs_1m_free", RadiationResistance(3.6f, 1, kFree), 6.07610703f},        // 6.07611
      {"rs_40m_real", RadiationResistance(3.6f, 40, kReal), 75.0965958f},      // 75.0966
      {"hs_12m_real", HeightShorteningPercent(3.6f, 12, kReal), 4.94061089f},  // 4.94061
      {"hs_12m_free", HeightShorteningPercent(3.6f, 12, kFree), 4.86639929f},  // 4.86640
      // Raw 33.463 %, compressed above 10 % to 10 + ln(r / 10): 11.2079.
      {"hs_1m_real", HeightShorteningPercent(3.6f, 1, kReal), 11.2078657f},
      {"hs_1m_free", HeightShorteningPercent(3.6f, 1, kFree), 0.0692441985f},  // 0.069244
      {"wire_2_05mm", static_cast<float>(WireShorteningPercent(3.6f, 2.05f).value()),
       2.5614996f},  // 2.5615
      {"hs_1_8MHz_75m_free", HeightShorteningPercent(1.8f, 75, kFree), 3.54420662f},
      {"hs_1_8MHz_33m_real", HeightShorteningPercent(1.8f, 33, kReal), 7.18396521f},
      {"resonant_vf_0_95", static_cast<float>(ResonantDipoleLength(1, 0.95f, 0, 144).value()),
       0.988898754f},
      {"resonant_vf_0_85", static_cast<float>(ResonantDipoleLength(1, 0.85f, 0, 28.5f).value()),
       4.47058964f},
  };
  for (const auto& [name, actual, exact] : rows) EXPECT_EQ(actual, exact) << name;
}

// The double results, fixed bit for bit (17 digits round-trip).
TEST(AntennaFormulas, DoubleResultsAreStable) {
  EXPECT_EQ(GroundLossResistance(3.6f, 12, 40, 0.002f).value(), 3.9975626916227895);
  EXPECT_EQ(ConductorLossResistance(40, 0.002f, 3.6f, 56).value(), 3.2071347081383372);
  EXPECT_EQ(InsulationShortening(2.3f, 2.5f, 1.5f, 0.95f).value(), 0.01115793532027754);
  EXPECT_EQ(Log10(1000.0).value(), 2.9999999999999996);  // ln 1000 / ln 10, not exactly 3
  // No wavelength is formed, so f = 0 is no fault: no skin effect, no loss.
  EXPECT_EQ(ConductorLossResistance(40, 0.002f, 0, 56).value(), 0.0);
  // A thickness of at most 0.001 mm counts as 0.001 mm: ln 1 = 0, the bare wire.
  for (float outer : {1.0f, 1.0005f, 0.5f}) {
    EXPECT_EQ(InsulationShortening(2.3f, outer, 1.0f, 0.95f).value(), 0.0) << outer;
  }
}

TEST(AntennaFormulas, RealGroundCorrectsOnlyBelow022Wavelengths) {
  // At 3.6 MHz, 0.22 wavelengths are 18.3207 m.
  const std::pair<float, bool> rows[] = {{12, true}, {18.3205f, true}, {18.321f, false}};
  for (const auto& [h, corrected] : rows) {
    SCOPED_TRACE(h);
    const float real = RadiationResistance(3.6f, h, kReal);
    const float free = RadiationResistance(3.6f, h, kFree);
    EXPECT_EQ(real != free, corrected);
  }
}

TEST(AntennaFormulas, NonRecoveringFunctionsFailAsAWhole) {
  const std::pair<const char*, std::function<Checked()>> rows[] = {
      {"log10_zero", [] { return Log10(0.0); }},
      {"log10_of_fault", [] { return Log10(Checked(1.0) / 0.0); }},
      {"ground_f0", [] { return GroundLossResistance(0, 12, 40, 0.002f); }},
      // The quotient L / d is not used, yet d = 0 fails (the rest would give 0).
      {"ground_d0", [] { return GroundLossResistance(3.6f, 12, 40, 0); }},
      {"ground_h0", [] { return GroundLossResistance(3.6f, 0, 40, 0.002f); }},
      {"conductor_sigma0", [] { return ConductorLossResistance(40, 0.002f, 3.6f, 0); }},
      {"conductor_sigma_negative", [] { return ConductorLossResistance(40, 0.002f, 3.6f, -56); }},
      // lambda / 0 fails although 27.18 / ln(inf) would be a finite 0.
      {"wire_d0", [] { return WireShorteningPercent(3.6f, 0); }},
      {"wire_d_negative", [] { return WireShorteningPercent(3.6f, -2.05f); }},
      {"insulation_dc0", [] { return InsulationShortening(2.3f, 2.5f, 0, 0.95f); }},
      // 0 / 0: a bare wire does not save Vf = 0.
      {"insulation_bare_Vf0", [] { return InsulationShortening(2.3f, 1.0f, 1.0f, 0); }},
      {"resonant_f0", [] { return ResonantDipoleLength(1, 0.95f, 0.01, 0); }},
      {"resonant_beyond_single", [] { return ResonantDipoleLength(1, 0.95f, -1e40, 3.6f); }},
  };
  for (const auto& [name, compute] : rows) {
    EXPECT_EQ(compute().fault(), Checked::Fault::kTrapped) << name;
  }
}

// Without a height above ground (or a frequency) the step-wise functions give fixed values.
TEST(AntennaFormulas, RecoveringFunctionsGiveFixedValuesWithoutAHeight) {
  const std::pair<const char*, float> rows[] = {
      {"rs_f0_real", RadiationResistance(0, 12, kReal)},
      // Over real ground the correction divides by zero, x becomes -0.01, the guard gives 73.
      {"rs_h0_real", RadiationResistance(3.6f, 0, kReal)},
      {"rs_h0_free", RadiationResistance(3.6f, 0, kFree)},
      // The correction would lift a negative height above 0 (3.62 ohms for -5 m).
      {"rs_h_negative_real", RadiationResistance(3.6f, -5, kReal)},
      {"rs_f_negative_real", RadiationResistance(-3.6f, 5, kReal)},
      {"rs_any_true_flag", RadiationResistance(0, 12, 1)},
      // The correction 2.2 / x overflows single: t stays 0, u = -0.01, x < 0.
      {"rs_tiny_height_real", RadiationResistance(3.6f, 1e-38f, kReal)},
  };
  for (const auto& [name, value] : rows) EXPECT_EQ(value, 73.0f) << name;
  const std::pair<const char*, float> shortenings[] = {
      {"hs_f0_real", HeightShorteningPercent(0, 12, kReal)},
      {"hs_h0_real", HeightShorteningPercent(3.6f, 0, kReal)},
      {"hs_h0_free", HeightShorteningPercent(3.6f, 0, kFree)},
      {"hs_f_negative", HeightShorteningPercent(-3.6f, 1, kReal)}};
  for (const auto& [name, value] : shortenings) EXPECT_EQ(value, 100.0f) << name;
}

// The readout both dialogs show beside the wire: empty boxes hide it, faults show 0.
TEST(ConductorLossReadout, FromTheBoxTexts) {
  const std::tuple<const char*, const char*, const char*, const char*, std::optional<float>>
      rows[] = {
          {"39,59", "2,05", "3,6", "56 Cu", 3.09684062f},  // the dialogs' default readout
          {"", "2,05", "3,6", "56 Cu", std::nullopt},
          {"39,59", "", "3,6", "56 Cu", std::nullopt},
          {"39,59", "2,05", "", "56 Cu", std::nullopt},
          {"39,59", "2,05", "3,6", "", std::nullopt},
          {"39,59", "0", "3,6", "56 Cu", 0.0f},  // zero diameter: the step fails
          {"39,59", "2,05", "3,6", "Cu", 0.0f},  // no conductivity
      };
  for (const auto& [length, diameter, frequency, material, expected] : rows) {
    SCOPED_TRACE(std::string(length) + "|" + diameter + "|" + frequency + "|" + material);
    EXPECT_EQ(ConductorLossReadout(length, diameter, frequency, material), expected);
  }
}

}  // namespace
}  // namespace velmora
