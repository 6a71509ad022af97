// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/frm_eingabe.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "headless/headless_platform.h"

namespace velmora {
namespace {

struct Dialog {
  HeadlessPlatform platform;
  FrmEingabe dlg{platform};
  Dialog() { dlg.Load(); }
  void Pick(const std::string& choice) {
    dlg.Combo1.text = choice;
    dlg.Combo1_Click();
  }
};

// A pick labels the boxes and shows those its choice uses, whatever stood there before.
TEST(FrmEingabe, AChoiceLabelsAndShowsItsBoxes) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  d.Pick("Bodendämpfung Rve");
  EXPECT_FALSE(f.Check1.visible);
  d.Pick("Verkürzung Vf bei d");
  EXPECT_EQ(f.Text1.text + "|" + f.Text2.text + "|" + f.Text3.text + "|" + f.Text4.text + "|" +
                f.Text5.text + "|" + f.Label7.caption + "|" + f.Label8.caption + "|" +
                f.Label9.caption,
            "Vf||1,0|Draht-d|mm|Ant.-Höhe [m]:||f [MHz]:");
  EXPECT_TRUE(f.Text7.visible && !f.Text8.visible && f.Text9.visible && f.Check1.visible);
  f.Combo1.text = "Bodendämpfung Rve";  // typed, not picked: labelled on OK, before any drawing
  f.OKButton_Click();
  EXPECT_EQ(f.Text1.text + "|" + f.Text3.text + "|" + f.Label7.caption, "Rve|27|Ant.-Länge [m]:");
}

// A fresh pick's defaults and range adjustments: Text6, Text7, Text9 in; Text6|Text7|Text8 out.
TEST(FrmEingabe, DefaultsThenRange) {
  const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
      // Vf over d: full scale capped at 15 mm, diameter always emptied.
      {"Verkürzung Vf bei d", "20", "", "", "15|10|"},
      // Vf over h at 3.6 MHz: between one and two wavelengths (83.28 m).
      {"Verkürzung Vf bei h", "77", "", "3,6", "83||2,05"},
      {"Verkürzung Vf bei h", "100", "", "3,6", "100||2,05"},
      {"Verkürzung Vf bei h", "170", "", "3,6", "83||2,05"},
      // At 3,94 MHz one wavelength is 76.09 m: the default 77 fits.
      {"Verkürzung Vf bei h", "", "", "3,94", "77||2,05"},
      // Rs: a length within 20 % of 142.5 / f stays.
      {"Strahlungswiderstand Rs", "75", "32,98", "3,6", "83|39,58|2,05"},
      {"Strahlungswiderstand Rs", "75", "49,47", "3,6", "75|49,47|2,05"},
      {"Strahlungswiderstand Rs", "75", "49,48", "3,6", "83|39,58|2,05"},
      {"Strahlungswiderstand Rs", "", "", "", "75|39,59|2,05"},
      // Qa over h (as Rve): length and full scale adjusted independently.
      {"Ant. - Güte Qa bei h", "30", "", "", "83|39,59|2,05"},
      {"Ant. - Güte Qa bei h", "75", "20", "3,6", "75|39,58|2,05"},
      // Qa over d: full scale and diameter set regardless.
      {"Ant. - Güte Qa bei d", "50", "", "", "10|39,59|10"},
      // Impedance: full scale near 2.1 L, the height always 10.
      {"Draht-Zw bei Länge", "", "5", "", "83|10|2,05"},
      {"Draht-Zw bei Länge", "40", "25,5", "3,6", "40|10|2,05"},
      // A frequency of 0 gives no wavelength: nothing is adjusted, nothing breaks.
      {"Strahlungswiderstand Rs", "75", "5", "0", "75|5|2,05"},
  };
  for (const auto& [choice, text6, text7, text9, after] : rows) {
    SCOPED_TRACE(std::string(choice) + " " + text6 + " " + text7 + " " + text9);
    Dialog d;
    FrmEingabe& f = d.dlg;
    f.Text6.text = text6;
    f.Text7.text = text7;
    f.Text9.text = text9;
    d.Pick(choice);
    EXPECT_EQ(f.Text6.text + "|" + f.Text7.text + "|" + f.Text8.text, after);
  }
}

// The readout's value and its empty cases are the formulas' (their tests); here its captions.
TEST(FrmEingabe, SkinEffectReadout) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  d.Pick("Strahlungswiderstand Rs");
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label12.caption + " " + f.Label13.caption, "Rv mit Skineffekt: 3,1 Ohm");
  f.Combo2.text = "";  // the empty material
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label12.caption + f.Label13.caption, "");
}

// Which handler refreshes the readout in which state.
TEST(FrmEingabe, ReadoutRefreshesOnlyWhenItShould) {
  using Handler = void (FrmEingabe::*)();
  const std::tuple<const char*, const char*, Handler, bool> rows[] = {
      {"Strahlungswiderstand Rs", "2", &FrmEingabe::Text8_KeyUp, true},
      {"Strahlungswiderstand Rs", "0", &FrmEingabe::Text8_KeyUp, false},
      {"Ant. - Güte Qa bei d", "2", &FrmEingabe::Text8_KeyUp, false},  // Text8 is the height
      {"Verkürzung Vf bei d", "2", &FrmEingabe::Text8_LostFocus, true},
      {"Strahlungswiderstand Rs", "2", &FrmEingabe::Text9_LostFocus, true},
      {"Ant. - Güte Qa bei d", "2", &FrmEingabe::Text9_LostFocus, false},
      {"Ant. - Güte Qa bei h", "2", &FrmEingabe::Combo2_Click, true},
      {"Verkürzung Vf bei d", "2", &FrmEingabe::Combo2_Click, false},
      {"Ant. - Güte Qa bei d", "2", &FrmEingabe::Combo2_Click, false},
  };
  for (const auto& [choice, text8, handler, refreshes] : rows) {
    SCOPED_TRACE(std::string(choice) + " " + text8);
    Dialog d;
    FrmEingabe& f = d.dlg;
    d.Pick(choice);
    f.Text8.text = text8;
    f.Label13.caption = "vorher";
    (f.*handler)();
    EXPECT_EQ(f.Label13.caption != "vorher", refreshes);
  }
}

}  // namespace
}  // namespace velmora
