#include "curves/frm_eingabe.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
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

TEST(FrmEingabe, FirstShowingGivesTheVfOverFrequencyDefaults) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  ASSERT_EQ(f.Combo1.items.size(), 8u);
  EXPECT_EQ(f.Combo1.items[6], "Draht-Zw bei Länge");
  EXPECT_EQ(f.Combo1.items[7], "");
  EXPECT_EQ(f.Combo2.items.size(), 13u);
  EXPECT_EQ(f.Combo2.text, "56 Cu");
  EXPECT_EQ(f.Label11.caption, "Wert 4:");
  f.Form_Activate();
  EXPECT_EQ(f.Combo1.text, "Verkürzung Vf bei f");
  EXPECT_EQ(f.Text7.text, "10");
  EXPECT_EQ(f.Text8.text, "2,05");
  EXPECT_EQ(f.Text6.text, "31");
  EXPECT_EQ(f.Text9.text, "");
  EXPECT_EQ(f.Label11.caption, "Material:");
  EXPECT_EQ(f.LastChoice, "Verkürzung Vf bei f");
}

// The labelling and visibility each pick sets, whatever stood there before.
TEST(FrmEingabe, EachChoiceLabelsAndShowsItsBoxes) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // Text1..Text5 | Label7..Label9; Text7, Text8, Text9, Check1 shown
      {"Verkürzung Vf bei f", "Vf||1,0|f|MHz|Ant.-Höhe [m]:|d [mm]:|", "1101"},
      {"Verkürzung Vf bei d", "Vf||1,0|Draht-d|mm|Ant.-Höhe [m]:||f [MHz]:", "1011"},
      {"Verkürzung Vf bei h", "Vf||1,0|Ant.-h|m||d [mm]:|f [MHz]:", "0111"},
      {"Strahlungswiderstand Rs",
       "Rs|[Ohm]|115|Ant.-Höhe|[m]|Ant.-Länge [m]:|d [mm]:|f [MHz]:", "1111"},
      {"Ant. - Güte Qa bei h", "Qa||27|Ant.-Höhe|[m]|Ant.-Länge [m]:|d [mm]:|f [MHz]:", "1111"},
      {"Ant. - Güte Qa bei d",
       "Qa||27|Draht d|[mm]|Ant.-Länge [m]:|Ant.-Höhe [m]:|f [MHz]:", "1111"},
      {"Draht-Zw bei Länge", "Z|Ohm|1500|Ant.-Länge|[m]|Ant.-Höhe [m]:|d [mm]:|f [MHz]:", "1111"},
      {"Bodendämpfung Rve", "Rve|Ohm|27|Ant.-Höhe|[m]|Ant.-Länge [m]:|d [mm]:|f [MHz]:", "1110"},
  };
  for (const auto& [choice, texts, shown] : rows) {
    SCOPED_TRACE(choice);
    Dialog d;
    FrmEingabe& f = d.dlg;
    for (TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5}) box->text = "alt";
    f.Text7.visible = f.Text8.visible = f.Text9.visible = f.Check1.visible = false;
    d.Pick(choice);
    EXPECT_EQ(f.Text1.text + "|" + f.Text2.text + "|" + f.Text3.text + "|" + f.Text4.text + "|" +
                  f.Text5.text + "|" + f.Label7.caption + "|" + f.Label8.caption + "|" +
                  f.Label9.caption,
              texts);
    std::string visible;
    for (const Control* c :
         std::initializer_list<const Control*>{&f.Text7, &f.Text8, &f.Text9, &f.Check1})
      visible += c->visible ? '1' : '0';
    EXPECT_EQ(visible, shown);
  }
}

