// The single-value dialog as the user works with it: opening, picking calculations, typing,
// changing material, insulation and free space, closing.
#include "single/frm_einzel_eingabe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/single/session.h"

namespace velmora {
namespace {

using Dialog = DialogSession;

TEST_F(Dialog, OpensConfiguredForTheResonantLength) {
  Open();
  EXPECT_TRUE(dialog.loaded);
  EXPECT_EQ(dialog.height, 3972);
  EXPECT_EQ(dialog.caption, "Eingabe für Berechnung");
  EXPECT_EQ(dialog.Tag, "");
  EXPECT_EQ(dialog.Combo1.text, "resonante Dipollänge");
  EXPECT_EQ(dialog.Combo1.items,
            (std::vector<std::string>{"resonante Dipollänge", "Verkürzungsfaktor Vf",
                                      "Strahlungswiderstand Rs", "Ant. - Güte Qa bei h",
                                      "Ant. - Güte Qa bei d", "", "        "}));
  EXPECT_EQ(dialog.Combo2.text, "56 Cu");
  EXPECT_EQ(dialog.Combo2.items.size(), 13u);
  EXPECT_EQ(dialog.Combo3.text, "2,3   PE Polyethylen");
  EXPECT_EQ(dialog.Combo3.items.size(), 26u);

  EXPECT_TRUE(dialog.IsShown(dialog.Frame4));
  EXPECT_EQ(dialog.Frame4.left, 108);
  EXPECT_EQ(dialog.Frame4.top, 1008);
  struct Box {
    const TextBox& box;
    const char* text;
    bool shown;
  };
  for (const Box& row : {Box{dialog.Text1, "2,05", true}, Box{dialog.Text2, "1,4", true},
                         Box{dialog.Text6, "12", true}, Box{dialog.Text7, "3,6", true},
                         Box{dialog.Text8, "", false}, Box{dialog.Text9, "", false}}) {
    SCOPED_TRACE(row.box.name);
    EXPECT_EQ(row.box.text, row.text);
    EXPECT_EQ(dialog.IsShown(row.box), row.shown);
  }
  EXPECT_EQ(dialog.Label7.caption, "f [MHz]:");
  EXPECT_FALSE(dialog.IsShown(dialog.Check1));
  EXPECT_FALSE(dialog.IsShown(dialog.Frame3));
  EXPECT_FALSE(dialog.IsShown(dialog.Label9));
  EXPECT_EQ(dialog.Label2.caption, "Ant.-Länge [m]:");
  EXPECT_EQ(dialog.Label12.caption, "Vf (ohne Isol.) :");
  EXPECT_EQ(dialog.Label4.caption, "Gesamt - Vf :");
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label13.caption, "");
  EXPECT_EQ(dialog.Label5.caption, "");
  EXPECT_FALSE(dialog.lbDrucktext.visible);
  EXPECT_EQ(platform.beeps, 0);
}

// What each recognised choice shows right after opening.
struct ChoiceView {
  const char* choice;
  bool lengthShown;
  const char* label7;
  const char* label8;
  bool freeSpaceShown;
  const char* label2;
  const char* label12;
  const char* label4;
  bool thirdResultShown;
  const char* text6;
  const char* text7;
  const char* text8;
  const char* text9;
};
void PrintTo(const ChoiceView& view, std::ostream* os) {
  *os << view.choice;
}

class ChoiceAfterOpening : public DialogSession, public testing::WithParamInterface<ChoiceView> {};

TEST_P(ChoiceAfterOpening, SetsCaptionsVisibilityAndDefaults) {
  const ChoiceView& want = GetParam();
  Open();
  Choose(want.choice);
  EXPECT_FALSE(dialog.IsShown(dialog.Frame4));
  EXPECT_TRUE(dialog.IsShown(dialog.Text8));
  EXPECT_TRUE(dialog.IsShown(dialog.Text9));
  EXPECT_EQ(dialog.IsShown(dialog.Text7), want.lengthShown);
  EXPECT_EQ(dialog.IsShown(dialog.Label7), want.lengthShown);
  EXPECT_EQ(dialog.Label7.caption, want.label7);
  EXPECT_EQ(dialog.Label8.caption, want.label8);
  EXPECT_EQ(dialog.Label9.caption, "f [MHz]:");
  EXPECT_EQ(dialog.Label11.caption, "Material:");
  EXPECT_EQ(dialog.IsShown(dialog.Check1), want.freeSpaceShown);
  EXPECT_EQ(dialog.Label2.caption, want.label2);
  EXPECT_EQ(dialog.Label12.caption, want.label12);
  EXPECT_EQ(dialog.Label4.caption, want.label4);
  EXPECT_EQ(dialog.IsShown(dialog.Label4), want.thirdResultShown);
  EXPECT_EQ(dialog.IsShown(dialog.Label5), want.thirdResultShown);
  EXPECT_EQ(dialog.Text6.text, want.text6);
  EXPECT_EQ(dialog.Text7.text, want.text7);
  EXPECT_EQ(dialog.Text8.text, want.text8);
  EXPECT_EQ(dialog.Text9.text, want.text9);
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label13.caption, "");
  EXPECT_EQ(dialog.Label5.caption, "");
  EXPECT_EQ(dialog.LastChoice, want.choice);
}

