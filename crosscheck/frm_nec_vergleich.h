// SPDX-License-Identifier: GPL-3.0-or-later
// frmNecVergleich, the dialog "NEC-2-Vergleich": the formulas against NEC-2 for one dipole of
// bare or insulated wire, side by side for the resonant length, Vf and the feed resistance (the
// formulas' Rs). For an insulated wire the formulas' column is the single-value "resonante
// Dipollänge" and NEC-2 models the sheath.
// The closed form follows every input at once; NEC-2's search runs in the background.
//
// Plain state, like the other form models, with its controls and events in one table
// (Controls()). The binding runs the search for SearchWire() while Searching(), handing its
// result to SearchFinished() with the generation it started it for; every new search, input or
// cancel makes a new generation, so an older result is dropped. An input stops the search and
// starts it again once typing pauses (tmrNeustart).
//
// clang-format off
//   the command opens it                      Load(prefill)
//   a character typed into one of the boxes   Text_KeyPress(key); key 0 afterwards: swallow
//   a box edited, a list item picked          Input_Changed()
//   typing paused for kRestartMs              tmrNeustart_Timer()
//   cmdBerechnen (Enter)                      cmdBerechnen_Click()
//   cmdAbbrechen                              cmdAbbrechen_Click()
//   cmdSchliessen, Escape, the close box      cmdSchliessen_Click()
// clang-format on
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "crosscheck/comparison.h"
#include "nec/resonance.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace velmora {

class FrmEinzelEingabe;

// The inputs of the comparison as the texts of its boxes; an empty text: none known.
struct NecInputs {
  std::string frequency;  // MHz
  std::string height;     // m
  std::string diameter;   // mm; the conductor's with an insulation
  std::string material;   // "56 Cu"
  std::string ground;     // "mittlerer Boden", "idealer Boden (leitende Ebene)", "ohne Boden"
  // The sheath's two, initialised, may be left out of a brace list: bare wire.
  std::string outerDiameter{};  // mm; empty, or the conductor's: bare wire
  std::string insulation{};     // "4,0   PVC (3,5...4,5)"

  bool operator==(const NecInputs&) const = default;
};

// What the single-value dialog holds for the comparison: frequency, height, diameter and
// material wherever it shows them, and its "Freiraum" box as the ground. Under "resonante
// Dipollänge" its insulated wire over real ground, which is all that calculation knows; under the
// others a bare wire.
NecInputs NecInputsFrom(FrmEinzelEingabe& dialog);
// `later` over `earlier` wherever `later` has a text; the outer diameter goes with the diameter.
NecInputs Merge(NecInputs earlier, const NecInputs& later);

class FrmNecVergleich : public Form {
 public:
  static constexpr const char* kCaption = "NEC-2-Vergleich";
  static constexpr const char* kSearching = "NEC-2 rechnet …";
  // How long typing pauses before the search starts again.
  static constexpr int kRestartMs = 500;

  explicit FrmNecVergleich(Platform& platform);

  Label lblFrequenz{"lblFrequenz"};
  TextBox txtFrequenz{"txtFrequenz"};
  Label lblHoehe{"lblHoehe"};
  TextBox txtHoehe{"txtHoehe"};  // disabled without a ground: NEC-2 ignores the height then
  Label lblDraht{"lblDraht"};
  TextBox txtDraht{"txtDraht"};
  Label lblMaterial{"lblMaterial"};
  ComboBox cboMaterial{"cboMaterial"};  // the conductor list; its leading number counts
  Label lblAussen{"lblAussen"};
  TextBox txtAussen{"txtAussen"};  // the insulation's outer diameter; empty: bare wire
  Label lblIsolierung{"lblIsolierung"};
  ComboBox cboIsolierung{"cboIsolierung"};  // the single-value insulation list; its number is er
  Label lblBoden{"lblBoden"};
  ComboBox cboBoden{"cboBoden"};  // one of the three grounds
  // The table: a caption and three columns per row.
  Label lblFormel{"lblFormel"};
  Label lblNec{"lblNec"};
  Label lblDifferenz{"lblDifferenz"};
  struct Row {
    Label caption;
    Label closedForm;
    Label nec;
    Label difference;  // the closed form against NEC-2, in percent
  };
  Row rowLaenge{Label{"lblLaenge"}, Label{"lblLaengeFormel"}, Label{"lblLaengeNec"},
                Label{"lblLaengeDifferenz"}};
  Row rowVf{Label{"lblVf"}, Label{"lblVfFormel"}, Label{"lblVfNec"}, Label{"lblVfDifferenz"}};
  Row rowR{Label{"lblR"}, Label{"lblRFormel"}, Label{"lblRNec"}, Label{"lblRDifferenz"}};
  Label lblHinweis{"lblHinweis"};  // where the formulas are known to drift, or have no answer
  Label lblStatus{"lblStatus"};    // the search: running, its result, or what failed
  CommandButton cmdBerechnen{"cmdBerechnen"};
  CommandButton cmdAbbrechen{"cmdAbbrechen"};  // enabled while the search runs
  CommandButton cmdSchliessen{"cmdSchliessen"};
  Control prgBusy{"prgBusy"};  // runs while NEC-2 searches
  Timer tmrNeustart{"tmrNeustart"};

  const ControlTable& Controls() const { return controls_; }

  // Loads the window with `prefill` over the defaults and starts the search.
  void Load(const NecInputs& prefill);
  void Unload();
  NecInputs Inputs() const;

  void Text_KeyPress(std::int16_t& key);
  void Input_Changed();
  void cmdBerechnen_Click();
  void cmdAbbrechen_Click();
  void cmdSchliessen_Click();
  void tmrNeustart_Timer();
  void Form_CloseBox() override { cmdSchliessen_Click(); }

  // --- for the binding ---
  bool Searching() const { return searching_; }
  std::uint64_t SearchGeneration() const { return generation_; }
  const nec::Wire& SearchWire() const { return wire_; }
  void SearchFinished(std::uint64_t generation, const nec::Result<nec::Resonance>& result);

 private:
  // Reads the boxes into wire_ and closed_ and fills the closed-form column; false, with the
  // reason in the status line, when NEC-2 has nothing to compute.
  bool ReadInputs();
  void ClearNec();
  void StopSearch();
  std::string Pattern(double value, const char* pattern) const;

  Platform& platform_;
  ControlTable controls_;
  // The inputs ReadInputs() last read: an event that changed none of them changes nothing.
  std::optional<NecInputs> read_;
  nec::Wire wire_;
  std::optional<ClosedForm> closed_;
  bool searching_ = false;
  std::uint64_t generation_ = 0;
};

}  // namespace velmora