// Defaults and range adjustments on a fresh pick: Text6|Text7|Text9 before, Text6|Text7|Text8
// after.
TEST(FrmEingabe, DefaultsThenRange) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // Vf over d: full scale capped at 15 mm, diameter always emptied.
      {"Verkürzung Vf bei d", "20||", "15|10|"},
      {"Verkürzung Vf bei d", "15|12|7", "15|12|"},
      {"Verkürzung Vf bei d", "||3,6", "|10|"},
      // Vf over h at 3.6 MHz: between one and two wavelengths (83.28 m).
      {"Verkürzung Vf bei h", "77||3,6", "83||2,05"},
      {"Verkürzung Vf bei h", "100||3,6", "100||2,05"},
      {"Verkürzung Vf bei h", "170||3,6", "83||2,05"},
      {"Verkürzung Vf bei h", "||", "83||2,05"},
      // At 3,94 MHz one wavelength is 76.09 m: the default 77 fits.
      {"Verkürzung Vf bei h", "||3,94", "77||2,05"},
      // Rs: a length within 20 % of 142.5 / f stays.
      {"Strahlungswiderstand Rs", "75|33|3,6", "75|33|2,05"},
      {"Strahlungswiderstand Rs", "75|32,98|3,6", "83|39,58|2,05"},
      {"Strahlungswiderstand Rs", "75|49,47|3,6", "75|49,47|2,05"},
      {"Strahlungswiderstand Rs", "75|49,48|3,6", "83|39,58|2,05"},
      {"Strahlungswiderstand Rs", "||", "75|39,59|2,05"},
      // Qa over h and Rve: length and full scale adjusted independently.
      {"Ant. - Güte Qa bei h", "||", "75|39,59|2,05"},
      {"Ant. - Güte Qa bei h", "30||", "83|39,59|2,05"},
      {"Ant. - Güte Qa bei h", "75|20|3,6", "75|39,58|2,05"},
      {"Bodendämpfung Rve", "30||", "83|39,59|2,05"},
      // Qa over d: full scale and diameter set regardless.
      {"Ant. - Güte Qa bei d", "50||", "10|39,59|10"},
      // Impedance: full scale near 2.1 L, the height always 10.
      {"Draht-Zw bei Länge", "|5|", "83|10|2,05"},
      {"Draht-Zw bei Länge", "40|25,5|3,6", "40|10|2,05"},
      // A frequency of 0 gives no wavelength: nothing is adjusted, nothing breaks.
      {"Strahlungswiderstand Rs", "75|5|0", "75|5|2,05"},
      {"Verkürzung Vf bei h", "500||,", "500||2,05"},
  };
  for (const auto& [choice, before, after] : rows) {
    SCOPED_TRACE(std::string(choice) + " " + before);
    Dialog d;
    FrmEingabe& f = d.dlg;
    const std::string texts = before;
    f.Text6.text = texts.substr(0, texts.find('|'));
    f.Text7.text = texts.substr(texts.find('|') + 1, texts.rfind('|') - texts.find('|') - 1);
    f.Text9.text = texts.substr(texts.rfind('|') + 1);
    d.Pick(choice);
    EXPECT_EQ(f.Text6.text + "|" + f.Text7.text + "|" + f.Text8.text, after);
  }
}

TEST(FrmEingabe, PickingTheSameChoiceAgainKeepsTheDiameter) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  d.Pick("Strahlungswiderstand Rs");
  f.Text8.text = "4";
  f.Text6.text = "";
  d.Pick("Strahlungswiderstand Rs");
  EXPECT_EQ(f.Text8.text, "4");
  EXPECT_EQ(f.Text6.text, "");  // no defaults while a diameter stands
  d.Pick("Ant. - Güte Qa bei h");
  EXPECT_EQ(f.Text8.text, "2,05");  // another choice empties it, so its defaults apply
}

TEST(FrmEingabe, UnknownChoiceChangesOnlyTheDiameter) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  d.Pick("Strahlungswiderstand Rs");
  d.Pick("Irgendwas");
  EXPECT_EQ(f.Text8.text, "");
  EXPECT_EQ(f.Text1.text, "Rs");
  EXPECT_EQ(f.Text7.text, "39,59");
  EXPECT_EQ(f.LastChoice, "Irgendwas");
  d.Pick("");  // the empty item
  EXPECT_EQ(f.LastChoice, "");
  EXPECT_EQ(f.Text1.text, "Rs");
  d.Pick("Combo1");  // the designer's text stands for the first choice
  EXPECT_EQ(f.Combo1.text, "Verkürzung Vf bei f");
  EXPECT_EQ(f.Text1.text, "Vf");
}