// Text7 still holds the frequency 3,6 from the opening: as a length it fails the check and
// becomes the half wave 39,583. Label4's caption stays "Gesamt - Vf :" where no choice sets it.
INSTANTIATE_TEST_SUITE_P(
    Choices, ChoiceAfterOpening,
    testing::Values(
        ChoiceView{"Verkürzungsfaktor Vf", false, "f [MHz]:", "d [mm]:", true,
                   "Vf-Schlangh.-Grd [%]:", "Vf-Ant.-Höhe [%]:", "Vf-Gesamt :", true, "12", "3,6",
                   "2,05", "3,6"},
        ChoiceView{"Strahlungswiderstand Rs", true, "Ant.-Länge [m]:", "d [mm]:", true, "Rs [Ohm]:",
                   "Rv [Ohm]:", "Impedanz Z [Ohm]:", true, "12", "39,583", "2,05", "3,6"},
        ChoiceView{"Ant. - Güte Qa bei h", true, "Ant.-Länge [m]:", "d [mm]:", true,
                   "Qa:", "Rv [Ohm]:", "Gesamt - Vf :", false, "12", "39,583", "2,05", "3,6"},
        ChoiceView{"Ant. - Güte Qa bei d", true, "Ant.-Länge [m]:", "Draht d [mm]:", true,
                   "Qa:", "Rv [Ohm]:", "Gesamt - Vf :", false, "10", "39,583", "2,05", "3,6"},
        ChoiceView{"Bodendämpfung Rve", true, "Ant.-Länge [m]:", "d [mm]:", false, "Rve [Ohm]:",
                   "Rv [Ohm]:", "Gesamt - Vf :", false, "12", "39,583", "2,05", "3,6"}));

class UnrecognisedChoice : public DialogSession, public testing::WithParamInterface<const char*> {};

TEST_P(UnrecognisedChoice, OnlyShowsTheWireFrameAndEmptiesTheDiameter) {
  Open();
  Choose("Strahlungswiderstand Rs");
  PressOk();
  const std::string result = dialog.Label3.caption;
  ASSERT_NE(result, "");
  Choose(GetParam());
  EXPECT_FALSE(dialog.IsShown(dialog.Frame4));
  EXPECT_TRUE(dialog.IsShown(dialog.Frame3));
  EXPECT_TRUE(dialog.IsShown(dialog.Text9));
  EXPECT_EQ(dialog.Label2.caption, "Rs [Ohm]:");
  EXPECT_EQ(dialog.Label3.caption, result);
  EXPECT_EQ(dialog.Text8.text, "");
  EXPECT_EQ(dialog.Text7.text, "39,583");
  EXPECT_EQ(dialog.Label11.caption, "Material:");
}

