// SPDX-License-Identifier: GPL-3.0-or-later
// The single-value dialog "frmEinzel_Eingabe": the user picks a calculation in Combo1, types the
// antenna data and presses OK; up to three results appear in the result frame and a description
// of the run in panel 1 of the main window's status bar. The dialog stays open after a run.
//
// The model holds every control's state in public members named like the controls, so a binding
// can mirror them into widgets; it reaches the outside world only through Platform.
//
// Widget events and the handlers a binding calls for them (after copying the widget's new text
// or value into the model):
//   the form is loaded                        Load()  (runs Form_Load)
//   the dialog is shown (first activation)    Form_Activate()
//   an item picked from Combo1's list         Combo1_Click()
//   an item picked from Combo2's list         Combo2_Click()
//   an item picked from Combo3's list         Combo3_Click()
//   Check1 clicked (value toggled)            Check1_Click()
//   key press in Text6 / Text7 / Text8 / Text9 (a key that types a character, or Backspace)
//                                             Text6_KeyPress(key) ...; key 0 afterwards: swallow
//   key release in Text6 / Text7 / Text9      Text6_KeyUp() / Text7_KeyUp() / Text9_KeyUp()
//   key release in Text8                      Text8_KeyUp()
//     (any key is released there, Delete and the arrows too, and also a refused one)
//   OKButton clicked, or Enter                OKButton_Click()
//   CancelButton clicked, or Escape           CancelButton_Click()
//   PrintButton clicked                       PrintButton_Click()
//   the command that opened it unloads it     Unload()
// Text typed into Combo1..Combo3, Text1 or Text2 raises nothing: it counts when next read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"
#include "single/typing.h"

namespace velmora {

// The calculations of Combo1, identified by their exact texts.
inline constexpr const char* kChoiceResonantLength = "resonante Dipollänge";
inline constexpr const char* kChoiceVelocityFactor = "Verkürzungsfaktor Vf";
inline constexpr const char* kChoiceRadiationResistance = "Strahlungswiderstand Rs";
inline constexpr const char* kChoiceQualityAtHeight = "Ant. - Güte Qa bei h";
inline constexpr const char* kChoiceQualityAtDiameter = "Ant. - Güte Qa bei d";
// Not in the list; recognised when typed into the box.
inline constexpr const char* kChoiceGroundLoss = "Bodendämpfung Rve";

class FrmEinzelEingabe : public Form {
 public:
  explicit FrmEinzelEingabe(Platform& platform);

  // --- controls (positions in twips relative to their container) ---
  // Each "Wert" box is captioned by the label before it; the choice re-captions them.
  Frame Frame1{"Frame1"};  // " Eingaben zur Antenne : "
  Label Label10{"Label10"};
  ComboBox Combo1{"Combo1"};  // the calculation
  Label Label7{"Label7"};
  TextBox Text7{"Text7"};  // value 1: the frequency (MHz) for "resonante Dipollänge", else
                           // the dipole length (m)
  Label Label9{"Label9"};
  TextBox Text9{"Text9"};  // value 3: the frequency (MHz) where value 1 is the length
  Frame Frame3{"Frame3"};  // "Antennen-Draht : "
  Label Label8{"Label8"};
  TextBox Text8{"Text8"};  // value 2: the wire diameter (mm)
  Label Label11{"Label11"};
  ComboBox Combo2{"Combo2"};  // conductor material; its leading number is the conductivity
  Label Label1{"Label1"};
  TextBox Text6{"Text6"};     // the antenna height (m)
  CheckBox Check1{"Check1"};  // "Freiraum": free space instead of real ground
  Frame Frame4{"Frame4"};     // the insulated wire, for "resonante Dipollänge" only
  Label Label6{"Label6"};
  TextBox Text1{"Text1"};  // outer diameter (mm); takes any text
  Label Label14{"Label14"};
  TextBox Text2{"Text2"};  // conductor diameter (mm); takes any text
  Label Label15{"Label15"};
  ComboBox Combo3{"Combo3"};  // insulation material
  Frame Frame2{"Frame2"};     // "Ergebnis :"; three rows of caption and value
  Label Label2{"Label2"};
  Label Label3{"Label3"};  // result 1
  Label Label12{"Label12"};
  Label Label13{"Label13"};  // result 2 (the live conductor-loss readout where shown)
  Label Label4{"Label4"};
  Label Label5{"Label5"};  // result 3
  CommandButton OKButton{"OKButton"};
  CommandButton CancelButton{"CancelButton"};
  CommandButton PrintButton{"PrintButton"};
  Label lbDrucktext{"lbDrucktext"};  // heading text shown only while printing

  // The boxes by what they hold, for code outside the dialog.
  TextBox& HeightBox() { return Text6; }
  TextBox& DiameterBox() { return Text8; }
  TextBox& FrequencyBox() { return Combo1.text == kChoiceResonantLength ? Text7 : Text9; }
  TextBox& LengthBox() { return Text7; }
  ComboBox& MaterialBox() { return Combo2; }
  struct ResultRow {
    const Label& caption;
    const Label& value;
  };
  std::array<ResultRow, 3> Results() const {
    return {{{Label2, Label3}, {Label12, Label13}, {Label4, Label5}}};
  }

  // The choice applied last by Combo1_Click. Belongs to the object, so it survives Unload().
  std::string LastChoice;

  // Every control with its look and events, containers before what they contain, in
  // declaration order.
  const ControlTable& Controls() const { return controls_; }
  // Whether a control can be seen: it and every frame around it are visible.
  bool IsShown(const Control& control) const;

  // --- handlers ---
  void Load();  // sets loaded, resets every control to its design state, runs Form_Load
  void Unload();
  void Form_Load();
  void Form_Activate() override;  // runs the choice handler the first time after each Load()
  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void Check1_Click();
  void Text6_KeyPress(std::int16_t& key);
  void Text7_KeyPress(std::int16_t& key);
  void Text8_KeyPress(std::int16_t& key);
  void Text9_KeyPress(std::int16_t& key);
  void Text6_KeyUp();
  void Text7_KeyUp();
  void Text9_KeyUp();
  void Text8_KeyUp();
  void OKButton_Click();
  void CancelButton_Click();
  // Prints the dialog's image with the print text shown where the three buttons stand.
  void PrintButton_Click();
  // The caption of lbDrucktext for a print made now.
  std::string PrintText() const;

  // Conductor loss with skin effect of the current inputs into Label13 ("Rv [Ohm] mit
  // Skineffekt:" in Label12), or both emptied when an input is empty.
  void ShowSkinEffectLoss();
  // The calculation behind OK: results into Label3, Label13, Label5, description into the status.
  void ComputeSingleValue();

  // Types `text` into one of the dialog's boxes through that box's own key handlers (Text6..9
  // filter and react on release; Text1 and Text2 take every key).
  TypingResult TypeText(TextBox& box, std::string_view text, TypingMode mode = TypingMode::kAppend);
  // Selects the box's whole text and presses Delete: the text goes, the key-release handler runs.
  void DeleteText(TextBox& box);

 private:
  void SetDesignState();
  void EmptyResults();
  void EndPrintLook();
  void ConfigureResonantLength();
  void ConfigureOtherChoice(const std::string& choice);
  void CheckLength();
  void FilterKey(std::int16_t& key);
  std::string General(double value) const;
  std::string Pattern(double value, const char* pattern) const;

  Platform& platform_;
  bool activated_ = false;
  ControlTable controls_;
};

}  // namespace velmora
