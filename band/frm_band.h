// SPDX-License-Identifier: GPL-3.0-or-later
// frmBand, the window "Dipol für ein Band": the inputs of a dipole for a band, the table of the
// closed form against NEC-2 and the SWR plot. Shown beside the main window, not modally.
//
// Plain state with its controls and events in one table (Controls()), like the other forms.
// Every input computes the closed form at once and makes a new generation of the BandSession;
// the binding runs a BandNecJob while NecWanted() and hands its result to NecDone(). Typing
// restarts NEC-2 once it pauses (tmrNeustart), so a running search is dropped at the first key.
//
// clang-format off
//   Berechnung -> "Dipol für ein Band..."     Load(prefill)
//   a character typed into a number box       Text_KeyPress(key); key 0 afterwards: swallow
//   a box edited, a list item picked          Input_Changed()
//   typing paused for kRestartMs              tmrNeustart_Timer()
//   the pointer over the plot, or it left     picSwv_Pointer(x)
//   a marker key on the plot                  picSwv_Key(key)
//   Ctrl+C on the plot                        picSwv_Copy()
//   cmdAbbrechen                              cmdAbbrechen_Click()
//   cmdExportieren                            cmdExportieren_Click()
//   cmdDrucken                                cmdDrucken_Click()
//   cmdTouchstone                             cmdTouchstone_Click()
//   cmdLaden                                  cmdLaden_Click()
//   a .s1p file dropped on the window         Form_FileDrop(path)
//   the measured resonance edited             txtGemessen_Change()
//   the present length edited                 txtJetzt_Change()
//   cmdSchliessen, Escape, the close box      cmdSchliessen_Click()
// clang-format on
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "band/band_plot.h"
#include "band/band_session.h"
#include "nec/resonance.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/retained_surface.h"

namespace velmora::band {

class FrmBand : public Form {
 public:
  static constexpr const char* kCaption = "Dipol für ein Band";
  static constexpr const char* kRunning = "NEC-2 rechnet …";
  static constexpr int kRestartMs = 500;
  static constexpr int kPageSamples = 5;  // a page key moves the marker this far

  explicit FrmBand(Platform& platform);

  Label lblBand{"lblBand"};
  ComboBox cboBand{"cboBand"};  // the bands and "frei"
  Label lblVon{"lblVon"};
  TextBox txtVon{"txtVon"};  // the limits: typed for "frei", shown for a band
  Label lblBis{"lblBis"};
  TextBox txtBis{"txtBis"};
  Label lblFrequenz{"lblFrequenz"};
  TextBox txtFrequenz{"txtFrequenz"};  // empty: the band's centre
  Label lblHoehe{"lblHoehe"};
  TextBox txtHoehe{"txtHoehe"};
  Label lblDraht{"lblDraht"};
  TextBox txtDraht{"txtDraht"};
  Label lblAussen{"lblAussen"};
  TextBox txtAussen{"txtAussen"};  // empty or the conductor's: bare wire
  Label lblIsolierung{"lblIsolierung"};
  ComboBox cboIsolierung{"cboIsolierung"};
  Label lblMaterial{"lblMaterial"};
  ComboBox cboMaterial{"cboMaterial"};
  Label lblBoden{"lblBoden"};
  ComboBox cboBoden{"cboBoden"};
  Label lblZ0{"lblZ0"};
  TextBox txtZ0{"txtZ0"};

  Label lblFormel{"lblFormel"};
  Label lblNec{"lblNec"};
  Label lblMessung{"lblMessung"};
  struct Row {
    Label caption;
    Label closedForm;
    Label nec;
    Label measured;  // the loaded measurement's, where the sweep says it
  };
  enum RowIndex {
    kLength,
    kLeg,
    kResonance,
    kR,
    kSwrMin,
    kSwrLower,
    kSwrUpper,
    kRange15,
    kWidth15,
    kRange2,
    kWidth2,
    kEfficiency,
    kLoss,
    kRs,
    kRve,
    kRv,
    kRowCount
  };
  std::array<Row, kRowCount> rows;