INSTANTIATE_TEST_SUITE_P(Texts, UnrecognisedChoice,
                         testing::Values("", "        ", "Strahlungswiderstand",
                                         "bodendämpfung rve"));

TEST_F(Dialog, BackToTheResonantLengthTurnsACarriedLengthIntoAFrequency) {
  struct Row {
    const char* typed;
    const char* after;
  };
  for (const Row& row :
       {Row{"39,583", "3,6"}, Row{"29,8", "29,8"}, Row{"29,81", "3,6"}, Row{"7,1", "7,1"}}) {
    SCOPED_TRACE(row.typed);
    Open();
    Choose("Strahlungswiderstand Rs");
    Retype(dialog.Text7, row.typed);
    Choose("resonante Dipollänge");
    EXPECT_EQ(dialog.Text7.text, row.after);
    EXPECT_EQ(dialog.Label7.caption, "f [MHz]:");
    EXPECT_TRUE(dialog.IsShown(dialog.Frame4));
    EXPECT_FALSE(dialog.IsShown(dialog.Text9));
  }
}

TEST_F(Dialog, LengthCheckKeepsLengthsWithinAFifthOfTheHalfWave) {
  // f = 3,6 gives the customary half wave 142.5 / 3.6 = 39.5833 m.
  struct Row {
    const char* typed;
    const char* after;
  };
  for (const Row& row : {Row{"35", "35"}, Row{"33", "33"}, Row{"32,9", "39,583"},
                         Row{"30", "39,583"}, Row{"49,4", "49,4"}, Row{"49,5", "39,583"},
                         Row{"50", "39,583"}, Row{"", "39,583"}, Row{"0", "39,583"}}) {
    SCOPED_TRACE(row.typed);
    Open();
    Choose("Ant. - Güte Qa bei h");
    Retype(dialog.Text7, row.typed);
    Choose("Ant. - Güte Qa bei h");
    EXPECT_EQ(dialog.Text7.text, row.after);
  }
}

TEST_F(Dialog, LengthCheckWithoutAUsableFrequencyLeavesTheLength) {
  // No customary half wave exists for these; the length must stay as typed, never "inf".
  for (const char* frequency :
       {"", "0", "0,0", "0,000000000000000000000000000000000000000000001"}) {
    SCOPED_TRACE(frequency);
    Open();
    Choose("Strahlungswiderstand Rs");
    Retype(dialog.Text9, frequency);
    Retype(dialog.Text7, "12");
    Choose("Strahlungswiderstand Rs");
    EXPECT_EQ(dialog.Text7.text, "12");
    EXPECT_EQ(dialog.Text9.text, frequency);
  }
}

TEST_F(Dialog, LengthCheckWithAHugeFrequencyGivesAPlainNumber) {
  Open();
  Choose("Bodendämpfung Rve");
  Retype(dialog.Text9, "99999999999999999999999999999999999999999");
  Choose("Bodendämpfung Rve");
  EXPECT_EQ(dialog.Text7.text, "0,0");
}

TEST_F(Dialog, SameChoiceAgainFillsNoDefaultsButStillChecks) {
  Open();
  Choose("Strahlungswiderstand Rs");
  Retype(dialog.Text6, "");
  Retype(dialog.Text9, "7,1");
  Retype(dialog.Text7, "");
  Choose("Strahlungswiderstand Rs");
  EXPECT_EQ(dialog.Text6.text, "");
  EXPECT_EQ(dialog.Text8.text, "2,05");
  EXPECT_EQ(dialog.Text7.text, "20,07");  // 142.5 / 7.1 = 20.0704...
}

