// The single-value dialog as the user works with it: opening, picking calculations, typing,
// changing material, insulation and free space, closing.
#include "single/frm_einzel_eingabe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tests/single/session.h"

namespace velmora {
namespace {

using Dialog = DialogSession;

// What a choice shows: captions, which rows are shown, and the value boxes' texts.
struct View {
  std::string label7, label8, label2, label12, label4;
  bool lengthShown, freeSpaceShown, thirdResultShown;
  std::string text6, text7, text8, text9;
  bool operator==(const View&) const = default;
};
void PrintTo(const View& v, std::ostream* os) {
  *os << v.label7 << "|" << v.label8 << "|" << v.label2 << "|" << v.label12 << "|" << v.label4
      << "|" << v.lengthShown << v.freeSpaceShown << v.thirdResultShown << "|" << v.text6 << "|"
      << v.text7 << "|" << v.text8 << "|" << v.text9;
}
View ViewOf(const FrmEinzelEingabe& d) {
  return {d.Label7.caption, d.Label8.caption,   d.Label2.caption,    d.Label12.caption,
          d.Label4.caption, d.IsShown(d.Text7), d.IsShown(d.Check1), d.IsShown(d.Label5),
          d.Text6.text,     d.Text7.text,       d.Text8.text,        d.Text9.text};
}

TEST_F(Dialog, OpensConfiguredForTheResonantLength) {
  Open();
  EXPECT_EQ(dialog.caption, "Eingabe für Berechnung");
  EXPECT_EQ(dialog.Combo1.items,
            (std::vector<std::string>{"resonante Dipollänge", "Verkürzungsfaktor Vf",
                                      "Strahlungswiderstand Rs", "Ant. - Güte Qa bei h",
                                      "Ant. - Güte Qa bei d", "", "        "}));
  EXPECT_EQ(dialog.Combo1.text, "resonante Dipollänge");
  EXPECT_EQ(dialog.Combo2.text, "56 Cu");
  EXPECT_EQ(dialog.Combo3.text, "2,3   PE Polyethylen");
  EXPECT_EQ(ViewOf(dialog), (View{"f [MHz]:", "Wert 2:", "Ant.-Länge [m]:", "Vf (ohne Isol.) :",
                                  "Gesamt - Vf :", true, false, true, "12", "3,6", "", ""}));
  EXPECT_EQ(dialog.Text1.text + "|" + dialog.Text2.text, "2,05|1,4");
  EXPECT_TRUE(dialog.IsShown(dialog.Frame4));
  EXPECT_FALSE(dialog.IsShown(dialog.Frame3) || dialog.IsShown(dialog.Text9));
  EXPECT_FALSE(dialog.lbDrucktext.visible);
}

class ChoiceAfterOpening : public DialogSession,
                           public testing::WithParamInterface<std::pair<const char*, View>> {};

TEST_P(ChoiceAfterOpening, SetsCaptionsVisibilityAndDefaults) {
  Open();
  Choose(GetParam().first);
  EXPECT_EQ(ViewOf(dialog), GetParam().second);
  EXPECT_FALSE(dialog.IsShown(dialog.Frame4));
  EXPECT_TRUE(dialog.IsShown(dialog.Text8) && dialog.IsShown(dialog.Text9));
  EXPECT_EQ(dialog.Label11.caption, "Material:");
  EXPECT_EQ(dialog.Label3.caption + dialog.Label13.caption + dialog.Label5.caption, "");
  EXPECT_EQ(dialog.LastChoice, GetParam().first);
}

// Text7 still holds the frequency 3,6 from the opening: as a length it fails the check and
// becomes the half wave 39,583. Label4's caption stays "Gesamt - Vf :" where no choice sets it.
INSTANTIATE_TEST_SUITE_P(
    Choices, ChoiceAfterOpening,
    testing::Values(
        std::pair{"Verkürzungsfaktor Vf",
                  View{"f [MHz]:", "d [mm]:", "Vf-Schlangh.-Grd [%]:", "Vf-Ant.-Höhe [%]:",
                       "Vf-Gesamt :", false, true, true, "12", "3,6", "2,05", "3,6"}},
        std::pair{"Strahlungswiderstand Rs",
                  View{"Ant.-Länge [m]:", "d [mm]:", "Rs [Ohm]:", "Rv [Ohm]:", "Impedanz Z [Ohm]:",
                       true, true, true, "12", "39,583", "2,05", "3,6"}},
        std::pair{"Ant. - Güte Qa bei h",
                  View{"Ant.-Länge [m]:", "d [mm]:", "Qa:", "Rv [Ohm]:", "Gesamt - Vf :", true,
                       true, false, "12", "39,583", "2,05", "3,6"}},
        std::pair{"Ant. - Güte Qa bei d",
                  View{"Ant.-Länge [m]:", "Draht d [mm]:", "Qa:", "Rv [Ohm]:", "Gesamt - Vf :",
                       true, true, false, "10", "39,583", "2,05", "3,6"}},
        std::pair{"Bodendämpfung Rve",
                  View{"Ant.-Länge [m]:", "d [mm]:", "Rve [Ohm]:", "Rv [Ohm]:", "Gesamt - Vf :",
                       true, false, false, "12", "39,583", "2,05", "3,6"}}));

TEST_F(Dialog, UnrecognisedChoiceOnlyShowsTheWireFrameAndEmptiesTheDiameter) {
  for (const char* choice : {"", "Strahlungswiderstand", "bodendämpfung rve"}) {
    SCOPED_TRACE(choice);
    Open();
    Choose("Strahlungswiderstand Rs");
    PressOk();
    const std::string result = dialog.Label3.caption;
    Choose(choice);
    EXPECT_TRUE(dialog.IsShown(dialog.Frame3) && !dialog.IsShown(dialog.Frame4));
    EXPECT_EQ(dialog.Label2.caption, "Rs [Ohm]:");
    EXPECT_EQ(dialog.Label3.caption, result);
    EXPECT_EQ(dialog.Text8.text, "");
    EXPECT_EQ(dialog.Text7.text, "39,583");
  }
}

// Picking a choice (again) pulls a length more than a fifth away from the half wave 142.5 / f
// back to it, each bound in single; the resonant length turns a carried length into 3,6 MHz.
TEST_F(Dialog, LengthCheck) {
  struct Row {
    const char* choice;
    const char* inputs;
    const char* text7;
  };
  const char* const kRs = "Strahlungswiderstand Rs";
  const Row rows[] = {
      {"Ant. - Güte Qa bei h", "Text7=33", "33"},
      {"Ant. - Güte Qa bei h", "Text7=32,9", "39,583"},
      {"Ant. - Güte Qa bei h", "Text7=49,4", "49,4"},
      {"Ant. - Güte Qa bei h", "Text7=49,5", "39,583"},
      {"Ant. - Güte Qa bei h", "Text7=", "39,583"},
      {kRs, "Text6= Text9=7,1 Text7=", "20,07"},  // 142.5 / 7.1; no defaults the second time
      // No customary half wave: the length stays as typed, never "inf".
      {kRs, "Text9= Text7=12", "12"},
      {kRs, "Text9=0 Text7=12", "12"},
      {kRs, "Text9=0,000000000000000000000000000000000000000000001 Text7=12", "12"},
      {kRs, "Text9=99999999999999999999999999999999999999999", "0,0"},
      {"resonante Dipollänge", "Text7=39,583", "3,6"},
      {"resonante Dipollänge", "Text7=29,8", "29,8"},
      {"resonante Dipollänge", "Text7=29,81", "3,6"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.choice) + " " + row.inputs);
    Open();
    Choose(row.choice == std::string("resonante Dipollänge") ? kRs : row.choice);
    RetypeAll(row.inputs);
    Choose(row.choice);
    EXPECT_EQ(dialog.Text7.text, row.text7);
    EXPECT_EQ(dialog.Text8.text, row.choice == std::string("resonante Dipollänge") ? "" : "2,05");
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
  EXPECT_EQ(dialog.Tag, "");
  EXPECT_EQ(dialog.Text6.text, "");
  EXPECT_EQ(dialog.Check1.value, 0);
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label12.caption, "Rv [Ohm]::");
  EXPECT_EQ(dialog.Combo1.items.size(), 7u);  // the lists are filled anew, not appended to
  EXPECT_EQ(dialog.LastChoice, "Ant. - Güte Qa bei h");
  dialog.Form_Activate();
  EXPECT_EQ(dialog.Text6.text + "|" + dialog.Text7.text, "12|3,6");
}

TEST_F(Dialog, CancelKeepsOkAsResultText) {
  const std::pair<bool, const char*> rows[] = {{true, "OK"}, {false, ""}};
  for (const auto& [calculated, tag] : rows) {
    SCOPED_TRACE(tag);
    Open();
    dialog.visible = true;
    dialog.Tag = "Neu";
    if (calculated) PressOk();
    dialog.CancelButton_Click();
    EXPECT_EQ(dialog.Tag, tag);
    EXPECT_FALSE(dialog.visible);
  }
}

// Every numeric box filters its keys; every key release, refused key or not, empties the results.
TEST_F(Dialog, NumericBoxesTakeOnlyDigitsSeparatorsAndBackspace) {
  struct Row {
    const char* typed;
    const char* text;  // after typing into "1"
    int refused;
  };
  const Row rows[] = {
      {"2,05", "12,05", 0}, {".5", "1.5", 0},    {"x1y", "11", 2}, {"\x16", "1", 1},
      {"\b\b7", "7", 0},    {"\xC4\xB1", "1", 1}};  // dotless i, U+0131: its low byte is '1'
  Open();
  Choose("Strahlungswiderstand Rs");
  for (TextBox* box : {&dialog.Text6, &dialog.Text7, &dialog.Text8, &dialog.Text9}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(box->name + " " + row.typed);
      Retype(*box, "1");
      PressOk();
      const int beepsBefore = platform.beeps;
      EXPECT_EQ(TypeInto(*box, row.typed).refusedCount, row.refused);
      EXPECT_EQ(box->text, row.text);
      EXPECT_EQ(platform.beeps - beepsBefore, row.refused);
      EXPECT_EQ(dialog.Label3.caption, "");
    }
  }
  for (TextBox* box : {&dialog.Text1, &dialog.Text2}) {  // the insulated wire's boxes take any key
    Retype(*box, "-2,5 mm");
    EXPECT_EQ(box->text, "-2,5 mm");
  }
}

