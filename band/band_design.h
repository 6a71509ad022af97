// SPDX-License-Identifier: GPL-3.0-or-later
// A dipole designed for a band rather than one frequency: how long to cut the wire, and its SWR
// across twice the band, once by the closed form and once by NEC-2. No Qt, no threads of its
// own: the NEC-2 side blocks; BandNecJob (band_session.h) runs it off the user-interface thread.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "formulas/swr.h"
#include "nec/deck.h"
#include "nec/result.h"
#include "nec/runner.h"

namespace velmora::band {

struct Band {
  const char* name;  // "80 m"
  double fromMHz;
  double toMHz;
};

// The IARU Region 1 amateur bands from 160 m to 10 m, longest wave first.
std::span<const Band> Bands();
// The band's name for limits the user types.
inline constexpr const char* kFreeBand = "frei";
// "80 m" or "80m"; nothing for another name ("frei" included).
std::optional<Band> FindBand(std::string_view name);

// Every curve is sampled at f_i = lo - w/2 + i w/20 (i = 0..40), w = hi - lo: twice the band,
// centred on it, with the band's limits at samples 10 and 30.
inline constexpr int kSamples = 41;
inline constexpr int kLowerLimitSample = 10;
inline constexpr int kUpperLimitSample = 30;
nec::Frequencies SampleFrequencies(double fromMHz, double toMHz);

struct BandInputs {
  std::string bandName = "80 m";  // a name of Bands(), or kFreeBand
  double fromMHz = 3.5;
  double toMHz = 3.8;
  // Typed numbers are single-precision values, as in the dialogs.
  float frequency = 3.65f;        // the design frequency f_d, MHz
  float height = 12.0f;           // m
  float diameterMm = 1.38f;       // the conductor
  float outerDiameterMm = 1.38f;  // the insulation's; equal to the conductor's: bare wire
  float epsilonR = 1.0f;          // the insulation's relative permittivity
  float conductivity = 56.0f;     // m/(ohm mm^2)
  nec::Ground ground = nec::Ground::kAverage;  // kAverage or kPerfect
  float impedance = 50.0f;                     // Z0, ohm
  int segments = nec::kDefaultSegments;

  bool Insulated() const { return outerDiameterMm != diameterMm; }
  bool operator==(const BandInputs&) const = default;
};

// Why no band design exists for these inputs, in German, or nothing.
std::optional<std::string> CheckInputs(const BandInputs& inputs);

// One column of the table: the wire to cut and its SWR across the band.
struct BandColumn {
  double lengthM = 0;     // in all
  double legLengthM = 0;  // each leg: half the length, without the centre insulator
  double r = 0;           // feed resistance at resonance, ohm
  SweepFigures figures;   // resonance, lowest SWR, the SWR <= 1,5 and <= 2 ranges
  // SWR at the band's lower and upper limit; none where there is no finite SWR.
  std::array<std::optional<double>, 2> swrAtLimits;
  std::vector<SweepPoint> points;  // the 41 samples

  bool operator==(const BandColumn&) const = default;
};

struct ClosedFormBand {
  BandColumn column;  // the resonance is f_d and the ranges f_d -/+ B/2, not cut
  double rs = 0;      // radiation resistance
  double rve = 0;     // ground loss (0 over the perfect ground)
  double rv = 0;      // conductor loss
  double q = 0;
  double Efficiency() const { return rs / column.r; }  // a fraction
  double LossDb() const;                               // 10 log10(R / Rs)

  bool operator==(const ClosedFormBand&) const = default;
};

// The formula side; nothing when a formula fails for these inputs (check them first).
std::optional<ClosedFormBand> ComputeClosedForm(const BandInputs& inputs);

struct NecBand {
  BandColumn column;
  int runs = 0;  // nec2c runs: the resonance search's and the sweep's

  bool operator==(const NecBand&) const = default;
};

// The wire NEC-2 is given: the same (insulated) wire at f_d over the same ground.
nec::Wire NecWire(const BandInputs& inputs);
// The formulas' "resonante Dipollänge" of the same wire at f (always over real ground, as in
// the single-value dialog), m. What a trim scales by where NEC-2 gives no length.
double FormulaLength(const BandInputs& inputs, double fMHz);
inline constexpr int kSweepRuns = 2;  // nec2c runs of the sweep at once, one per core

// The NEC-2 side: the resonant length at f_d by the resonance search, then the impedance at
// the 41 samples in kSweepRuns nec2c runs at once. Blocks; stops soon after `stop`.
nec::Result<NecBand> ComputeNec(nec::NecRunner& runner, const BandInputs& inputs,
                                std::stop_token stop = {});

// Everything a window or velmora-calc shows for one design.
struct BandDesign {
  BandInputs inputs;
  ClosedFormBand closedForm;
  std::optional<NecBand> nec;              // none while it runs, without nec2c, or on failure
  std::optional<nec::Failure> necFailure;  // why there is no NEC-2 side

  bool operator==(const BandDesign&) const = default;
};

// The 41 samples as CSV: frequency, then R, X and SWR of the closed form and of NEC-2; a field
// stays empty where there is no NEC-2 side or no finite SWR. With a decimal comma the fields are
// separated by semicolons, as spreadsheets here expect.
std::string BandCsv(const BandDesign& design, char decimalSeparator);

}  // namespace velmora::band