TEST_F(Dialog, QualityAtDiameterAlwaysSetsTheHeightTo10) {
  Open();
  Choose("Strahlungswiderstand Rs");
  Retype(dialog.Text6, "25");
  Retype(dialog.Text7, "40");
  Choose("Ant. - Güte Qa bei d");
  EXPECT_EQ(dialog.Text6.text, "10");
  EXPECT_EQ(dialog.Text8.text, "2,05");
  EXPECT_EQ(dialog.Text7.text, "40");
}

TEST_F(Dialog, CarriedOverValuesAreRepaired) {
  Open();
  Choose("Ant. - Güte Qa bei d");
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

TEST_F(Dialog, ActivationRunsTheChoiceHandlerOnlyOnce) {
  Open();
  Retype(dialog.Text7, "35");
  dialog.Form_Activate();
  EXPECT_EQ(dialog.Text7.text, "35");
}

TEST_F(Dialog, ReopeningStartsFromTheLoadDefaultsAndKeepsLastChoice) {
  Open();
  Choose("Ant. - Güte Qa bei h");
  Retype(dialog.Text6, "30");
  dialog.Check1.value = 1;
  dialog.Check1_Click();
  PressOk();
  dialog.CancelButton_Click();
  dialog.Unload();
  EXPECT_FALSE(dialog.loaded);
  EXPECT_EQ(dialog.LastChoice, "Ant. - Güte Qa bei h");

  dialog.Load();
  EXPECT_EQ(dialog.Tag, "");
  EXPECT_EQ(dialog.Text6.text, "");
  EXPECT_EQ(dialog.Check1.value, 0);
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label12.caption, "Rv [Ohm]::");
  EXPECT_EQ(dialog.Combo1.items.size(), 7u);  // the lists are filled anew, not appended to
  EXPECT_EQ(dialog.LastChoice, "Ant. - Güte Qa bei h");
  dialog.Form_Activate();
  EXPECT_EQ(dialog.Text6.text, "12");
  EXPECT_EQ(dialog.Text7.text, "3,6");
}

TEST_F(Dialog, CancelKeepsOkAsResultText) {
  struct Row {
    bool calculated;
    const char* tag;
  };
  for (const Row& row : {Row{true, "OK"}, Row{false, ""}}) {
    SCOPED_TRACE(row.tag);
    Open();
    dialog.visible = true;
    dialog.Tag = "Neu";
    if (row.calculated) PressOk();
    dialog.CancelButton_Click();
    EXPECT_EQ(dialog.Tag, row.tag);
    EXPECT_FALSE(dialog.visible);
  }
}

// --- keys ---

struct Keys {
  const char* typed;
  const char* text;  // after typing into "1"
  int beeps;
};
void PrintTo(const Keys& keys, std::ostream* os) {
  *os << '"' << keys.typed << '"';
}

class NumericBoxKeys : public DialogSession, public testing::WithParamInterface<Keys> {};