TEST(FrmEingabe, LastChoiceSurvivesUnload) {
  Dialog d;
  d.Pick("Ant. - Güte Qa bei d");
  d.dlg.Unload();
  EXPECT_FALSE(d.dlg.loaded);
  d.dlg.Load();
  EXPECT_EQ(d.dlg.LastChoice, "Ant. - Güte Qa bei d");
  EXPECT_EQ(d.dlg.Text8.text, "");
  EXPECT_EQ(d.dlg.Check1.value, 0);
  // A caller that restores the choice and its diameter keeps that diameter.
  d.dlg.Combo1.text = "Ant. - Güte Qa bei d";
  d.dlg.Text8.text = "7";
  d.dlg.Form_Activate();
  EXPECT_EQ(d.dlg.Text8.text, "7");
  EXPECT_EQ(d.dlg.Text6.text, "");
}

TEST(FrmEingabe, SkinEffectReadout) {
  Dialog d;
  FrmEingabe& f = d.dlg;
  d.Pick("Strahlungswiderstand Rs");
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label13.caption, "3,1 Ohm");
  EXPECT_EQ(f.Label12.caption, "Rv mit Skineffekt:");
  f.Combo2.text = "";  // the empty material
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label13.caption, "");
  EXPECT_EQ(f.Label12.caption, "");
  f.Combo2.text = "Gold";  // reads as 0: the failing step is skipped
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label13.caption, "0,0 Ohm");
  f.Combo2.text = "56 Cu";
  f.Text8.text = "0";
  f.ShowSkinEffectLoss();
  EXPECT_EQ(f.Label13.caption, "0,0 Ohm");
}

// Which handler refreshes the readout in which state.
TEST(FrmEingabe, ReadoutRefreshesOnlyWhenItShould) {
  using Handler = void (FrmEingabe::*)();
  const std::tuple<const char*, const char*, Handler, bool> rows[] = {
      {"Strahlungswiderstand Rs", "2", &FrmEingabe::Text8_KeyUp, true},
      {"Strahlungswiderstand Rs", "0", &FrmEingabe::Text8_KeyUp, false},
      {"Strahlungswiderstand Rs", ",", &FrmEingabe::Text8_KeyUp, false},
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
    f.Text7.text = "39,59";
    f.Text9.text = "3,6";
    f.Text8.text = text8;
    f.Label13.caption = "vorher";
    (f.*handler)();
    EXPECT_EQ(f.Label13.caption != "vorher", refreshes);
  }
}

TEST(FrmEingabe, LayoutForABinding) {
  Dialog d;
  std::vector<std::string> focusOrder(14);
  int focusable = 0;
  std::vector<std::string> filtered;
  for (const ControlEntry& entry : d.dlg.Controls()) {
    const Control& c = *entry.control;
    if (entry.events.keyPress) filtered.push_back(c.name);
    EXPECT_GT(c.width, 0) << c.name;
    if (c.tabIndex >= 0) {
      ASSERT_LT(c.tabIndex, 14) << c.name;
      focusOrder[c.tabIndex] = c.name;
      ++focusable;
    }
  }
  EXPECT_EQ(focusable, 14);
  // The numeric boxes filter their keys; designations and units take any text.
  EXPECT_EQ(filtered, (std::vector<std::string>{"Text7", "Text9", "Text8", "Text3", "Text6"}));
  EXPECT_EQ(focusOrder, (std::vector<std::string>{"Combo1", "Text7", "Text9", "Text8", "Combo2",
                                                  "Check1", "Text1", "Text2", "Text3", "Text4",
                                                  "Text5", "Text6", "OKButton", "CancelButton"}));
}

}  // namespace
}  // namespace velmora
