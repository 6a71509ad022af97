// SPDX-License-Identifier: GPL-3.0-or-later
#include "band/band_design.h"

#include <cmath>
#include <cstdint>

#include "formulas/antenna.h"
#include "formulas/checked.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "nec/resonance.h"
#include "nec/sweep.h"
#include "single/velocity_factor.h"

namespace velmora::band {
namespace {

constexpr Band kBands[] = {
    {"160 m", 1.810, 2.000},  {"80 m", 3.500, 3.800},   {"60 m", 5.3515, 5.3665},
    {"40 m", 7.000, 7.200},   {"30 m", 10.100, 10.150}, {"20 m", 14.000, 14.350},
    {"17 m", 18.068, 18.168}, {"15 m", 21.000, 21.450}, {"12 m", 24.890, 24.990},
    {"10 m", 28.000, 29.700},
};

// The single-value calculation's lowest height (it puts 0,01 into the box).
constexpr float kMinHeight = 0.01f;

std::optional<double> Finite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

bool Positive(double value) {
  return std::isfinite(value) && value > 0;
}

}  // namespace

std::span<const Band> Bands() {
  return kBands;
}

std::optional<Band> FindBand(std::string_view name) {
  for (const Band& band : kBands) {
    const std::string_view full = band.name;
    const std::size_t blank = full.find(' ');
    if (name == full || (name.substr(0, blank) == full.substr(0, blank) &&
                         name.substr(blank) == full.substr(blank + 1))) {
      return band;
    }
  }
  return std::nullopt;
}

nec::Frequencies SampleFrequencies(double fromMHz, double toMHz) {
  const double w = toMHz - fromMHz;
  return {fromMHz - w / 2.0, w / 20.0, kSamples};
}

std::optional<std::string> CheckInputs(const BandInputs& in) {
  if (!Positive(in.fromMHz) || !Positive(in.toMHz) || !(in.toMHz > in.fromMHz)) {
    return "Die untere Bandgrenze muss größer als 0 und kleiner als die obere sein.";
  }
  if (!(in.toMHz < 3.0 * in.fromMHz)) {
    return "Das Band ist zu breit: die Kurven zeigen das Doppelte des Bandes, dafür muss die "
           "obere Grenze unter dem Dreifachen der unteren liegen.";
  }
  if (!Positive(in.frequency)) return "Die Entwurfsfrequenz muss größer als 0 sein.";
  if (!(in.height >= kMinHeight)) return "Die Höhe muss mindestens 0,01 m betragen.";
  if (!Positive(in.diameterMm)) return "Der Leiterdurchmesser muss größer als 0 sein.";
  if (!(in.outerDiameterMm >= in.diameterMm) || !std::isfinite(in.outerDiameterMm)) {
    return "Der Außendurchmesser darf nicht kleiner als der Leiterdurchmesser sein.";
  }
  if (in.Insulated() && !(in.epsilonR >= 1.0f && std::isfinite(in.epsilonR))) {
    return "Die Dielektrizitätszahl der Isolierung muss mindestens 1 sein.";
  }
  if (!Positive(in.conductivity)) {
    return "Der Leiter braucht eine Leitfähigkeit größer als 0, z. B. „56 Cu“.";
  }
  if (!Positive(in.impedance)) return "Die Bezugsimpedanz Z0 muss größer als 0 sein.";
  if (in.ground == nec::Ground::kFree) {
    return "Der Bandentwurf rechnet über mittlerem oder idealem Boden.";
  }
  return std::nullopt;
}

double ClosedFormBand::LossDb() const {
  return 10.0 * std::log10(column.r / rs);
}

std::optional<ClosedFormBand> ComputeClosedForm(const BandInputs& in) {
  const float f = in.frequency;
  const float h = in.height;
  const float length =
      ComputeResonantLength(f, h, in.outerDiameterMm, in.diameterMm, in.epsilonR).length;
  float d = 0.0f;  // m
  if (!(length > 0.0f) || !Assign(d, Checked(in.diameterMm) / Checked(1000.0f))) {
    return std::nullopt;
  }
  const bool average = in.ground == nec::Ground::kAverage;
  ClosedFormBand band;
  band.rs = Widen(RadiationResistance(f, h, average ? -1 : 0));
  double impedance = 0.0;
  if ((average && !Assign(band.rve, GroundLossResistance(f, h, length, d))) ||
      !Assign(band.rv, ConductorLossResistance(length, d, f, in.conductivity)) ||
      !Assign(impedance, WireImpedance(length, d, h))) {
    return std::nullopt;
  }
  const double r = band.rs + band.rve + band.rv;
  band.q = DipoleQ(impedance, r);
  // Rs = 0 would leave the efficiency's loss in dB without a value.
  if (!Positive(r) || !Positive(band.q) || !Positive(band.rs)) return std::nullopt;

  const double fd = Widen(f);
  const double z0 = Widen(in.impedance);
  BandColumn& column = band.column;
  column.lengthM = Widen(length);
  column.legLengthM = column.lengthM / 2.0;
  column.r = r;
  column.figures.resonanceMHz = fd;
  column.figures.swrMin = Swr(r, z0);
  column.figures.swrMinMHz = fd;
  column.figures.within15 = ClosedFormSwrRange(1.5, fd, r, band.q, z0);
  column.figures.within2 = ClosedFormSwrRange(2.0, fd, r, band.q, z0);
  column.swrAtLimits = {Finite(Swr(ClosedFormImpedance(in.fromMHz, fd, r, band.q), z0)),
                        Finite(Swr(ClosedFormImpedance(in.toMHz, fd, r, band.q), z0))};
  const nec::Frequencies samples = SampleFrequencies(in.fromMHz, in.toMHz);
  for (int i = 0; i < kSamples; ++i) {
    const double fi = samples.startMHz + i * samples.stepMHz;
    column.points.push_back({fi, ClosedFormImpedance(fi, fd, r, band.q)});
  }
  return band;
}

nec::Wire NecWire(const BandInputs& in) {
  std::optional<nec::Insulation> insulation;
  if (in.Insulated()) insulation = nec::Insulation{Widen(in.epsilonR), Widen(in.outerDiameterMm)};
  return {Widen(in.frequency),
          Widen(in.height),
          Widen(in.diameterMm),
          Widen(in.conductivity) * 1e6,
          in.ground,
          in.segments,
          insulation};
}

double FormulaLength(const BandInputs& in, double fMHz) {
  return Widen(ComputeResonantLength(static_cast<float>(fMHz), in.height, in.outerDiameterMm,
                                     in.diameterMm, in.epsilonR)
                   .length);
}

nec::Result<NecBand> ComputeNec(nec::NecRunner& runner, const BandInputs& in,
                                std::stop_token stop) {
  if (std::optional<std::string> problem = CheckInputs(in)) {
    return nec::Failure{nec::ErrorKind::kInvalidInput, *problem};
  }
  const nec::Wire wire = NecWire(in);
  const nec::Result<nec::Resonance> found = nec::FindResonance(runner, wire, stop);
  if (!found.ok()) return found.failure();
  const double length = found.value().lengthM;
  const nec::Result<std::vector<SweepPoint>> points = nec::RunSweepInParts(
      runner, wire, length, SampleFrequencies(in.fromMHz, in.toMHz), kSweepRuns, stop);
  if (!points.ok()) return points.failure();

  const double z0 = Widen(in.impedance);
  NecBand band;
  band.runs = found.value().runs + kSweepRuns;
  BandColumn& column = band.column;
  column.lengthM = length;
  column.legLengthM = length / 2.0;
  column.r = found.value().impedance.r;
  column.points = points.value();
  column.figures = AnalyseSweep(column.points, Widen(in.frequency), z0);
  column.swrAtLimits = {Finite(Swr(column.points[kLowerLimitSample].z, z0)),
                        Finite(Swr(column.points[kUpperLimitSample].z, z0))};
  return band;
}

std::string BandCsv(const BandDesign& design, char decimalSeparator) {
  const char sep = decimalSeparator == ',' ? ';' : ',';
  const double z0 = Widen(design.inputs.impedance);
  std::string out = std::string("f MHz") + sep + "Formel R Ohm" + sep + "Formel X Ohm" + sep +
                    "Formel SWV" + sep + "NEC-2 R Ohm" + sep + "NEC-2 X Ohm" + sep + "NEC-2 SWV\n";
  const auto fields = [&](const SweepPoint& p) {
    const double swr = Swr(p.z, z0);
    return FormatGeneral(p.z.real(), decimalSeparator) + sep +
           FormatGeneral(p.z.imag(), decimalSeparator) + sep +
           (std::isfinite(swr) ? FormatGeneral(swr, decimalSeparator) : std::string());
  };
  const std::vector<SweepPoint>& points = design.closedForm.column.points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    out += FormatGeneral(points[i].frequencyMHz, decimalSeparator) + sep + fields(points[i]) + sep;
    out += design.nec ? fields(design.nec->column.points[i]) : std::string(1, sep) + sep;
    out += '\n';
  }
  return out;
}

}  // namespace velmora::band
