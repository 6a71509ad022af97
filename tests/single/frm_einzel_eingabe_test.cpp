// SPDX-License-Identifier: GPL-3.0-or-later
// The single-value dialog as the user works with it: opening, picking calculations, typing,
// changing material, insulation and free space, closing.
#include "single/frm_einzel_eingabe.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "tests/single/session.h"

namespace velmora {
namespace {

using Dialog = DialogSession;

// Captions of Label7, Label8, Label2, Label12, Label4; "+" or "-" for Text7, Check1, Label5,
// Frame4, Frame3 and Text9 shown; the texts of Text6 to Text9.
std::string ViewOf(const FrmEinzelEingabe& d) {
  std::string view = d.Label7.caption + "|" + d.Label8.caption + "|" + d.Label2.caption + "|" +
                     d.Label12.caption + "|" + d.Label4.caption + "|";
  for (const Control* c : std::initializer_list<const Control*>{&d.Text7, &d.Check1, &d.Label5,
                                                                &d.Frame4, &d.Frame3, &d.Text9}) {
    view += d.IsShown(*c) ? '+' : '-';
  }
  return view + "|" + d.Text6.text + "|" + d.Text7.text + "|" + d.Text8.text + "|" + d.Text9.text;
}

TEST_F(Dialog, OpensOnTheResonantLength) {
  Open();
  EXPECT_EQ(dialog.caption, "Eingabe für Berechnung");
  EXPECT_EQ(dialog.Combo1.items,
            (std::vector<std::string>{"resonante Dipollänge", "Verkürzungsfaktor Vf",
                                      "Strahlungswiderstand Rs", "Ant. - Güte Qa bei h",
                                      "Ant. - Güte Qa bei d", "", "        "}));
  EXPECT_EQ(dialog.Combo1.text + "|" + dialog.Combo2.text + "|" + dialog.Combo3.text,
            "resonante Dipollänge|56 Cu|2,3   PE Polyethylen");
  EXPECT_EQ(dialog.Text1.text + "|" + dialog.Text2.text, "2,05|1,4");
  EXPECT_FALSE(dialog.lbDrucktext.visible);
}

// Text7 still holds the frequency 3,6 from the opening: as a length it fails the check and
// becomes the half wave 39,583. Label4's caption stays "Gesamt - Vf :" where no choice sets it.
TEST_F(Dialog, EachChoiceSetsCaptionsVisibilityAndDefaults) {
  const std::pair<const char*, const char*> rows[] = {
      {"resonante Dipollänge",
       "f [MHz]:|Wert 2:|Ant.-Länge [m]:|Vf (ohne Isol.) :|Gesamt - Vf :|+-++--|12|3,6||"},
      {"Verkürzungsfaktor Vf",
       "f [MHz]:|d [mm]:|Vf-Schlangh.-Grd [%]:|Vf-Ant.-Höhe [%]:|Vf-Gesamt :|-++-++|12|3,6|2,05|"
       "3,6"},
      {"Strahlungswiderstand Rs",
       "Ant.-Länge [m]:|d [mm]:|Rs [Ohm]:|Rv [Ohm]:|Impedanz Z [Ohm]:|+++-++|12|39,583|2,05|3,6"},
      {"Ant. - Güte Qa bei h",
       "Ant.-Länge [m]:|d [mm]:|Qa:|Rv [Ohm]:|Gesamt - Vf :|++--++|12|39,583|2,05|3,6"},
      {"Ant. - Güte Qa bei d",
       "Ant.-Länge [m]:|Draht d [mm]:|Qa:|Rv [Ohm]:|Gesamt - Vf :|++--++|10|39,583|2,05|3,6"},
      {"Bodendämpfung Rve",
       "Ant.-Länge [m]:|d [mm]:|Rve [Ohm]:|Rv [Ohm]:|Gesamt - Vf :|+---++|12|39,583|2,05|3,6"},
  };
  for (const auto& [choice, view] : rows) {
    SCOPED_TRACE(choice);
    Open();
    Choose(choice);
    EXPECT_EQ(ViewOf(dialog), view);
    EXPECT_EQ(dialog.Label11.caption, "Material:");
    EXPECT_EQ(dialog.Label3.caption + dialog.Label13.caption + dialog.Label5.caption, "");
    EXPECT_EQ(dialog.LastChoice, choice);
  }
}

TEST_F(Dialog, UnrecognisedChoiceOnlyShowsTheWireFrameAndEmptiesTheDiameter) {
  for (const char* choice : {"", "bodendämpfung rve"}) {
    SCOPED_TRACE(choice);
    Open();
    Choose("Strahlungswiderstand Rs");
    PressOk();
    const std::string result = dialog.Label3.caption;
    Choose(choice);
    EXPECT_TRUE(dialog.IsShown(dialog.Frame3) && !dialog.IsShown(dialog.Frame4));
    EXPECT_EQ(dialog.Label2.caption + dialog.Label3.caption, "Rs [Ohm]:" + result);
    EXPECT_EQ(dialog.Text7.text + "|" + dialog.Text8.text, "39,583|");
  }
}

// A calculation typed into the box, not picked, gets its captions before OK computes: no result
// under the captions of the one laid out before.
TEST_F(Dialog, TypedChoiceIsLaidOutBeforeOk) {
  for (const char* before : {"resonante Dipollänge", "Ant. - Güte Qa bei h"}) {
    SCOPED_TRACE(before);
    Open();
    Choose(before);
    dialog.Combo1.text = "Bodendämpfung Rve";
    PressOk();
    EXPECT_EQ(dialog.Label7.caption + dialog.Label2.caption + dialog.Label3.caption,
              "Ant.-Länge [m]:Rve [Ohm]:4,055");
    EXPECT_NE(platform.statusText.find("Draht d = 2,05 mm"), std::string::npos);
  }
}

// Picking a choice (again) pulls a length more than a fifth away from the half wave 142.5 / f
// back to it, each bound in single; the resonant length turns a carried length into 3,6 MHz.
TEST_F(Dialog, LengthCheck) {
  const char* const kRs = "Strahlungswiderstand Rs";
  const char* const kQa = "Ant. - Güte Qa bei h";
  const char* const kResonant = "resonante Dipollänge";
  const char* const rows[][3] = {
      {kQa, "Text7=33", "33"},
      {kQa, "Text7=32,9", "39,583"},
      {kQa, "Text7=49,4", "49,4"},
      {kQa, "Text7=49,5", "39,583"},
      {kRs, "Text6= Text9=7,1 Text7=", "20,07"},  // 142.5 / 7.1; no defaults the second time
      // No customary half wave: the length stays as typed, never "inf".
      {kRs, "Text9= Text7=12", "12"},
      {kRs, "Text9=0,000000000000000000000000000000000000000000001 Text7=12", "12"},
      {kRs, "Text9=99999999999999999999999999999999999999999", "0,0"},
      {kResonant, "Text7=29,8", "29,8"},
      {kResonant, "Text7=29,81", "3,6"},
  };
  for (const auto& [choice, inputs, text7] : rows) {
    SCOPED_TRACE(std::string(choice) + " " + inputs);
    const bool resonant = std::string(choice) == kResonant;
    Open();
    Choose(resonant ? kRs : choice);
    RetypeAll(inputs);
    Choose(choice);
    EXPECT_EQ(dialog.Text7.text, text7);
    EXPECT_EQ(dialog.Text8.text, resonant ? "" : "2,05");
  }
}

TEST_F(Dialog, CarriedOverValuesAreRepaired) {
  Open();
  Choose("Strahlungswiderstand Rs");
  Retype(dialog.Text6, "25");
  Retype(dialog.Text7, "40");
  Choose("Ant. - Güte Qa bei d");  // always 10 m high
  EXPECT_EQ(dialog.Text6.text + "|" + dialog.Text7.text + "|" + dialog.Text8.text, "10|40|2,05");
  Retype(dialog.Text8, "12");
  Choose("Ant. - Güte Qa bei d");
  EXPECT_EQ(dialog.Text8.text, "2,05");
  Choose("Bodendämpfung Rve");
  Retype(dialog.Text6, "2,05");
  Choose("Bodendämpfung Rve");
  EXPECT_EQ(dialog.Text6.text, "12");
  Retype(dialog.Text6, "2,050");  // only the exact text counts
  Choose("Bodendämpfung Rve");
  EXPECT_EQ(dialog.Text6.text, "2,050");
}

TEST_F(Dialog, ReopeningStartsFromTheLoadDefaultsAndKeepsLastChoice) {
  Open();
  Retype(dialog.Text7, "35");
  dialog.Form_Activate();  // the choice handler runs only at the first activation
  EXPECT_EQ(dialog.Text7.text, "35");
  Choose("Ant. - Güte Qa bei h");
  Retype(dialog.Text6, "30");
  dialog.Check1.value = 1;
  PressOk();
  dialog.CancelButton_Click();
  dialog.Unload();
  EXPECT_FALSE(dialog.loaded);
  dialog.Load();
  EXPECT_EQ(dialog.Tag + dialog.Text6.text + dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Check1.value, 0);
  EXPECT_EQ(dialog.Label12.caption, "Rv [Ohm]::");
  EXPECT_EQ(dialog.Combo1.items.size(), 7u);  // the lists are filled anew, not appended to
  EXPECT_EQ(dialog.LastChoice, "Ant. - Güte Qa bei h");
  dialog.Form_Activate();
  EXPECT_EQ(dialog.Text6.text + "|" + dialog.Text7.text, "12|3,6");
}

TEST_F(Dialog, CancelKeepsOkAsResultText) {
  for (const bool calculated : {true, false}) {
    Open();
    dialog.visible = true;
    dialog.Tag = "Neu";
    if (calculated) PressOk();
    dialog.CancelButton_Click();
    EXPECT_EQ(dialog.Tag, calculated ? "OK" : "");
    EXPECT_FALSE(dialog.visible);
  }
}

// Every numeric box filters its keys; every key release, refused key or not, empties the results.
TEST_F(Dialog, NumericBoxesFilterKeysAndEmptyTheResults) {
  Open();
  Choose("Strahlungswiderstand Rs");
  for (TextBox* box : {&dialog.Text6, &dialog.Text7, &dialog.Text8, &dialog.Text9}) {
    SCOPED_TRACE(box->name);
    Retype(*box, "1");
    PressOk();
    const int beepsBefore = platform.beeps;
    EXPECT_EQ(TypeInto(*box, "x").refusedCount, 1);
    EXPECT_EQ(box->text, "1");
    EXPECT_EQ(platform.beeps - beepsBefore, 1);
    EXPECT_EQ(dialog.Label3.caption, "");
  }
  for (TextBox* box : {&dialog.Text1, &dialog.Text2}) {  // the insulated wire's boxes take any key
    Retype(*box, "-2,5 mm");
    EXPECT_EQ(box->text, "-2,5 mm");
  }
}

// The live conductor loss where the caption is plain "d [mm]:". 39,583 m of 2,05 mm copper at
// 3,6 MHz: Rv = 3.0963 ohms.
TEST_F(Dialog, DiameterKeyReleaseShowsTheConductorLoss) {
  const char* const rows[][4] = {
      {"Strahlungswiderstand Rs", "2,05", "Rv [Ohm] mit Skineffekt:", "3,1"},
      {"Strahlungswiderstand Rs", "0", "Rv [Ohm]:", ""},
      {"Ant. - Güte Qa bei d", "2,05", "Rv [Ohm]:", ""},
      {"Verkürzungsfaktor Vf", "2,05", "Vf-Ant.-Höhe [%]:", ""}};
  for (const auto& [choice, diameter, label12, label13] : rows) {
    SCOPED_TRACE(choice);
    Open();
    Choose(choice);
    Retype(dialog.Text8, diameter);
    EXPECT_EQ(dialog.Label12.caption + "|" + dialog.Label13.caption,
              std::string(label12) + "|" + label13);
  }
}

TEST_F(Dialog, MaterialChangeRecomputesTheLoss) {
  // Silver conducts better than copper: sqrt(56 / 62.5) times the copper loss; a material
  // without a number gives a failed step.
  const std::pair<const char*, const char*> rows[] = {{"62,5 Ag", "Rv [Ohm] mit Skineffekt:|2,93"},
                                                      {"", "|"},
                                                      {"Kupfer", "Rv [Ohm] mit Skineffekt:|0,0"}};
  for (const auto& [material, readout] : rows) {
    SCOPED_TRACE(material);
    Open();
    Choose("Ant. - Güte Qa bei h");
    PressOk();
    dialog.Combo2.text = material;
    dialog.Combo2_Click();
    EXPECT_EQ(dialog.Label12.caption + "|" + dialog.Label13.caption, readout);
    EXPECT_EQ(dialog.Label3.caption, "");
  }
  Choose("Verkürzungsfaktor Vf");  // no material there: nothing changes
  PressOk();
  const std::string results = ViewOf(dialog) + dialog.Label3.caption + dialog.Label13.caption;
  dialog.Combo2.text = "5 Pb";
  dialog.Combo2_Click();
  EXPECT_EQ(ViewOf(dialog) + dialog.Label3.caption + dialog.Label13.caption, results);
}

TEST_F(Dialog, InsulationChangeEmptiesLengthAndTotalOnly) {
  Open();
  PressOk();
  const std::string withoutInsulation = dialog.Label13.caption;
  ASSERT_NE(withoutInsulation, "");
  dialog.Combo3.text = "7,0   Glimmer";
  dialog.Combo3_Click();
  EXPECT_EQ(dialog.Label3.caption + dialog.Label5.caption, "");
  EXPECT_EQ(dialog.Label13.caption, withoutInsulation);
  Choose("Strahlungswiderstand Rs");
  PressOk();
  const std::string rs = dialog.Label3.caption;
  dialog.Combo3_Click();
  EXPECT_EQ(dialog.Label3.caption, rs);
  dialog.Check1.value = 1;
  dialog.Check1_Click();  // free space empties all three
  EXPECT_EQ(dialog.Label3.caption + dialog.Label13.caption + dialog.Label5.caption, "");
}

}  // namespace
}  // namespace velmora
