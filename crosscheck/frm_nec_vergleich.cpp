// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/frm_nec_vergleich.h"

#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "single/frm_einzel_eingabe.h"
#include "single/materials.h"

namespace velmora {
namespace {

constexpr const char* kNone = "–";  // a cell the formulas have no value for
constexpr const char* kDifferenceTip =
    "(Formel − NEC-2) / NEC-2 in Prozent; negativ: Formel kürzer bzw. kleiner als NEC-2";
// The single-value calculation takes no lower height.
constexpr float kMinHeight = 0.01f;

nec::Ground GroundOf(const std::string& text) {
  for (nec::Ground g : {nec::Ground::kAverage, nec::Ground::kPerfect, nec::Ground::kFree}) {
    if (text == nec::GroundText(g)) return g;
  }
  return nec::Ground::kAverage;
}

void Fill(std::string& target, const std::string& text) {
  if (!text.empty()) target = text;
}

}  // namespace

NecInputs NecInputsFrom(FrmEinzelEingabe& dialog) {
  NecInputs in;
  auto take = [&dialog](std::string& target, const Control& box, const std::string& text) {
    if (dialog.IsShown(box)) target = text;
  };
  take(in.frequency, dialog.FrequencyBox(), dialog.FrequencyBox().text);
  take(in.height, dialog.HeightBox(), dialog.HeightBox().text);
  take(in.diameter, dialog.DiameterBox(), dialog.DiameterBox().text);
  take(in.material, dialog.MaterialBox(), dialog.MaterialBox().text);
  if (dialog.IsShown(dialog.Check1)) {
    in.ground =
        nec::GroundText(dialog.Check1.value != 0 ? nec::Ground::kPerfect : nec::Ground::kAverage);
  }
  if (dialog.IsShown(dialog.Text2)) {
    in.diameter = dialog.Text2.text;
    in.outerDiameter = dialog.Text1.text;
    in.insulation = dialog.Combo3.text;
    in.ground = nec::GroundText(nec::Ground::kAverage);
  }
  return in;
}

NecInputs Merge(NecInputs earlier, const NecInputs& later) {
  Fill(earlier.frequency, later.frequency);
  Fill(earlier.height, later.height);
  // A new diameter without an outer one is bare wire.
  if (!later.diameter.empty()) earlier.outerDiameter = later.outerDiameter;
  Fill(earlier.diameter, later.diameter);
  Fill(earlier.material, later.material);
  Fill(earlier.ground, later.ground);
  Fill(earlier.insulation, later.insulation);
  return earlier;
}

FrmNecVergleich::FrmNecVergleich(Platform& platform)
    : Form("frmNecVergleich"), platform_(platform) {
  // Twips: two columns of inputs, the table, the note, the search's line and the buttons.
  constexpr int kRow = 330;
  constexpr int kBox = 285;
  // The numbers in two columns, the lists across the window.
  Place(lblFrequenz, 120, 120, 1260, kBox);
  Place(txtFrequenz, 1440, 120, 1500, kBox, 0);
  Place(lblDraht, 3060, 120, 1260, kBox);
  Place(txtDraht, 4380, 120, 1800, kBox, 2);
  Place(lblHoehe, 120, 120 + kRow, 1260, kBox);
  Place(txtHoehe, 1440, 120 + kRow, 1500, kBox, 1);
  Place(lblAussen, 3060, 120 + kRow, 1260, kBox);
  Place(txtAussen, 4380, 120 + kRow, 1800, kBox, 3);
  Place(lblMaterial, 120, 120 + 2 * kRow, 1260, kBox);
  Place(cboMaterial, 1440, 120 + 2 * kRow, 4740, kBox, 4);
  Place(lblIsolierung, 120, 120 + 3 * kRow, 1260, kBox);
  Place(cboIsolierung, 1440, 120 + 3 * kRow, 4740, kBox, 5);
  Place(lblBoden, 120, 120 + 4 * kRow, 1260, kBox);
  Place(cboBoden, 1440, 120 + 4 * kRow, 4740, kBox, 6);
  constexpr int kTable = 1920;
  Place(lblFormel, 2520, kTable, 1140, kBox);
  Place(lblNec, 3780, kTable, 1140, kBox);
  Place(lblDifferenz, 5040, kTable, 1140, kBox);
  int top = kTable + kRow;
  for (Row* row : {&rowLaenge, &rowVf, &rowR}) {
    Place(row->caption, 120, top, 2280, kBox);
    Place(row->closedForm, 2520, top, 1140, kBox);
    Place(row->nec, 3780, top, 1140, kBox);
    Place(row->difference, 5040, top, 1140, kBox);
    top += kRow;
  }
  Place(lblHinweis, 120, top + 60, 6060, 630);
  Place(lblStatus, 120, top + 750, 6060, 600);
  const int buttons = top + 1470;
  Place(prgBusy, 120, buttons + 75, 1080, 210);
  Place(cmdBerechnen, 2580, buttons, 1140, 360, 7);
  Place(cmdAbbrechen, 3840, buttons, 1140, 360, 8);
  Place(cmdSchliessen, 5040, buttons, 1140, 360, 9);
  tmrNeustart.interval = kRestartMs;
  tmrNeustart.enabled = false;
  prgBusy.visible = false;
  cboBoden.listOnly = true;

  const auto on = [this](void (FrmNecVergleich::*handler)()) {
    ControlEvents events;
    events.click = [this, handler] { (this->*handler)(); };
    return events;
  };
  ControlEvents number;
  number.keyPress = [this](std::int16_t& key) { Text_KeyPress(key); };
  number.change = on(&FrmNecVergleich::Input_Changed).click;
  ControlEvents picked;
  picked.click = on(&FrmNecVergleich::Input_Changed).click;
  picked.change = picked.click;
  const auto label = [this](Label& l, LabelLook look = LabelLook::kLeft) {
    controls_.emplace_back(&l, ControlKind::kLabel, "", look);
  };
  const auto button = [this](CommandButton& b, ControlEvents events) {
    controls_.emplace_back(&b, ControlKind::kCommandButton, "", LabelLook::kPlain, false,
                           std::move(events));
  };
  label(lblFrequenz);
  controls_.emplace_back(&txtFrequenz, ControlKind::kTextBox, "", LabelLook::kPlain, false, number);
  label(lblDraht);
  controls_.emplace_back(&txtDraht, ControlKind::kTextBox, "", LabelLook::kPlain, false, number);
  label(lblHoehe);
  controls_.emplace_back(&txtHoehe, ControlKind::kTextBox, "", LabelLook::kPlain, false, number);
  label(lblMaterial);
  controls_.emplace_back(&cboMaterial, ControlKind::kComboBox, "", LabelLook::kPlain, false,
                         picked);
  label(lblAussen);
  controls_.emplace_back(&txtAussen, ControlKind::kTextBox, "", LabelLook::kPlain, false, number);
  label(lblIsolierung);
  controls_.emplace_back(&cboIsolierung, ControlKind::kComboBox, "", LabelLook::kPlain, false,
                         picked);
  label(lblBoden);
  controls_.emplace_back(&cboBoden, ControlKind::kComboBox, "", LabelLook::kPlain, false, picked);
  label(lblFormel, LabelLook::kHeading);
  label(lblNec, LabelLook::kHeading);
  label(lblDifferenz, LabelLook::kHeading);
  for (Row* row : {&rowLaenge, &rowVf, &rowR}) {
    label(row->caption);
    label(row->closedForm, LabelLook::kNumber);
    label(row->nec, LabelLook::kNumber);
    label(row->difference, LabelLook::kNumber);
  }
  label(lblHinweis, LabelLook::kNote);
  controls_.emplace_back(&prgBusy, ControlKind::kBusy);
  label(lblStatus, LabelLook::kLeft);
  button(cmdBerechnen, on(&FrmNecVergleich::cmdBerechnen_Click));
  button(cmdAbbrechen, on(&FrmNecVergleich::cmdAbbrechen_Click));
  button(cmdSchliessen, on(&FrmNecVergleich::cmdSchliessen_Click));
  controls_.emplace_back(&tmrNeustart, ControlKind::kTimer, "", LabelLook::kPlain, false,
                         on(&FrmNecVergleich::tmrNeustart_Timer));
}

std::string FrmNecVergleich::Pattern(double value, const char* pattern) const {
  return FormatPattern(value, pattern, platform_.DecimalSeparator());
}

void FrmNecVergleich::Load(const NecInputs& prefill) {
  const char separator = platform_.DecimalSeparator();
  loaded = true;
  visible = false;
  caption = kCaption;
  lblFrequenz.caption = "Frequenz [MHz]:";
  lblHoehe.caption = "Höhe [m]:";
  lblDraht.caption = "Draht-d [mm]:";
  txtDraht.toolTip = "Durchmesser des Leiters, bei isoliertem Draht ohne die Isolierung";
  lblMaterial.caption = "Material:";
  lblAussen.caption = "Außen-d [mm]:";
  txtAussen.toolTip =
      "Außendurchmesser der Isolierung; leer oder gleich dem Draht-d: blanker Draht";
  lblIsolierung.caption = "Isolierung:";
  lblBoden.caption = "Boden:";
  lblFormel.caption = "Formel";
  lblNec.caption = "NEC-2";
  lblDifferenz.caption = "Differenz";
  // DifferencePercent: (Formel - NEC-2) / NEC-2.
  lblDifferenz.toolTip = kDifferenceTip;
  for (Row* row : {&rowLaenge, &rowVf, &rowR}) row->difference.toolTip = kDifferenceTip;
  rowLaenge.caption.caption = "Resonanzlänge [m]:";
  rowVf.caption.caption = "Verkürzungsfaktor Vf:";
  rowR.caption.caption = "Speisewiderstand [Ohm]:";
  rowR.caption.toolTip =
      "Formel: Strahlungswiderstand Rs; NEC-2: Wirkanteil der Fußpunktimpedanz bei Resonanz";
  cmdBerechnen.caption = "&Berechnen";
  cmdBerechnen.isDefault = true;
  cmdAbbrechen.caption = "&Abbrechen";
  cmdSchliessen.caption = "&Schließen";
  cmdSchliessen.isCancel = true;
  cboMaterial.items = ConductorMaterials(separator);
  cboIsolierung.items = InsulationMaterials(separator);
  cboBoden.items.clear();
  for (nec::Ground g : {nec::Ground::kAverage, nec::Ground::kPerfect, nec::Ground::kFree}) {
    cboBoden.AddItem(nec::GroundText(g));
  }
  const NecInputs in =
      Merge({FormatGeneral(3.6, separator), "10", FormatGeneral(2.05, separator), kDefaultConductor,
             nec::GroundText(nec::Ground::kAverage), "", DefaultInsulation(separator)},
            prefill);
  txtFrequenz.text = in.frequency;
  txtHoehe.text = in.height;
  txtDraht.text = in.diameter;
  cboMaterial.text = in.material;
  txtAussen.text = in.outerDiameter;
  cboIsolierung.text = in.insulation;
  cboBoden.text = nec::GroundText(GroundOf(in.ground));
  searching_ = false;
  read_.reset();
  Input_Changed();
  cmdBerechnen_Click();
}

void FrmNecVergleich::Unload() {
  StopSearch();
  tmrNeustart.enabled = false;
  loaded = false;
  visible = false;
}

NecInputs FrmNecVergleich::Inputs() const {
  return {txtFrequenz.text, txtHoehe.text,  txtDraht.text,     cboMaterial.text,
          cboBoden.text,    txtAussen.text, cboIsolierung.text};
}

void FrmNecVergleich::Text_KeyPress(std::int16_t& key) {
  key = FilterNumericKey(key, kNumericKeys, platform_);
}

void FrmNecVergleich::StopSearch() {
  if (!searching_) return;
  searching_ = false;
  ++generation_;
  cmdAbbrechen.enabled = false;
  prgBusy.visible = false;
}

void FrmNecVergleich::ClearNec() {
  for (Row* row : {&rowLaenge, &rowVf, &rowR}) {
    row->nec.caption.clear();
    row->difference.caption.clear();
  }
}

bool FrmNecVergleich::ReadInputs() {
  const nec::Ground ground = GroundOf(cboBoden.text);
  const float f = ParseDecimal(txtFrequenz.text);
  const float h = ParseDecimal(txtHoehe.text);
  const float d = ParseDecimal(txtDraht.text);
  const float sigma = ParseDecimal(cboMaterial.text);
  const float outer = ParseDecimal(txtAussen.text);
  const float epsR = ParseDecimal(cboIsolierung.text);
  const bool insulated = !txtAussen.text.empty() && outer != d;
  read_ = Inputs();
  txtHoehe.enabled = ground != nec::Ground::kFree;
  cboIsolierung.enabled = !txtAussen.text.empty();
  closed_.reset();
  std::string problem;
  if (!(f > 0.0f)) {
    problem = "Bitte eine Frequenz über 0 MHz eingeben.";
  } else if (!(d > 0.0f)) {
    problem = "Bitte einen Drahtdurchmesser über 0 mm eingeben.";
  } else if (ground != nec::Ground::kFree && !(h >= kMinHeight)) {
    problem = "Bitte eine Höhe von mindestens " + Pattern(kMinHeight, "0.00") + " m eingeben.";
  } else if (!(sigma > 0.0f)) {
    problem = "Das Material nennt keine Leitfähigkeit; es beginnt mit ihrer Zahl, z. B. „" +
              std::string(kDefaultConductor) + "“.";
  } else if (insulated && !(outer > d)) {
    problem = "Der Außen-d muss größer als der Draht-d sein; leer lassen für blanken Draht.";
  } else if (insulated && !(epsR >= 1.0f)) {
    problem =
        "Die Isolierung nennt kein εr von mindestens 1; sie beginnt mit seiner Zahl, z. B. „" +
        DefaultInsulation(platform_.DecimalSeparator()) + "“.";
  }
  if (problem.empty()) {
    wire_ = {Widen(f), ground == nec::Ground::kFree ? 0.0 : Widen(h),
             Widen(d), Widen(sigma) * 1e6,
             ground,   nec::kDefaultSegments,
             {}};
    if (insulated) wire_.insulation = nec::Insulation{Widen(epsR), Widen(outer)};
    closed_ = insulated ? InsulatedClosedFormOf(f, h, d, outer, epsR, ground)
                        : ClosedFormOf(f, h, d, ground);
  }
  rowVf.closedForm.toolTip =
      insulated ? "„Gesamt - Vf“ der resonanten Dipollänge, mit der Isolierung" : "";
  rowLaenge.closedForm.caption = closed_ ? Pattern(closed_->lengthM, "0.000") : kNone;
  rowVf.closedForm.caption = closed_ ? Pattern(closed_->vf, "0.0000") : kNone;
  rowR.closedForm.caption = closed_ ? Pattern(closed_->rs, "0.0") : kNone;
  std::string note;
  if (problem.empty() && ground == nec::Ground::kFree) {
    note = "Ohne Boden hat die Formel kein Gegenstück; sie kennt nur Höhen über einem Boden.";
  } else if (problem.empty() && insulated && !closed_) {
    note =
        "Für isolierten Draht hat die Formel nur die resonante Dipollänge über mittlerem "
        "Boden.";
  } else if (closed_ && RsDrifts(wire_.frequencyMHz, wire_.heightM, ground)) {
    note = "Unter " + Pattern(kRsDriftWavelengths, "0.0") +
           " λ Höhe über realem Boden ist das Rs der Formel unzuverlässig.";
  }
  if (closed_ && closed_->correction != DiameterCorrection::kNone) {
    note += std::string(note.empty() ? "" : " ") +
            "Die Formel rechnet wie der Einzel-Wert-Dialog " + "mit " +
            FormatGeneral(closed_->diameterMm, platform_.DecimalSeparator()) + " mm Draht.";
  }
  if (problem.empty() && insulated) {
    note =
        "Isolierter Draht: Formel als resonante Dipollänge, NEC-2 mit dem Mantel als Last. " + note;
  }
  lblHinweis.caption = note;
  lblStatus.caption = problem;
  cmdBerechnen.enabled = problem.empty();
  return problem.empty();
}

void FrmNecVergleich::Input_Changed() {
  if (read_ == Inputs()) return;
  StopSearch();
  ClearNec();
  ReadInputs();
  tmrNeustart.Arm();
}

void FrmNecVergleich::tmrNeustart_Timer() {
  tmrNeustart.enabled = false;
  cmdBerechnen_Click();
}

void FrmNecVergleich::cmdBerechnen_Click() {
  tmrNeustart.enabled = false;
  StopSearch();
  ClearNec();
  if (!ReadInputs()) return;
  searching_ = true;
  ++generation_;
  cmdAbbrechen.enabled = true;
  prgBusy.visible = true;
  lblStatus.caption = kSearching;
}

void FrmNecVergleich::cmdAbbrechen_Click() {
  tmrNeustart.enabled = false;
  if (!searching_) return;
  StopSearch();
  lblStatus.caption = nec::CancelledFailure().message;
}

void FrmNecVergleich::cmdSchliessen_Click() {
  tmrNeustart.enabled = false;
  StopSearch();
  Hide();
}

void FrmNecVergleich::SearchFinished(std::uint64_t generation,
                                     const nec::Result<nec::Resonance>& result) {
  if (!searching_ || generation != generation_) return;
  StopSearch();
  if (!result.ok()) {
    lblStatus.caption = result.failure().message;
    return;
  }
  const nec::Resonance& r = result.value();
  rowLaenge.nec.caption = Pattern(r.lengthM, "0.000");
  rowVf.nec.caption = Pattern(r.vf, "0.0000");
  rowR.nec.caption = Pattern(r.impedance.r, "0.0");
  auto difference = [this](double closed, double nec) {
    return Pattern(DifferencePercent(closed, nec), "0.00") + " %";
  };
  rowLaenge.difference.caption = closed_ ? difference(closed_->lengthM, r.lengthM) : kNone;
  rowVf.difference.caption = closed_ ? difference(closed_->vf, r.vf) : kNone;
  rowR.difference.caption = closed_ ? difference(closed_->rs, r.impedance.r) : kNone;
  lblStatus.caption = "NEC-2: Resonanz nach " + std::to_string(r.runs) + " nec2c-Läufen, " +
                      std::to_string(wire_.segments) + " Segmente.";
}

}  // namespace velmora
