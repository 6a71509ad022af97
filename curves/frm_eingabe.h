// SPDX-License-Identifier: GPL-3.0-or-later
// The curve dialog "Eingabe für Kurvenberechnung": the user picks a curve type, enters the
// antenna values it needs and the labelling of the graph. Every pick re-labels the value boxes,
// shows or hides them, fills missing values with defaults and pulls the X full scale and the
// dipole length into a range that fits the frequency. It computes no curve; the curve command
// reads its controls after it was hidden.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace velmora {

class Platform;

class FrmEingabe : public Form {
 public:
  explicit FrmEingabe(Platform& platform);

  // --- controls, named as in the form ---
  Frame Frame1{"Frame1"};  // " Eingaben zur Antenne: "
  Label Label10{"Label10"};
  ComboBox Combo1{"Combo1"};  // the curve choice
  Label Label7{"Label7"};
  TextBox Text7{"Text7"};  // value 1
  Label Label9{"Label9"};
  TextBox Text9{"Text9"};     // value 3: the frequency
  CheckBox Check1{"Check1"};  // "Freiraum": free space instead of real ground
  Frame Frame3{"Frame3"};     // "Antennen-Draht: ", inside Frame1
  Label Label8{"Label8"};
  TextBox Text8{"Text8"};  // value 2: wire diameter (mm), or the height for Qa over d
  Label Label11{"Label11"};
  ComboBox Combo2{"Combo2"};  // conductor material; its leading number is the conductivity
  Frame Frame2{"Frame2"};     // "Grafik:"
  Label Label1{"Label1"};
  TextBox Text1{"Text1"};  // Y designation
  Label Label2{"Label2"};
  TextBox Text2{"Text2"};  // Y unit
  Label Label3{"Label3"};
  TextBox Text3{"Text3"};  // Y full scale
  Label Label4{"Label4"};
  TextBox Text4{"Text4"};  // X designation
  Label Label5{"Label5"};
  TextBox Text5{"Text5"};  // X unit
  Label Label6{"Label6"};
  TextBox Text6{"Text6"};    // X full scale
  Label Label12{"Label12"};  // caption of the loss readout
  Label Label13{"Label13"};  // the loss readout
  CommandButton OKButton{"OKButton"};
  CommandButton CancelButton{"CancelButton"};

  // The choice at the end of the previous settings step. Belongs to the object, not the window:
  // it survives Unload().
  std::string LastChoice;

  // Every control with its look, the container it sits in and its events, in layout order: a
  // container comes before its contents. Focus order is each control's tabIndex.
  const ControlTable& Controls() const { return controls_; }

  // The window's life: Load() creates it (fresh controls, then Form_Load) unless it is loaded;
  // Unload() destroys the window. Both leave LastChoice alone.
  void Load();
  void Unload();

  // --- event handlers ---
  void Form_Load();
  void Form_Activate() override;  // the window system calls it on each showing
  // The close box takes the window away as if unloaded: the command does not see "OK".
  void Form_CloseBox() override { Unload(); }
  void Combo1_Click();
  void Combo2_Click();
  void Text3_KeyPress(std::int16_t& keyAscii) { FilterKey(keyAscii); }
  void Text6_KeyPress(std::int16_t& keyAscii) { FilterKey(keyAscii); }
  void Text7_KeyPress(std::int16_t& keyAscii) { FilterKey(keyAscii); }
  void Text8_KeyPress(std::int16_t& keyAscii) { FilterKey(keyAscii); }
  void Text9_KeyPress(std::int16_t& keyAscii) { FilterKey(keyAscii); }
  void Text8_KeyUp();
  void Text8_LostFocus();
  void Text9_LostFocus();
  void OKButton_Click();
  void CancelButton_Click();

  // Refreshes the readout of the wire's loss resistance with skin effect.
  void ShowSkinEffectLoss();

 private:
  void InitControls();
  void FilterKey(std::int16_t& keyAscii);
  void ApplyDefaults(std::string_view choice);
  void ApplyLabelling(std::string_view choice);
  void ApplyVisibility(std::string_view choice);
  void ApplyAdjustments(std::string_view choice);
  std::string General(double value) const;

  Platform& platform_;
  ControlTable controls_;
};

}  // namespace velmora