  static constexpr int kPlotWidth = 11880;  // twips, under the inputs and the table
  static constexpr int kPlotHeight = 3900;
  static constexpr int kPlotTop = 4530;
  RetainedSurface picture{kPlotWidth, kPlotHeight};
  PictureBox picSwv{"picSwv", picture};
  Label lblAnzeige{"lblAnzeige"};  // the read-out of the marked sample
  Label lblStatus{"lblStatus"};    // NEC-2 running, its result, or what is missing
  Control prgBusy{"prgBusy"};
  CommandButton cmdTouchstone{"cmdTouchstone"};  // the model's sweep as a Touchstone file
  CommandButton cmdLaden{"cmdLaden"};            // an analyser's sweep, a Touchstone file
  Label lblGemessen{"lblGemessen"};
  TextBox txtGemessen{"txtGemessen"};  // the measured resonance, MHz: the file's, or typed
  Label lblJetzt{"lblJetzt"};
  TextBox txtJetzt{"txtJetzt"};  // the wire's present total length, m
  Label lblTrim{"lblTrim"};      // how much to cut or add per leg
  CommandButton cmdAbbrechen{"cmdAbbrechen"};
  CommandButton cmdExportieren{"cmdExportieren"};
  CommandButton cmdDrucken{"cmdDrucken"};
  CommandButton cmdSchliessen{"cmdSchliessen"};
  Timer tmrNeustart{"tmrNeustart"};

  const ControlTable& Controls() const { return controls_; }

  // Opens the window with `prefill` over the defaults; NEC-2 starts at once.
  void Load(const BandTexts& prefill);
  void Unload();
  BandTexts Texts() const;

  void Text_KeyPress(std::int16_t& key);
  void Input_Changed();
  void tmrNeustart_Timer();
  void picSwv_Pointer(std::optional<double> x);
  void picSwv_Key(PlotKey key);
  void picSwv_Copy();
  void cmdAbbrechen_Click();
  void cmdExportieren_Click();
  void cmdDrucken_Click();
  void cmdTouchstone_Click();
  void cmdLaden_Click();
  void txtGemessen_Change();
  void txtJetzt_Change();
  void cmdSchliessen_Click();
  void Form_CloseBox() override { cmdSchliessen_Click(); }
  // Reads the sweep at `path`; a file that cannot be read says why and changes nothing.
  void Form_FileDrop(const std::string& path) override;

  // --- for the binding ---
  bool NecWanted() const { return loaded && session_.NecRunning() && !tmrNeustart.enabled; }
  std::uint64_t NecGeneration() const { return session_.Generation(); }
  const BandInputs& NecInputs() const { return session_.Design()->inputs; }
  void NecDone(std::uint64_t generation, nec::Result<NecBand> result);
  const BandSession& Session() const { return session_; }
  const std::vector<SweepPoint>& Measured() const { return measured_; }
  // The trim by NEC-2 needs its resonant length at the measured resonance too; the binding runs
  // that search while TrimSearchWanted() and hands its result to TrimSearchDone().
  bool TrimSearchWanted() const;
  std::uint64_t TrimSearchGeneration() const { return trimGeneration_; }
  nec::Wire TrimSearchWire() const;
  void TrimSearchDone(std::uint64_t generation, const nec::Result<nec::Resonance>& result);

 private:
  void Recompute();
  void Show();
  void ShowReadout();
  void ShowTrim();
  std::optional<double> MeasuredResonance() const;  // the box's, if it holds one
  // The loaded sweep's figures for the design frequency and Z0 of `inputs`.
  const SweepFigures& MeasuredFigures(const BandInputs& inputs);
  // An empty present length gets the length this window shows for the wire to cut.
  void PrefillLength();
  // The measured resistance at f, linear between samples.
  double MeasuredResistance(double fMHz) const;
  CurveOutput Output() const;
  std::string Text(double value, const char* pattern) const;

  Platform& platform_;
  ControlTable controls_;
  BandSession session_;
  BandPlotLayout layout_;
  std::optional<int> marked_;
  std::vector<SweepPoint> measured_;  // the loaded sweep; empty: none
  std::string measuredFile_;
  struct {
    float frequency = 0;  // what `figures` were computed for; 0: nothing yet
    float impedance = 0;
    SweepFigures figures;
  } figures_;
  // The design generation and resonance the NEC-2 trim search is for, and what it found.
  std::pair<std::uint64_t, double> trimFor_{0, 0.0};
  std::uint64_t trimGeneration_ = 0;
  std::optional<nec::Result<nec::Resonance>> trimNec_;
  std::string band_;  // the band the limits and the design frequency were last filled for
};

}  // namespace velmora::band