// The live conductor loss where the caption is plain "d [mm]:". 39,583 m of 2,05 mm copper at
// 3,6 MHz: Rv = 3.0963 ohms.
TEST_F(Dialog, DiameterKeyReleaseShowsTheConductorLoss) {
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      {"Strahlungswiderstand Rs", "2,05", "Rv [Ohm] mit Skineffekt:", "3,1"},
      {"Bodendämpfung Rve", "2,05", "Rv [Ohm] mit Skineffekt:", "3,1"},
      {"Strahlungswiderstand Rs", "0", "Rv [Ohm]:", ""},
      {"Ant. - Güte Qa bei d", "2,05", "Rv [Ohm]:", ""},
      {"Verkürzungsfaktor Vf", "2,05", "Vf-Ant.-Höhe [%]:", ""}};
  for (const auto& [choice, diameter, label12, label13] : rows) {
    SCOPED_TRACE(choice);
    Open();
    Choose(choice);
    Retype(dialog.Text8, diameter);
    EXPECT_EQ(dialog.Label12.caption, label12);
    EXPECT_EQ(dialog.Label13.caption, label13);
  }
}

TEST_F(Dialog, MaterialChangeRecomputesTheLoss) {
  // Silver conducts better than copper: sqrt(56 / 62.5) times the copper loss.
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      {"2,05", "62,5 Ag", "Rv [Ohm] mit Skineffekt:", "2,93"},
      {"2,05", "", "", ""},
      {"0", "56 Cu", "Rv [Ohm] mit Skineffekt:", "0,0"},
      {"2,05", "Kupfer", "Rv [Ohm] mit Skineffekt:", "0,0"}};
  for (const auto& [diameter, material, label12, label13] : rows) {
    SCOPED_TRACE(std::string(diameter) + " " + material);
    Open();
    Choose("Ant. - Güte Qa bei h");
    Retype(dialog.Text8, diameter);
    PressOk();
    dialog.Combo2.text = material;
    dialog.Combo2_Click();
    EXPECT_EQ(dialog.Label12.caption, label12);
    EXPECT_EQ(dialog.Label13.caption, label13);
    EXPECT_EQ(dialog.Label3.caption, "");
  }
  Choose("Verkürzungsfaktor Vf");  // no material there: nothing changes
  PressOk();
  const View results = ViewOf(dialog);
  const std::string label13 = dialog.Label13.caption;
  dialog.Combo2.text = "5 Pb";
  dialog.Combo2_Click();
  EXPECT_EQ(ViewOf(dialog), results);
  EXPECT_EQ(dialog.Label13.caption, label13);
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

// What a binding builds on: every control once, a frame before what it contains.
TEST_F(Dialog, ControlListNamesEveryControlOnceAfterItsFrame) {
  std::set<std::string> names;
  for (const auto& ref : dialog.Controls()) {
    EXPECT_TRUE(names.insert(ref.control->name).second) << ref.control->name;
    EXPECT_TRUE(ref.container.empty() || names.count(ref.container)) << ref.control->name;
  }
  EXPECT_EQ(names.size(), 33u);
  EXPECT_TRUE(dialog.OKButton.isDefault && dialog.CancelButton.isCancel);
}

}  // namespace
}  // namespace velmora
