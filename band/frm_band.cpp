// SPDX-License-Identifier: GPL-3.0-or-later
#include "band/frm_band.h"

#include <algorithm>
#include <cmath>

#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "formulas/trim.h"
#include "single/materials.h"
#include "single/velocity_factor.h"
#include "touchstone/touchstone.h"

namespace velmora::band {
namespace {

constexpr const char* kNone = "–";  // a cell without a value
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kLoadTitle = "Messung laden";

// The measurement's SWR at f, linear between samples; not finite outside the sweep.
double MeasuredSwr(const std::vector<SweepPoint>& points, double fMHz, double z0) {
  const auto above =
      std::lower_bound(points.begin(), points.end(), fMHz,
                       [](const SweepPoint& p, double f) { return p.frequencyMHz < f; });
  if (above == points.end()) return INFINITY;
  if (above->frequencyMHz == fMHz) return Swr(above->z, z0);
  if (above == points.begin()) return INFINITY;
  const SweepPoint& below = *(above - 1);
  const double t = (fMHz - below.frequencyMHz) / (above->frequencyMHz - below.frequencyMHz);
  return Swr(below.z, z0) + (Swr(above->z, z0) - Swr(below.z, z0)) * t;
}

}  // namespace

FrmBand::FrmBand(Platform& platform)
    : Form("frmBand"),
      rows{{
          {Label{"lblLaenge"}, Label{"lblLaengeFormel"}, Label{"lblLaengeNec"},
           Label{"lblLaengeMessung"}},
          {Label{"lblSchenkel"}, Label{"lblSchenkelFormel"}, Label{"lblSchenkelNec"},
           Label{"lblSchenkelMessung"}},
          {Label{"lblResonanz"}, Label{"lblResonanzFormel"}, Label{"lblResonanzNec"},
           Label{"lblResonanzMessung"}},
          {Label{"lblR"}, Label{"lblRFormel"}, Label{"lblRNec"}, Label{"lblRMessung"}},
          {Label{"lblSwvMin"}, Label{"lblSwvMinFormel"}, Label{"lblSwvMinNec"},
           Label{"lblSwvMinMessung"}},
          {Label{"lblSwvUnten"}, Label{"lblSwvUntenFormel"}, Label{"lblSwvUntenNec"},
           Label{"lblSwvUntenMessung"}},
          {Label{"lblSwvOben"}, Label{"lblSwvObenFormel"}, Label{"lblSwvObenNec"},
           Label{"lblSwvObenMessung"}},
          {Label{"lblBereich15"}, Label{"lblBereich15Formel"}, Label{"lblBereich15Nec"},
           Label{"lblBereich15Messung"}},
          {Label{"lblBreite15"}, Label{"lblBreite15Formel"}, Label{"lblBreite15Nec"},
           Label{"lblBreite15Messung"}},
          {Label{"lblBereich2"}, Label{"lblBereich2Formel"}, Label{"lblBereich2Nec"},
           Label{"lblBereich2Messung"}},
          {Label{"lblBreite2"}, Label{"lblBreite2Formel"}, Label{"lblBreite2Nec"},
           Label{"lblBreite2Messung"}},
          {Label{"lblWirkungsgrad"}, Label{"lblWirkungsgradFormel"}, Label{"lblWirkungsgradNec"},
           Label{"lblWirkungsgradMessung"}},
          {Label{"lblVerlust"}, Label{"lblVerlustFormel"}, Label{"lblVerlustNec"},
           Label{"lblVerlustMessung"}},
          {Label{"lblRs"}, Label{"lblRsFormel"}, Label{"lblRsNec"}, Label{"lblRsMessung"}},
          {Label{"lblRve"}, Label{"lblRveFormel"}, Label{"lblRveNec"}, Label{"lblRveMessung"}},
          {Label{"lblRv"}, Label{"lblRvFormel"}, Label{"lblRvNec"}, Label{"lblRvMessung"}},
      }},
      platform_(platform) {
  // Twips: the inputs on the left, the table on the right, the plot under both, then the
  // read-out, the status and the buttons.
  constexpr int kRow = 330;
  constexpr int kBox = 285;
  const std::pair<Label*, Control*> inputs[] = {{&lblBand, &cboBand},
                                                {&lblVon, &txtVon},
                                                {&lblBis, &txtBis},
                                                {&lblFrequenz, &txtFrequenz},
                                                {&lblHoehe, &txtHoehe},
                                                {&lblDraht, &txtDraht},
                                                {&lblAussen, &txtAussen},
                                                {&lblIsolierung, &cboIsolierung},
                                                {&lblMaterial, &cboMaterial},
                                                {&lblBoden, &cboBoden},
                                                {&lblZ0, &txtZ0}};
  int tab = 0;
  int top = 120;
  for (const auto& [label, box] : inputs) {
    Place(*label, 120, top + 30, 1560, kBox);
    Place(*box, 1740, top, 1860, kBox, tab++);
    top += kRow;
  }
  constexpr int kCaptionX = 3780;
  constexpr int kFormulaX = 6900;
  constexpr int kNecX = 8640;
  constexpr int kMeasuredX = 10380;
  constexpr int kColumn = 1620;
  constexpr int kLine = 252;
  Place(lblFormel, kFormulaX, 120, kColumn, 240);
  Place(lblNec, kNecX, 120, kColumn, 240);
  Place(lblMessung, kMeasuredX, 120, kColumn, 240);
  top = 390;
  for (Row& row : rows) {
    Place(row.caption, kCaptionX, top + 15, kFormulaX - kCaptionX - 60, kLine - 12);
    Place(row.closedForm, kFormulaX, top, kColumn, kLine - 12);
    Place(row.nec, kNecX, top, kColumn, kLine - 12);
    Place(row.measured, kMeasuredX, top, kColumn, kLine - 12);
    top += kLine;
  }
  Place(picSwv, 120, kPlotTop, kPlotWidth, kPlotHeight, tab++);
  Place(lblAnzeige, 120, kPlotTop + kPlotHeight + 60, kPlotWidth, 240);
  Place(lblStatus, 120, kPlotTop + kPlotHeight + 360, kPlotWidth, 420);
  const int trim = kPlotTop + kPlotHeight + 840;
  Place(cmdLaden, 120, trim, 2040, 360, tab++);
  Place(lblGemessen, 2280, trim + 75, 2280, 240);
  Place(txtGemessen, 4560, trim + 30, 1020, kBox, tab++);
  Place(lblJetzt, 5820, trim + 75, 1620, 240);
  Place(txtJetzt, 7440, trim + 30, 1020, kBox, tab++);
  Place(lblTrim, 120, trim + 465, kPlotWidth, 240);
  const int buttons = trim + 900;
  Place(prgBusy, 120, buttons + 75, 1080, 210);
  Place(cmdTouchstone, 1320, buttons, 2640, 360, tab++);
  Place(cmdAbbrechen, 4080, buttons, 1380, 360, tab++);
  Place(cmdExportieren, 5580, buttons, 1500, 360, tab++);
  Place(cmdDrucken, 7200, buttons, 1380, 360, tab++);
  Place(cmdSchliessen, 120 + kPlotWidth - 1380, buttons, 1380, 360, tab++);
  dropSuffix = ".s1p";
  tmrNeustart.interval = kRestartMs;
  tmrNeustart.enabled = false;
  prgBusy.visible = false;
  cboBand.listOnly = true;
  cboBoden.listOnly = true;

  const auto on = [this](void (FrmBand::*handler)()) {
    ControlEvents events;
    events.click = [this, handler] { (this->*handler)(); };
    return events;
  };
  ControlEvents number;
  number.keyPress = [this](std::int16_t& key) { Text_KeyPress(key); };
  number.change = on(&FrmBand::Input_Changed).click;
  ControlEvents picked = on(&FrmBand::Input_Changed);
  picked.change = picked.click;
  const auto label = [this](Label& l, LabelLook look) {
    controls_.emplace_back(&l, ControlKind::kLabel, "", look);
  };
  for (const auto& [caption, box] : inputs) {
    label(*caption, LabelLook::kLeft);
    const bool list =
        box == &cboBand || box == &cboIsolierung || box == &cboMaterial || box == &cboBoden;
    controls_.emplace_back(box, list ? ControlKind::kComboBox : ControlKind::kTextBox, "",
                           LabelLook::kPlain, false, list ? picked : number);
  }
  label(lblFormel, LabelLook::kHeading);
  label(lblNec, LabelLook::kHeading);
  label(lblMessung, LabelLook::kHeading);
  for (Row& row : rows) {
    label(row.caption, LabelLook::kLeft);
    label(row.closedForm, LabelLook::kNumber);
    label(row.nec, LabelLook::kNumber);
    label(row.measured, LabelLook::kNumber);
  }
  ControlEvents plot = on(&FrmBand::picSwv_Copy);
  plot.pointer = [this](std::optional<double> x) { picSwv_Pointer(x); };
  plot.plotKey = [this](PlotKey key) { picSwv_Key(key); };
  controls_.emplace_back(&picSwv, ControlKind::kPicture, "", LabelLook::kPlain, false, plot);
  label(lblAnzeige, LabelLook::kLeft);
  label(lblStatus, LabelLook::kLeft);
  controls_.emplace_back(&prgBusy, ControlKind::kBusy);
  controls_.emplace_back(&cmdLaden, ControlKind::kCommandButton, "", LabelLook::kPlain, false,
                         on(&FrmBand::cmdLaden_Click));
  const auto trimBox = [&](Label& caption, TextBox& box, void (FrmBand::*handler)()) {
    label(caption, LabelLook::kLeft);
    ControlEvents events;
    events.keyPress = number.keyPress;
    events.change = [this, handler] { (this->*handler)(); };
    controls_.emplace_back(&box, ControlKind::kTextBox, "", LabelLook::kPlain, false, events);
  };
  trimBox(lblGemessen, txtGemessen, &FrmBand::txtGemessen_Change);
  trimBox(lblJetzt, txtJetzt, &FrmBand::txtJetzt_Change);
  label(lblTrim, LabelLook::kLeft);
  const auto button = [this](CommandButton& b, ControlEvents events) {
    controls_.emplace_back(&b, ControlKind::kCommandButton, "", LabelLook::kPlain, false,
                           std::move(events));
  };
  button(cmdTouchstone, on(&FrmBand::cmdTouchstone_Click));
  button(cmdAbbrechen, on(&FrmBand::cmdAbbrechen_Click));
  button(cmdExportieren, on(&FrmBand::cmdExportieren_Click));
  button(cmdDrucken, on(&FrmBand::cmdDrucken_Click));
  button(cmdSchliessen, on(&FrmBand::cmdSchliessen_Click));
  controls_.emplace_back(&tmrNeustart, ControlKind::kTimer, "", LabelLook::kPlain, false,
                         on(&FrmBand::tmrNeustart_Timer));
}

std::string FrmBand::Text(double value, const char* pattern) const {
  return FormatPattern(value, pattern, platform_.DecimalSeparator());
}

void FrmBand::Load(const BandTexts& prefill) {
  const char separator = platform_.DecimalSeparator();
  loaded = true;
  visible = false;
  caption = kCaption;
  lblBand.caption = "Band:";
  lblVon.caption = "von [MHz]:";
  lblBis.caption = "bis [MHz]:";
  lblFrequenz.caption = "Entwurf [MHz]:";
  txtFrequenz.toolTip = "Entwurfsfrequenz; leer: die Bandmitte";
  lblHoehe.caption = "Höhe [m]:";
  lblDraht.caption = "Draht-d [mm]:";
  lblAussen.caption = "Außen-d [mm]:";
  txtAussen.toolTip = "Außendurchmesser der Isolierung; leer oder gleich Draht-d: blanker Draht";
  lblIsolierung.caption = "Isolierung:";
  lblMaterial.caption = "Material:";
  lblBoden.caption = "Boden:";
  lblZ0.caption = "Z0 [Ohm]:";
  txtZ0.toolTip = "Bezugsimpedanz: die Speiseleitung, oder was ein Balun aus ihr macht";
  lblFormel.caption = "Formel";
  lblNec.caption = "NEC-2";
  lblMessung.caption = "Messung";
  lblGemessen.caption = "Resonanz gemessen [MHz]:";
  txtGemessen.toolTip =
      "Wo X von minus nach plus wechselt: aus der geladenen Messung, oder selbst eingeben";
  lblJetzt.caption = "Länge jetzt [m]:";
  txtJetzt.toolTip = "Die Gesamtlänge des gemessenen Drahts";
  cmdLaden.caption = "Messung &laden...";
  cmdLaden.toolTip =
      "Touchstone-Datei (.s1p) eines Antennenanalysators; auch durch Ziehen auf das "
      "Fenster";
  const std::string s15 = FormatGeneral(1.5, separator);
  const char* captions[kRowCount] = {"Länge gesamt [m]:",
                                     "Schenkel, ohne Mittelisolator [m]:",
                                     "Resonanz [MHz]:",
                                     "R bei Resonanz [Ohm]:",
                                     "kleinstes SWV:",
                                     "SWV an der unteren Bandgrenze:",
                                     "SWV an der oberen Bandgrenze:",
                                     nullptr,
                                     "    Breite [kHz]:",
                                     "SWV ≤ 2 von – bis [MHz]:",
                                     "    Breite [kHz]:",
                                     "Wirkungsgrad Rs / R [%]:",
                                     "Verlust [dB]:",
                                     "Strahlungswiderstand Rs [Ohm]:",
                                     "Bodenverlust Rve [Ohm]:",
                                     "Leiterverlust Rv [Ohm]:"};
  for (int i = 0; i < kRowCount; ++i) {
    rows[static_cast<std::size_t>(i)].caption.caption =
        captions[i] ? captions[i] : "SWV ≤ " + s15 + " von – bis [MHz]:";
  }
  rows[kR].caption.toolTip = "Formel: R = Rs + Rve + Rv; NEC-2: Wirkanteil bei Resonanz";
  cmdTouchstone.caption = "Als &Touchstone exportieren...";
  cmdAbbrechen.caption = "&Abbrechen";
  cmdExportieren.caption = "&Exportieren...";
  cmdDrucken.caption = "&Drucken...";
  cmdSchliessen.caption = "&Schließen";
  cmdSchliessen.isCancel = true;
  cboBand.items.clear();
  for (const Band& band : Bands()) cboBand.AddItem(band.name);
  cboBand.AddItem(kFreeBand);
  cboIsolierung.items = InsulationMaterials(separator);
  cboMaterial.items = ConductorMaterials(separator);
  cboBoden.items = {nec::GroundText(nec::Ground::kAverage), nec::GroundText(nec::Ground::kPerfect)};
  cboBand.text = prefill.band;
  txtVon.text = prefill.from;
  txtBis.text = prefill.to;
  txtFrequenz.text = prefill.frequency;
  txtHoehe.text = prefill.height;
  txtDraht.text = prefill.diameter;
  txtAussen.text = prefill.outerDiameter;
  cboIsolierung.text =
      prefill.insulation.empty() ? DefaultInsulation(separator) : prefill.insulation;
  cboMaterial.text = prefill.material;
  cboBoden.text = prefill.ground;
  txtZ0.text = prefill.impedance;
  band_ = prefill.frequency.empty() ? std::string() : cboBand.text;
  marked_.reset();
  Recompute();
}

void FrmBand::Unload() {
  session_.Cancel();
  tmrNeustart.enabled = false;
  loaded = false;
  visible = false;
}

BandTexts FrmBand::Texts() const {
  return {cboBand.text,     txtVon.text,   txtBis.text,    txtFrequenz.text,
          txtHoehe.text,    txtDraht.text, txtAussen.text, cboIsolierung.text,
          cboMaterial.text, cboBoden.text, txtZ0.text};
}

void FrmBand::Text_KeyPress(std::int16_t& key) {
  key = FilterNumericKey(key, kNumericKeys, platform_);
}

void FrmBand::Recompute() {
  const bool free = cboBand.text == kFreeBand;
  txtVon.enabled = free;
  txtBis.enabled = free;
  // A band shows its limits, and a band picked starts at its centre.
  if (const std::optional<Band> band = FindBand(cboBand.text)) {
    const char separator = platform_.DecimalSeparator();
    txtVon.text = FormatGeneral(band->fromMHz, separator);
    txtBis.text = FormatGeneral(band->toMHz, separator);
    if (cboBand.text != band_) {
      txtFrequenz.text =
          FormatGeneral(std::round((band->fromMHz + band->toMHz) / 2 * 1e4) / 1e4, separator);
    }
  }
  band_ = cboBand.text;
  session_.Update(Texts());
  Show();
}

void FrmBand::Input_Changed() {
  if (Texts() == session_.Texts() && band_ == cboBand.text) return;
  Recompute();
  tmrNeustart.Arm();
}

void FrmBand::tmrNeustart_Timer() {
  tmrNeustart.enabled = false;
}

void FrmBand::NecDone(std::uint64_t generation, nec::Result<NecBand> result) {
  if (session_.NecDone(generation, std::move(result))) Show();
}

void FrmBand::cmdAbbrechen_Click() {
  tmrNeustart.enabled = false;
  session_.Cancel();
  Show();
}

void FrmBand::cmdSchliessen_Click() {
  tmrNeustart.enabled = false;
  session_.Cancel();
  marked_.reset();
  Hide();
}

void FrmBand::Show() {
  const std::optional<BandDesign>& design = session_.Design();
  const bool running = session_.NecRunning();
  const bool measuring = design && !measured_.empty();
  for (Row& row : rows) {
    row.closedForm.caption = design ? kNone : "";
    row.nec.caption = design && !running ? kNone : "";
    row.measured.caption = measuring ? kNone : "";
  }
  const auto optional = [this](const std::optional<double>& v, const char* pattern) {
    return v && std::isfinite(*v) ? Text(*v, pattern) : std::string(kNone);
  };
  const auto fill = [&](const BandColumn& c, Label Row::*cell) {
    const SweepFigures& f = c.figures;
    const auto set = [&](RowIndex i, std::string text) {
      (rows[i].*cell).caption = std::move(text);
    };
    set(kLength, Text(c.lengthM, "0.000"));
    set(kLeg, Text(c.legLengthM, "0.000"));
    set(kResonance, optional(f.resonanceMHz, "0.0000"));
    set(kR, Text(c.r, "0.0"));
    set(kSwrMin, f.swrMin > 0 ? Text(f.swrMin, "0.00") : kNone);
    set(kSwrLower, optional(c.swrAtLimits[0], "0.00"));
    set(kSwrUpper, optional(c.swrAtLimits[1], "0.00"));
    const std::pair<RowIndex, const std::optional<FrequencyRange>*> ranges[] = {
        {kRange15, &f.within15}, {kRange2, &f.within2}};
    for (const auto& [at, range] : ranges) {
      if (!*range) continue;
      set(at, Text((*range)->fromMHz, "0.0000") + " – " + Text((*range)->toMHz, "0.0000"));
      set(static_cast<RowIndex>(at + 1), Text(((*range)->toMHz - (*range)->fromMHz) * 1e3, "0.0"));
    }
  };
  if (design) {
    const ClosedFormBand& cf = design->closedForm;
    fill(cf.column, &Row::closedForm);
    rows[kEfficiency].closedForm.caption = Text(cf.Efficiency() * 100.0, "0.0");
    rows[kLoss].closedForm.caption = Text(cf.LossDb(), "0.00");
    rows[kRs].closedForm.caption = Text(cf.rs, "0.00");
    rows[kRve].closedForm.caption = Text(cf.rve, "0.00");
    rows[kRv].closedForm.caption = Text(cf.rv, "0.00");
    if (design->nec) fill(design->nec->column, &Row::nec);
    if (measuring) {
      BandColumn m;
      m.figures = MeasuredFigures(design->inputs);
      m.points = measured_;
      fill(m, &Row::measured);
      // Only what the sweep itself says: no wire, no resistance, no SWR at limits it misses.
      for (RowIndex i : {kLength, kLeg}) rows[i].measured.caption = kNone;
      const std::optional<double> r =
          m.figures.resonanceMHz
              ? std::optional<double>(MeasuredResistance(*m.figures.resonanceMHz))
              : std::nullopt;
      rows[kR].measured.caption = optional(r, "0.0");
      const double z0 = Widen(design->inputs.impedance);
      rows[kSwrLower].measured.caption =
          optional(MeasuredSwr(measured_, design->inputs.fromMHz, z0), "0.00");
      rows[kSwrUpper].measured.caption =
          optional(MeasuredSwr(measured_, design->inputs.toMHz, z0), "0.00");
    }
  }
  if (!design) {
    lblStatus.caption = session_.Problem();
  } else if (running) {
    lblStatus.caption = kRunning;
  } else if (design->nec) {
    lblStatus.caption = "NEC-2: " + std::to_string(design->nec->runs) + " nec2c-Läufe, " +
                        std::to_string(design->inputs.segments) + " Segmente.";
  } else if (design->necFailure) {
    lblStatus.caption = design->necFailure->message;
  }
  prgBusy.visible = running;
  cmdAbbrechen.enabled = running;
  cmdExportieren.enabled = design.has_value();
  cmdDrucken.enabled = design.has_value();
  cmdTouchstone.enabled = design.has_value();
  layout_ =
      DrawBandPlot(picture, design ? &*design : nullptr, platform_.DecimalSeparator(), measured_);
  ShowTrim();
  ShowReadout();
}

const SweepFigures& FrmBand::MeasuredFigures(const BandInputs& in) {
  // A long sweep costs milliseconds; only the design frequency and Z0 change its figures.
  if (figures_.frequency != in.frequency || figures_.impedance != in.impedance) {
    figures_ = {in.frequency, in.impedance,
                AnalyseSweep(measured_, Widen(in.frequency), Widen(in.impedance))};
  }
  return figures_.figures;
}

double FrmBand::MeasuredResistance(double fMHz) const {
  const auto above =
      std::lower_bound(measured_.begin(), measured_.end(), fMHz,
                       [](const SweepPoint& p, double f) { return p.frequencyMHz < f; });
  if (above == measured_.end()) return INFINITY;
  if (above == measured_.begin()) return above->z.real();
  const SweepPoint& below = *(above - 1);
  const double t = (fMHz - below.frequencyMHz) / (above->frequencyMHz - below.frequencyMHz);
  return below.z.real() + (above->z.real() - below.z.real()) * t;
}

std::optional<double> FrmBand::MeasuredResonance() const {
  const double f = Widen(ParseDecimal(txtGemessen.text));
  return f > 0 && std::isfinite(f) ? std::optional<double>(f) : std::nullopt;
}

bool FrmBand::TrimSearchWanted() const {
  const std::optional<BandDesign>& design = session_.Design();
  return loaded && design && design->nec && trimFor_.second > 0 && !trimNec_;
}

nec::Wire FrmBand::TrimSearchWire() const {
  nec::Wire wire = NecWire(session_.Design()->inputs);
  wire.frequencyMHz = trimFor_.second;
  return wire;
}

void FrmBand::TrimSearchDone(std::uint64_t generation, const nec::Result<nec::Resonance>& result) {
  if (generation != trimGeneration_ || trimNec_) return;
  trimNec_ = result;
  ShowTrim();
}

void FrmBand::ShowTrim() {
  const std::optional<BandDesign>& design = session_.Design();
  const std::optional<double> resonance = MeasuredResonance();
  // A new design or resonance needs NEC-2's length anew.
  if (const std::pair key{session_.Generation(), resonance.value_or(0.0)}; key != trimFor_) {
    trimFor_ = key;
    trimNec_.reset();
    ++trimGeneration_;
  }
  lblTrim.toolTip.clear();
  if (!design) {
    lblTrim.caption.clear();
    return;
  }
  const BandInputs& in = design->inputs;
  const double now = Widen(ParseDecimal(txtJetzt.text));
  if (!resonance) {
    const bool none = !measured_.empty() && !MeasuredFigures(in).resonanceMHz;
    lblTrim.caption =
        none ? "Keine Resonanz in der Messung: X wechselt nirgends von minus nach plus."
             : "Die gemessene Resonanz eingeben oder eine Messung laden, um zu sehen, wie viel "
               "zu kürzen ist.";
    return;
  }
  if (!(now > 0 && std::isfinite(now))) {
    lblTrim.caption = "Die Länge jetzt eingeben, um zu sehen, wie viel zu kürzen ist.";
    return;
  }
  std::optional<Trim> trim;
  std::string model;
  if (design->nec && trimNec_ && trimNec_->ok()) {
    trim =
        TrimByModel(now, design->nec->column.lengthM, trimNec_->value().lengthM, TrimModel::kNec);
    model = " (nach NEC-2)";
  } else {
    trim = TrimByModel(now, FormulaLength(in, Widen(in.frequency)), FormulaLength(in, *resonance),
                       TrimModel::kFormula);
    // Until NEC-2's answer is in, the formulas' stands, and says it may still change.
    const bool pending = session_.NecRunning() || TrimSearchWanted();
    model = pending ? " (nach den Formeln; NEC-2 rechnet …)" : " (nach den Formeln)";
    if (trimNec_ && !trimNec_->ok()) {
      lblTrim.toolTip = "NEC-2: " + trimNec_->failure().message;
    } else if (design->necFailure) {
      lblTrim.toolTip = "NEC-2: " + design->necFailure->message;
    }
  }
  lblTrim.caption =
      trim ? trim->text + model : "Für diese Resonanz ergibt das Modell keine Länge des Drahts.";
}

void FrmBand::PrefillLength() {
  const std::optional<BandDesign>& design = session_.Design();
  if (txtJetzt.text.empty() && design) {
    const double length =
        design->nec ? design->nec->column.lengthM : design->closedForm.column.lengthM;
    txtJetzt.text = Text(length, "0.00");
  }
}

void FrmBand::txtGemessen_Change() {
  // A first resonance typed offers the length this window told him to cut.
  if (MeasuredResonance()) PrefillLength();
  ShowTrim();
}

void FrmBand::txtJetzt_Change() {
  ShowTrim();
}

void FrmBand::cmdLaden_Click() {
  if (const std::optional<std::string> path =
          platform_.OpenFile(kLoadTitle, "Touchstone-Datei (*.s1p *.S1P)")) {
    Form_FileDrop(*path);
  }
}

void FrmBand::Form_FileDrop(const std::string& path) {
  touchstone::ReadResult read = touchstone::ReadFile(path);
  if (!read.ok()) {
    platform_.MessageBox(
        "Die Messung „" + path + "“ konnte nicht gelesen werden." + kLineBreak + read.error.message,
        kLoadTitle, kMbOkOnly | kMbExclamation);
    return;
  }
  measured_.clear();
  for (const touchstone::Point& p : read.sweep->points) {
    measured_.push_back({p.frequencyMHz, p.z});
  }
  measuredFile_ = path;
  figures_ = {};
  txtGemessen.text.clear();
  if (const std::optional<BandDesign>& design = session_.Design()) {
    const BandInputs& in = design->inputs;
    if (const std::optional<double> f = MeasuredFigures(in).resonanceMHz) {
      txtGemessen.text = Text(*f, "0.0000");
    }
    PrefillLength();
  }
  Show();
}

void FrmBand::ShowReadout() {
  const std::optional<BandDesign>& design = session_.Design();
  if (!marked_ || !design) {
    picSwv.marker.reset();
    lblAnzeige.caption.clear();
    return;
  }
  const auto i = static_cast<std::size_t>(*marked_);
  const double z0 = Widen(design->inputs.impedance);
  const auto swr = [&](const BandColumn& c) {
    const double s = i < c.points.size() ? Swr(c.points[i].z, z0) : INFINITY;
    return std::isfinite(s) ? Text(s, "0.00") : std::string(kNone);
  };
  const BandColumn& cf = design->closedForm.column;
  picSwv.marker = layout_.SampleX(*marked_);
  lblAnzeige.caption = Text(cf.points[i].frequencyMHz, "0.0000") + " MHz:  SWV Formel " + swr(cf) +
                       ",  NEC-2 " + (design->nec ? swr(design->nec->column) : kNone);
  if (!measured_.empty()) {
    const double s = MeasuredSwr(measured_, cf.points[i].frequencyMHz, z0);
    lblAnzeige.caption += ",  Messung " + (std::isfinite(s) ? Text(s, "0.00") : kNone);
  }
}

void FrmBand::picSwv_Pointer(std::optional<double> x) {
  if (x) {
    marked_ = layout_.NearestSample(*x);
  } else {
    marked_.reset();
  }
  ShowReadout();
}

void FrmBand::picSwv_Key(PlotKey key) {
  constexpr int kLast = kSamples - 1;
  int i = 0;
  if (!marked_) {
    // A first key shows the marker at the end it points to.
    i = key == PlotKey::kLeft || key == PlotKey::kPageLeft || key == PlotKey::kLast ? kLast : 0;
  } else {
    switch (key) {
      case PlotKey::kLeft:
        i = *marked_ - 1;
        break;
      case PlotKey::kRight:
        i = *marked_ + 1;
        break;
      case PlotKey::kPageLeft:
        i = *marked_ - kPageSamples;
        break;
      case PlotKey::kPageRight:
        i = *marked_ + kPageSamples;
        break;
      case PlotKey::kFirst:
        i = 0;
        break;
      case PlotKey::kLast:
        i = kLast;
        break;
    }
  }
  marked_ = std::clamp(i, 0, kLast);
  ShowReadout();
}

CurveOutput FrmBand::Output() const {
  const BandDesign& design = *session_.Design();
  const char separator = platform_.DecimalSeparator();
  std::string name = design.inputs.bandName;
  std::replace(name.begin(), name.end(), ' ', '-');
  CurveOutput out;
  out.image = &picture.Image();
  out.title = "SWV über der Frequenz, " + design.inputs.bandName + ", Entwurf " +
              FormatGeneral(Widen(design.inputs.frequency), separator) + " MHz, Z0 " +
              FormatGeneral(Widen(design.inputs.impedance), separator) + " Ohm";
  out.csv = BandCsv(design, separator);
  if (!measured_.empty()) {
    // The measurement's SWR at each sample as a last column; empty outside its sweep.
    const char sep = separator == ',' ? ';' : ',';
    const double z0 = Widen(design.inputs.impedance);
    std::string csv;
    std::size_t line = 0;
    for (std::size_t at = 0, end = 0; (end = out.csv.find('\n', at)) != std::string::npos;
         at = end + 1, ++line) {
      csv += out.csv.substr(at, end - at) + sep;
      if (line == 0) {
        csv += "Messung SWV";
      } else if (line - 1 < design.closedForm.column.points.size()) {
        const double s =
            MeasuredSwr(measured_, design.closedForm.column.points[line - 1].frequencyMHz, z0);
        if (std::isfinite(s)) csv += FormatGeneral(s, separator);
      }
      csv += '\n';
    }
    out.csv = std::move(csv);
  }
  out.fileName = "SWV-" + name;
  return out;
}

void FrmBand::picSwv_Copy() {
  if (session_.Design()) platform_.CopyCurve(Output());
}

void FrmBand::cmdExportieren_Click() {
  if (!session_.Design()) return;
  const ExportOutcome outcome = platform_.ExportCurve(Output());
  if (outcome.result != ExportOutcome::Result::kFailed) return;
  platform_.MessageBox("Die Kurve konnte nicht als „" + outcome.path + "“ gespeichert werden." +
                           kLineBreak + outcome.error,
                       "Kurve exportieren", kMbOkOnly | kMbExclamation);
}

void FrmBand::cmdTouchstone_Click() {
  const std::optional<BandDesign>& design = session_.Design();
  if (!design) return;
  std::string name = design->inputs.bandName;
  std::replace(name.begin(), name.end(), ' ', '-');
  const FileOutput file{"Als Touchstone exportieren", "Dipol-" + name + ".s1p",
                        "Touchstone-Datei (*.s1p)", BandTouchstone(*design, cboMaterial.text)};
  const ExportOutcome outcome = platform_.SaveFile(file);
  if (outcome.result != ExportOutcome::Result::kFailed) return;
  platform_.MessageBox("Die Datei „" + outcome.path + "“ konnte nicht gespeichert werden." +
                           kLineBreak + outcome.error,
                       file.title, kMbOkOnly | kMbExclamation);
}

void FrmBand::cmdDrucken_Click() {
  // The marker is for the screen only.
  marked_.reset();
  ShowReadout();
  const PrintOutcome outcome = platform_.PrintForm(*this);
  if (outcome.ok) return;
  platform_.MessageBox(outcome.Description(), "Drucker-Fehler " + platform_.PrinterName(),
                       kMbOkOnly | kMbExclamation);
}

}  // namespace velmora::band
