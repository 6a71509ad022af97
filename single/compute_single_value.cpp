// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind the OK button of the single-value dialog. Every step stores its result
// only when it succeeds (Assign); a failed step leaves its working value as it was, 0 at the start
// of the run, and the run goes on. No arithmetic fault is ever reported.
#include "formulas/antenna.h"
#include "formulas/checked.h"
#include "formulas/parse.h"
#include "single/frm_einzel_eingabe.h"
#include "single/velocity_factor.h"

namespace velmora {
namespace {

constexpr const char* kWrongFormulaStatus = " Falsche Formel !";
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

std::string Description(const std::string& what, const std::string& t7, const std::string& middle,
                        const std::string& t9) {
  return " Berechnung: " + what + " (Dipol-Länge = " + t7 + " m, " + middle + " bei " + t9 +
         " MHz)";
}

}  // namespace

VelocityFactorRun ComputeVelocityFactor(float f, float h, float diameterMm,
                                        std::int16_t realGround) {
  VelocityFactorRun run;
  float d = 0.0f;
  Assign(d, Checked(diameterMm) / Checked(1000.0f));
  float halfWave = 0.0f;
  Assign(halfWave, Checked(kSpeedOfLight) / Checked(f) / Checked(2.0));
  float twoH = 0.0f;
  Assign(twoH, Checked(h) + Checked(h));
  if (d < 0.0001f) {
    d = 0.0001f;
    run.correction = DiameterCorrection::kThinnest;
  } else if (d > twoH) {
    d = twoH;
    run.correction = DiameterCorrection::kTwiceHeight;
  } else if (d > halfWave) {
    d = halfWave;
    run.correction = DiameterCorrection::kHalfWave;
  }
  run.diameter = d;
  float dmm = 0.0f;
  Assign(dmm, Checked(d) * Checked(1000.0f));
  Assign(run.wirePercent, WireShorteningPercent(f, dmm));
  Assign(run.heightPercent, Checked(HeightShorteningPercent(f, h, realGround)));
  Assign(run.vf, VelocityFactor(run.heightPercent, run.wirePercent));
  return run;
}

ResonantLengthRun ComputeResonantLength(float f, float h, float outerDiameterMm,
                                        float conductorDiameterMm, float epsR) {
  ResonantLengthRun run;
  float wirePercent = 0.0f;
  Assign(wirePercent, WireShorteningPercent(f, conductorDiameterMm));
  float heightPercent = 0.0f;
  Assign(heightPercent, Checked(HeightShorteningPercent(f, h, kTrue)));
  Assign(run.vf0, VelocityFactor(heightPercent, wirePercent));
  double insulation = 0.0;
  Assign(insulation, InsulationShortening(epsR, outerDiameterMm, conductorDiameterMm, run.vf0));
  Assign(run.length, ResonantDipoleLength(1.0f, run.vf0, insulation, f));
  // The nominal half wave is taken with 150, not with half the speed of light.
  float half = 0.0f;
  Assign(half, Checked(150.0f) / Checked(f));
  Assign(run.vfTotal, Checked(run.length) / Checked(half));
  return run;
}

void FrmEinzelEingabe::ComputeSingleValue() {
  // Phase 1: the inputs, each read once.
  const std::string choice = Combo1.text;
  const float height = ParseDecimal(Text6.text);
  const float value1 = ParseDecimal(Text7.text);
  const std::string typedDiameter = Text8.text;  // the status line shows it as typed
  const float typedDiameterMm = ParseDecimal(typedDiameter);
  float d = 0.0f;  // metres
  Assign(d, Checked(typedDiameterMm) / Checked(1000.0f));
  const float frequency = ParseDecimal(Text9.text);
  const float sigma = ParseDecimal(Combo2.text);
  const std::int16_t realGround = Check1.value == 0 ? kTrue : kFalse;
  const float outerDiameter = ParseDecimal(Text1.text);
  const float conductorDiameter = ParseDecimal(Text2.text);
  const float epsR = ParseDecimal(Combo3.text);

  // Phase 2.
  double result = 0.0;
  if (choice == kChoiceResonantLength) {
    // The frequency stands in the first value box here.
    const ResonantLengthRun run =
        ComputeResonantLength(value1, height, outerDiameter, conductorDiameter, epsR);
    Label13.caption = Pattern(run.vf0, "#0.0##");
    Label3.caption = Pattern(run.length, "###0.0##");
    Label5.caption = Pattern(run.vfTotal, "#0.0##");
  } else if (choice == kChoiceVelocityFactor) {
    const float f = frequency;
    if (f == 0.0f) {
      platform_.Beep();
      platform_.SetFocus(Text9);
      return;
    }
    if (height < 0.01f) {
      Text6.text = General(0.01);
      platform_.Beep();
      platform_.SetFocus(Text6);
      return;
    }
    const VelocityFactorRun run = ComputeVelocityFactor(f, height, typedDiameterMm, realGround);
    // Diameters no wire can have are pulled into range, in the box too, so the next run agrees.
    if (run.correction == DiameterCorrection::kThinnest) {
      Text8.text = General(0.1);
    } else if (run.correction != DiameterCorrection::kNone) {
      Text8.text = Pattern(Checked(run.diameter).value() * 1000.0, "#####0.0");
    }
    if (run.correction != DiameterCorrection::kNone) platform_.Beep();
    Label3.caption = Pattern(run.wirePercent, "#0.0##");
    Label13.caption = Pattern(run.heightPercent, "#0.0##");
    Label5.caption = Pattern(run.vf, "0.00#");
  } else if (choice == kChoiceQualityAtHeight || choice == kChoiceQualityAtDiameter) {
    const float length = value1;
    double groundLoss = 0.0;
    if (realGround != kFalse) {
      Assign(groundLoss, GroundLossResistance(frequency, height, length, d));
    }
    float conductorLoss = 0.0f;
    Assign(conductorLoss, ConductorLossResistance(length, d, frequency, sigma));
    float loss = 0.0f;
    Assign(loss, Checked(conductorLoss) + Checked(groundLoss));
    // The mean characteristic impedance of the dipole over ground.
    double impedance = 0.0;
    Assign(impedance, WireImpedance(length, d, height));
    float rs = 0.0f;
    Assign(rs, Checked(RadiationResistance(frequency, height, kTrue)));
    Assign(result,
           Checked(kPi) / Checked(4.0) * Checked(impedance) / (Checked(rs) + Checked(loss)));
  } else if (choice == kChoiceGroundLoss) {
    Assign(result, GroundLossResistance(frequency, height, value1, d));
  } else if (choice == kChoiceRadiationResistance) {
    float rs = 0.0f;
    Assign(rs, Checked(RadiationResistance(frequency, height, realGround)));
    Assign(result, Checked(rs));
    if (Label13.caption.empty()) ShowSkinEffectLoss();
    float rv = 0.0f;
    Assign(rv, Checked(ParseDecimal(Label13.caption)));
    float total = 0.0f;
    Assign(total, Checked(rs) + Checked(rv));
    Label5.caption = Pattern(total, "###0.0#");
  } else {
    platform_.MessageBox("Falscher Operator !", "Fehler ", kMbOkOnly | kMbExclamation);
  }

  // Phase 3: the later choices' result and the description of the run.
  const std::string t7 = Text7.text;
  const std::string t9 = Text9.text;
  const std::string wire = "Draht d = " + typedDiameter + " mm";
  std::string status;
  if (choice == kChoiceResonantLength) {
    status = Description("resonante Dipollänge", Label3.caption,
                         "Draht d = " + Text1.text + " mm/" + Text2.text + " mm", t7);
  } else if (choice == kChoiceVelocityFactor) {
    status = Description("Vf", t7, wire, t9);
  } else if (choice == kChoiceRadiationResistance) {
    Label3.caption = Pattern(result, "###0.0##");
    status = Description("Rs", t7, wire, t9);
  } else if (choice == kChoiceGroundLoss) {
    Label3.caption = Pattern(result, "###0.0##");
    status = Description("mittlerer Rve", t7, wire, t9);
  } else if (choice == kChoiceQualityAtHeight || choice == kChoiceQualityAtDiameter) {
    // Both Q choices describe the same inputs, the wire diameter among them.
    Label3.caption = Pattern(result, "###0.0##");
    status = Description("Antennengüte Qa", t7, wire, t9);
  } else {
    status = kWrongFormulaStatus;
  }
  platform_.SetStatusText(status);

  // Phase 4.
  if (Check1.value != 0 && Check1.visible && platform_.StatusText() != kWrongFormulaStatus) {
    platform_.SetStatusText(platform_.StatusText() + " im Freiraum");
  }
  platform_.DoEvents();
}

}  // namespace velmora