TEST_P(NumericBoxKeys, TakeOnlyDigitsSeparatorsAndBackspace) {
  Open();
  Choose("Strahlungswiderstand Rs");
  PressOk();
  for (TextBox* box : {&dialog.Text6, &dialog.Text7, &dialog.Text8, &dialog.Text9}) {
    SCOPED_TRACE(box->name);
    Retype(*box, "1");
    PressOk();
    const int beepsBefore = platform.beeps;
    const int eventsBefore = platform.doEventsCalls;
    const TypingResult typed = TypeInto(*box, GetParam().typed);
    EXPECT_EQ(box->text, GetParam().text);
    EXPECT_EQ(platform.beeps - beepsBefore, GetParam().beeps);
    // Every refused key lets pending events run; an accepted one does not.
    EXPECT_EQ(platform.doEventsCalls - eventsBefore, GetParam().beeps);
    EXPECT_EQ(typed.refusedCount, GetParam().beeps);
    // Every key release, refused key or not, makes the results stale.
    if (*GetParam().typed != '\0') {
      EXPECT_EQ(dialog.Label3.caption, "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Typing, NumericBoxKeys,
    testing::Values(Keys{"2,05", "12,05", 0}, Keys{".5", "1.5", 0}, Keys{"-", "1", 1},
                    Keys{"+3", "13", 1}, Keys{"e5", "15", 1}, Keys{"E", "1", 1}, Keys{" ", "1", 1},
                    Keys{"x1y", "11", 2}, Keys{"\x16", "1", 1}, Keys{"\x03", "1", 1},
                    Keys{"\t", "1", 1}, Keys{"ä", "1", 1},
                    Keys{"\xC4\xB1", "1", 1},  // dotless i, U+0131: its low byte is '1'
                    Keys{"\b", "", 0}, Keys{"\b\b7", "7", 0}, Keys{"", "1", 0}));

TEST_F(Dialog, WireBoxesOfTheInsulatedWireTakeAnyKey) {
  Open();
  for (TextBox* box : {&dialog.Text1, &dialog.Text2}) {
    SCOPED_TRACE(box->name);
    Retype(*box, "-2,5 mm");
    EXPECT_EQ(box->text, "-2,5 mm");
  }
  EXPECT_EQ(platform.beeps, 0);
}

// --- the live conductor loss ---

struct DiameterRelease {
  const char* choice;
  const char* label12;
  const char* label13;
};
void PrintTo(const DiameterRelease& row, std::ostream* os) {
  *os << row.choice;
}

class DiameterKeyRelease : public DialogSession,
                           public testing::WithParamInterface<DiameterRelease> {};

TEST_P(DiameterKeyRelease, ShowsTheConductorLossWhereTheCaptionIsPlainD) {
  Open();
  Choose(GetParam().choice);
  Retype(dialog.Text8, "2,05");
  EXPECT_EQ(dialog.Label12.caption, GetParam().label12);
  EXPECT_EQ(dialog.Label13.caption, GetParam().label13);
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label5.caption, "");
}

// 39,583 m of 2,05 mm copper at 3,6 MHz: Rv = 3.0963 ohms.
INSTANTIATE_TEST_SUITE_P(
    Choices, DiameterKeyRelease,
    testing::Values(DiameterRelease{"Strahlungswiderstand Rs", "Rv [Ohm] mit Skineffekt:", "3,1"},
                    DiameterRelease{"Ant. - Güte Qa bei h", "Rv [Ohm] mit Skineffekt:", "3,1"},
                    DiameterRelease{"Bodendämpfung Rve", "Rv [Ohm] mit Skineffekt:", "3,1"},
                    DiameterRelease{"Ant. - Güte Qa bei d", "Rv [Ohm]:", ""},
                    DiameterRelease{"Verkürzungsfaktor Vf", "Vf-Ant.-Höhe [%]:", ""}));

TEST_F(Dialog, DiameterZeroShowsNoLossWhileTyping) {
  Open();
  Choose("Strahlungswiderstand Rs");
  Retype(dialog.Text8, "0");
  EXPECT_EQ(dialog.Label12.caption, "Rv [Ohm]:");
  EXPECT_EQ(dialog.Label13.caption, "");
}

TEST_F(Dialog, MaterialChangeRecomputesTheLoss) {
  struct Row {
    const char* diameter;
    const char* material;
    const char* label12;
    const char* label13;
  };
  // Silver conducts better than copper: sqrt(56 / 62.5) times the copper loss.
  for (const Row& row :
       {Row{"2,05", "62,5 Ag", "Rv [Ohm] mit Skineffekt:", "2,93"},
        Row{"2,05", "5 Pb", "Rv [Ohm] mit Skineffekt:", "10,36"}, Row{"2,05", "", "", ""},
        Row{"0", "56 Cu", "Rv [Ohm] mit Skineffekt:", "0,0"},
        Row{"2,05", "Kupfer", "Rv [Ohm] mit Skineffekt:", "0,0"}}) {
    SCOPED_TRACE(std::string(row.diameter) + " " + row.material);
    Open();
    Choose("Ant. - Güte Qa bei h");
    Retype(dialog.Text8, row.diameter);
    PressOk();
    dialog.Combo2.text = row.material;
    dialog.Combo2_Click();
    EXPECT_EQ(dialog.Label12.caption, row.label12);
    EXPECT_EQ(dialog.Label13.caption, row.label13);
    EXPECT_EQ(dialog.Label3.caption, "");
  }
}

TEST_F(Dialog, MaterialChangeUnderVelocityFactorChangesNothing) {
  Open();
  Choose("Verkürzungsfaktor Vf");
  PressOk();
  const std::string results[] = {dialog.Label3.caption, dialog.Label13.caption,
                                 dialog.Label5.caption};
  dialog.Combo2.text = "5 Pb";
  dialog.Combo2_Click();
  EXPECT_EQ(dialog.Label3.caption, results[0]);
  EXPECT_EQ(dialog.Label13.caption, results[1]);
  EXPECT_EQ(dialog.Label5.caption, results[2]);
  EXPECT_EQ(dialog.Label12.caption, "Vf-Ant.-Höhe [%]:");
}

TEST_F(Dialog, InsulationChangeEmptiesLengthAndTotalOnly) {
  Open();
  PressOk();
  ASSERT_NE(dialog.Label13.caption, "");
  const std::string withoutInsulation = dialog.Label13.caption;
  dialog.Combo3.text = "7,0   Glimmer";
  dialog.Combo3_Click();
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label5.caption, "");
  EXPECT_EQ(dialog.Label13.caption, withoutInsulation);

  Choose("Strahlungswiderstand Rs");
  PressOk();
  const std::string rs = dialog.Label3.caption;
  dialog.Combo3_Click();
  EXPECT_EQ(dialog.Label3.caption, rs);
}

TEST_F(Dialog, FreeSpaceClickEmptiesTheResults) {
  Open();
  Choose("Strahlungswiderstand Rs");
  PressOk();
  dialog.Check1.value = 1;
  dialog.Check1_Click();
  EXPECT_EQ(dialog.Label3.caption, "");
  EXPECT_EQ(dialog.Label13.caption, "");
  EXPECT_EQ(dialog.Label5.caption, "");
}

// --- what a binding builds on ---

TEST_F(Dialog, ControlListNamesEveryControlOnceWithItsFrameAndTabOrder) {
  const auto& controls = dialog.Controls();
  ASSERT_EQ(controls.size(), 33u);
  std::set<std::string> names;
  std::set<int> tabs;
  for (const auto& ref : controls) {
    SCOPED_TRACE(ref.control->name);
    EXPECT_TRUE(names.insert(ref.control->name).second);
    EXPECT_TRUE(tabs.insert(ref.control->tabIndex).second);
    if (!ref.container.empty()) {
      EXPECT_TRUE(names.count(ref.container)) << "frame listed after its content";
    }
  }
  EXPECT_EQ(*tabs.begin(), 0);
  EXPECT_EQ(*tabs.rbegin(), 32);
  const std::pair<const Control*, const char*> containment[] = {
      {&dialog.Text8, "Frame3"}, {&dialog.Combo2, "Frame3"}, {&dialog.Frame3, "Frame1"},
      {&dialog.Text6, "Frame1"}, {&dialog.Combo3, "Frame4"}, {&dialog.Label13, "Frame2"},
      {&dialog.Frame4, ""},      {&dialog.OKButton, ""}};
  for (const auto& [control, frame] : containment) {
    for (const auto& ref : controls) {
      if (ref.control == control) {
        EXPECT_EQ(ref.container, frame) << control->name;
      }
    }
  }
  EXPECT_TRUE(dialog.OKButton.isDefault);
  EXPECT_TRUE(dialog.CancelButton.isCancel);
  EXPECT_FALSE(dialog.PrintButton.isDefault || dialog.PrintButton.isCancel);
}

}  // namespace
}  // namespace velmora
