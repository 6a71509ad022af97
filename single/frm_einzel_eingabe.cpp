// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/frm_einzel_eingabe.h"

#include <array>

#include "formulas/antenna.h"
#include "formulas/checked.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "single/materials.h"
#include "single/skin_effect.h"

namespace velmora {
namespace {

constexpr int kWindowHeight = 3972;
constexpr int kClientWidth = 6048;
constexpr int kFrame4Left = 108;
constexpr int kFrame4Top = 1008;
constexpr const char* kEightBlanks = "        ";
constexpr const char* kHeightCaption = "Ant.-Höhe [m]:";
constexpr const char* kDiameterCaption = "d [mm]:";
constexpr const char* kSkinEffectCaption = "Rv [Ohm] mit Skineffekt:";

// Captions and visibility per recognised choice; nullptr leaves a caption as it was.
struct ChoiceLayout {
  const char* choice;
  bool lengthRow;  // Label7, Text7
  const char* label7;
  const char* label8;
  const char* label9;
  bool freeSpaceBox;  // Check1
  const char* label2;
  const char* label12;
  const char* label4;
  bool thirdResult;  // Label4, Label5
};

constexpr std::array<ChoiceLayout, 6> kLayouts = {{
    {kChoiceResonantLength, true, "f [MHz]:", nullptr, nullptr, false,
     "Ant.-Länge [m]:", "Vf (ohne Isol.) :", "Gesamt - Vf :", true},
    {kChoiceVelocityFactor, false, nullptr, kDiameterCaption, "f [MHz]:", true,
     "Vf-Schlangh.-Grd [%]:", "Vf-Ant.-Höhe [%]:", "Vf-Gesamt :", true},
    {kChoiceRadiationResistance, true, "Ant.-Länge [m]:", kDiameterCaption, "f [MHz]:", true,
     "Rs [Ohm]:", "Rv [Ohm]:", "Impedanz Z [Ohm]:", true},
    {kChoiceQualityAtHeight, true, "Ant.-Länge [m]:", kDiameterCaption, "f [MHz]:", true,
     "Qa:", "Rv [Ohm]:", nullptr, false},
    {kChoiceQualityAtDiameter, true, "Ant.-Länge [m]:", "Draht d [mm]:", "f [MHz]:", true,
     "Qa:", "Rv [Ohm]:", nullptr, false},
    {kChoiceGroundLoss, true, "Ant.-Länge [m]:", kDiameterCaption, "f [MHz]:", false,
     "Rve [Ohm]:", "Rv [Ohm]:", nullptr, false},
}};

const ChoiceLayout* FindLayout(const std::string& choice) {
  for (const ChoiceLayout& layout : kLayouts) {
    if (choice == layout.choice) return &layout;
  }
  return nullptr;
}

void SetIf(std::string& target, const char* text) {
  if (text != nullptr) target = text;
}

void FillIfEmpty(TextBox& box, const std::string& text) {
  if (box.text.empty()) box.text = text;
}

// A control as the form's design holds it: placed, shown, enabled, without a tool tip.
void PlaceAtDesign(Control& control, int left, int top, int width, int height, int tabIndex) {
  Place(control, left, top, width, height, tabIndex);
  control.visible = true;
  control.enabled = true;
  control.toolTip.clear();
}

}  // namespace

FrmEinzelEingabe::FrmEinzelEingabe(Platform& platform)
    : Form("frmEinzel_Eingabe"), platform_(platform) {
  using K = ControlKind;
  using L = LabelLook;
  const auto click = [](auto handler) { return ControlEvents{handler, {}, {}, {}}; };
  const auto filtered = [](auto keyPress, auto keyUp) {
    return ControlEvents{{}, keyPress, keyUp, {}};
  };
  controls_ = {
      {&Frame1, K::kFrame, "", L::kPlain, true},
      {&Label10, K::kLabel, "Frame1", L::kLeft},
      {&Combo1, K::kComboBox, "Frame1", L::kPlain, false, click([this] { Combo1_Click(); })},
      {&Label7, K::kLabel, "Frame1", L::kCaption},
      {&Text7, K::kTextBox, "Frame1", L::kPlain, false,
       filtered([this](std::int16_t& key) { Text7_KeyPress(key); }, [this] { Text7_KeyUp(); })},
      {&Label9, K::kLabel, "Frame1", L::kCaption},
      {&Text9, K::kTextBox, "Frame1", L::kPlain, false,
       filtered([this](std::int16_t& key) { Text9_KeyPress(key); }, [this] { Text9_KeyUp(); })},
      {&Frame3, K::kFrame, "Frame1"},
      {&Label8, K::kLabel, "Frame3", L::kCaption},
      {&Text8, K::kTextBox, "Frame3", L::kPlain, false,
       filtered([this](std::int16_t& key) { Text8_KeyPress(key); }, [this] { Text8_KeyUp(); })},
      {&Label11, K::kLabel, "Frame3", L::kCaption},
      {&Combo2, K::kComboBox, "Frame3", L::kPlain, false, click([this] { Combo2_Click(); })},
      {&Label1, K::kLabel, "Frame1", L::kCaption},
      {&Text6, K::kTextBox, "Frame1", L::kPlain, false,
       filtered([this](std::int16_t& key) { Text6_KeyPress(key); }, [this] { Text6_KeyUp(); })},
      {&Check1, K::kCheckBox, "Frame1", L::kPlain, false, click([this] { Check1_Click(); })},
      {&Frame4, K::kFrame, ""},
      {&Label6, K::kLabel, "Frame4", L::kCaption},
      {&Text1, K::kTextBox, "Frame4"},  // Text1 and Text2 take every key and raise nothing
      {&Label14, K::kLabel, "Frame4", L::kCaption},
      {&Text2, K::kTextBox, "Frame4"},
      {&Label15, K::kLabel, "Frame4", L::kCaption},
      {&Combo3, K::kComboBox, "Frame4", L::kPlain, false, click([this] { Combo3_Click(); })},
      {&Frame2, K::kFrame, "", L::kPlain, true},
      {&Label2, K::kLabel, "Frame2", L::kCaption},
      {&Label3, K::kLabel, "Frame2", L::kValue},
      {&Label12, K::kLabel, "Frame2", L::kCaption},
      {&Label13, K::kLabel, "Frame2", L::kValue},
      {&Label4, K::kLabel, "Frame2", L::kCaption},
      {&Label5, K::kLabel, "Frame2", L::kValue},
      {&OKButton, K::kCommandButton, "", L::kPlain, false, click([this] { OKButton_Click(); })},
      {&CancelButton, K::kCommandButton, "", L::kPlain, false,
       click([this] { CancelButton_Click(); })},
      {&PrintButton, K::kCommandButton, "", L::kPlain, false,
       click([this] { PrintButton_Click(); })},
      {&lbDrucktext, K::kLabel, "", L::kLeft},
  };
  SetDesignState();
}

bool FrmEinzelEingabe::IsShown(const Control& control) const {
  const Control* current = &control;
  while (current != nullptr) {
    if (!current->visible) return false;
    const Control* parent = nullptr;
    for (const ControlEntry& ref : controls_) {
      if (ref.control == current) {
        for (const ControlEntry& candidate : controls_) {
          if (!ref.container.empty() && candidate.control->name == ref.container) {
            parent = candidate.control;
          }
        }
        break;
      }
    }
    current = parent;
  }
  return true;
}

// What the form holds before any code runs.
void FrmEinzelEingabe::SetDesignState() {
  caption = "Eingabe für Berechnung";
  width = kClientWidth;
  height = kWindowHeight;
  Tag.clear();

  PlaceAtDesign(Frame1, 36, 72, 2928, 3324, 0);
  Frame1.caption = " Eingaben zur Antenne : ";
  PlaceAtDesign(Label10, 180, 288, 588, 300, 1);
  Label10.caption = "Formel:";
  PlaceAtDesign(Combo1, 828, 252, 1956, 288, 2);
  Combo1.toolTip = "Berechnung auswählen";
  Combo1.text.clear();
  Combo1.items.clear();
  PlaceAtDesign(Label7, 180, 720, 1344, 300, 3);
  Label7.caption = "Wert 1:";
  PlaceAtDesign(Text7, 1548, 684, 1236, 300, 4);
  Text7.text.clear();
  PlaceAtDesign(Label9, 180, 1152, 1308, 300, 5);
  Label9.caption = "Wert 3:";
  PlaceAtDesign(Text9, 1548, 1116, 1236, 300, 6);
  Text9.text.clear();
  PlaceAtDesign(Frame3, 72, 1368, 2784, 984, 7);
  Frame3.caption = "Antennen-Draht : ";
  PlaceAtDesign(Label8, 72, 216, 1344, 300, 8);
  Label8.caption = "Wert 2:";
  PlaceAtDesign(Text8, 1476, 180, 1236, 300, 9);
  Text8.text.clear();
  PlaceAtDesign(Label11, 72, 648, 1344, 300, 10);
  Label11.caption = "Wert 4:";
  PlaceAtDesign(Combo2, 1476, 612, 1236, 288, 11);
  Combo2.text.clear();
  Combo2.items.clear();
  PlaceAtDesign(Text6, 1548, 2412, 1236, 300, 12);
  Text6.text.clear();
  PlaceAtDesign(Check1, 144, 2844, 1488, 408, 13);
  Check1.caption = "Freiraum";
  Check1.toolTip = "Freiraum- o. reale Bodenverhältnisse";
  Check1.value = 0;
  PlaceAtDesign(Frame2, 3060, 72, 2928, 1524, 14);
  Frame2.caption = "Ergebnis :";
  PlaceAtDesign(Label2, 72, 288, 1452, 372, 15);
  Label2.caption = "Rs [Ohm]:";
  PlaceAtDesign(Label3, 1548, 252, 1236, 300, 16);
  Label3.caption.clear();
  PlaceAtDesign(Label12, 72, 720, 1452, 408, 17);
  Label12.caption = "Rv [Ohm]::";
  PlaceAtDesign(Label13, 1548, 684, 1236, 300, 18);
  Label13.caption.clear();
  PlaceAtDesign(OKButton, 4752, 3024, 1215, 375, 19);
  OKButton.caption = "&OK";
  OKButton.toolTip = "Calculate";
  OKButton.isDefault = true;
  PlaceAtDesign(CancelButton, 3096, 3024, 1215, 375, 20);
  CancelButton.caption = "&Abbrechen";
  CancelButton.toolTip = "Cancel";
  CancelButton.isCancel = true;
  PlaceAtDesign(PrintButton, 4752, 2016, 1215, 375, 21);
  PrintButton.caption = "&Drucken";
  PrintButton.toolTip = "Print";
  PlaceAtDesign(lbDrucktext, 3096, 2412, 2892, 984, 22);
  lbDrucktext.caption.clear();
  lbDrucktext.visible = false;
  PlaceAtDesign(Label4, 36, 1152, 1488, 336, 23);
  Label4.caption.clear();
  PlaceAtDesign(Label5, 1548, 1116, 1236, 300, 24);
  Label5.caption.clear();
  PlaceAtDesign(Label1, 180, 2448, 1344, 300, 25);
  Label1.caption = kHeightCaption;
  // Shown, in front of Frame1, only for the resonant length.
  PlaceAtDesign(Frame4, kFrame4Left, kFrame4Top, 2784, 1416, 26);
  Frame4.caption = "Antennen-Draht:";
  Frame4.visible = false;
  PlaceAtDesign(Label6, 72, 216, 1344, 300, 27);
  Label6.caption = "Gesamt d [mm]:";
  PlaceAtDesign(Label14, 72, 648, 1344, 300, 28);
  Label14.caption = "Leiter d [mm]:";
  PlaceAtDesign(Label15, 72, 1080, 804, 300, 29);
  Label15.caption = "Isolierung:";
  PlaceAtDesign(Combo3, 900, 1044, 1812, 288, 30);
  Combo3.toolTip = "Isolier-Material";
  Combo3.text.clear();
  Combo3.items.clear();
  PlaceAtDesign(Text1, 1476, 180, 1236, 300, 31);
  Text1.toolTip = "Aussen-Durchmesser";
  Text1.text.clear();
  PlaceAtDesign(Text2, 1476, 612, 1236, 300, 32);
  Text2.toolTip = "Draht-Durchmesser";
  Text2.text.clear();
  for (TextBox* box : {&Text6, &Text7, &Text8, &Text9}) box->maxLength = kNumericMaxLength;
}

std::string FrmEinzelEingabe::General(double value) const {
  return FormatGeneral(value, platform_.DecimalSeparator());
}

std::string FrmEinzelEingabe::Pattern(double value, const char* pattern) const {
  return FormatPattern(value, pattern, platform_.DecimalSeparator());
}

void FrmEinzelEingabe::Load() {
  loaded = true;
  visible = false;
  activated_ = false;
  SetDesignState();
  Form_Load();
}

void FrmEinzelEingabe::Unload() {
  loaded = false;
  visible = false;
  activated_ = false;
}

void FrmEinzelEingabe::Form_Load() {
  const char separator = platform_.DecimalSeparator();
  height = kWindowHeight;
  for (const char* choice :
       {kChoiceResonantLength, kChoiceVelocityFactor, kChoiceRadiationResistance,
        kChoiceQualityAtHeight, kChoiceQualityAtDiameter}) {
    Combo1.AddItem(choice);
  }
  Combo1.AddItem("");
  Combo1.text = kChoiceResonantLength;
  for (std::string& item : ConductorMaterials(separator)) Combo2.AddItem(std::move(item));
  Combo2.text = kDefaultConductor;
  Combo1.AddItem(kEightBlanks);
  for (std::string& item : InsulationMaterials(separator)) Combo3.AddItem(std::move(item));
  Combo3.text = DefaultInsulation(separator);
  Text1.text.clear();
  Text2.text.clear();
  Text8.text.clear();
}

void FrmEinzelEingabe::Form_Activate() {
  if (activated_) return;
  activated_ = true;
  Combo1_Click();
}

void FrmEinzelEingabe::EmptyResults() {
  Label3.caption.clear();
  Label13.caption.clear();
  Label5.caption.clear();
}

void FrmEinzelEingabe::Combo1_Click() {
  const std::string choice = Combo1.text;
  Label11.caption = "Material:";
  // An empty Text8 is what lets a new choice fill in its own defaults.
  if (choice != LastChoice) Text8.text.clear();
  if (choice == kChoiceResonantLength) {
    ConfigureResonantLength();
  } else {
    ConfigureOtherChoice(choice);
  }
  LastChoice = Combo1.text;
}

void FrmEinzelEingabe::ConfigureResonantLength() {
  Frame4.left = kFrame4Left;
  Frame4.top = kFrame4Top;
  Frame4.visible = true;
  Frame3.visible = false;
  Label9.visible = false;
  Text9.visible = false;

  FillIfEmpty(Text6, "12");
  FillIfEmpty(Text1, General(2.05));
  FillIfEmpty(Text2, General(1.4));
  FillIfEmpty(Text7, General(3.6));

  const ChoiceLayout& layout = *FindLayout(kChoiceResonantLength);
  Label7.visible = Text7.visible = layout.lengthRow;
  SetIf(Label7.caption, layout.label7);
  Label1.caption = kHeightCaption;
  Label6.caption = "Gesamt d [mm]:";
  Label14.caption = "Leiter d [mm]:";
  Label15.caption = "Isolierung:";
  Check1.visible = layout.freeSpaceBox;
  SetIf(Label2.caption, layout.label2);
  SetIf(Label12.caption, layout.label12);
  SetIf(Label4.caption, layout.label4);
  Label4.visible = Label5.visible = layout.thirdResult;
  Label5.caption.clear();
  Label13.caption.clear();
  Label3.caption.clear();

  // Text7 holds a length under the other choices; a length brought along becomes a frequency.
  if (ParseDecimal(Text7.text) > 29.8f) Text7.text = General(3.6);
}

void FrmEinzelEingabe::ConfigureOtherChoice(const std::string& choice) {
  Frame4.visible = false;
  Frame3.visible = true;
  Label9.visible = true;
  Text9.visible = true;
  const ChoiceLayout* layout = FindLayout(choice);
  if (layout == nullptr) return;

  const bool qualityAtDiameter = choice == kChoiceQualityAtDiameter;
  if (Text8.text.empty()) {
    if (qualityAtDiameter) {
      Text8.text = General(2.05);
      FillIfEmpty(Text7, General(39.59));
      Text6.text = "10";
      FillIfEmpty(Text9, General(3.6));
    } else {
      FillIfEmpty(Text6, "12");
      if (choice != kChoiceVelocityFactor) FillIfEmpty(Text7, General(39.59));
      FillIfEmpty(Text8, General(2.05));
      FillIfEmpty(Text9, General(3.6));
    }
  }

  Label7.visible = Text7.visible = layout->lengthRow;
  SetIf(Label7.caption, layout->label7);
  SetIf(Label8.caption, layout->label8);
  SetIf(Label9.caption, layout->label9);
  Label1.caption = kHeightCaption;
  Check1.visible = layout->freeSpaceBox;
  SetIf(Label2.caption, layout->label2);
  SetIf(Label12.caption, layout->label12);
  SetIf(Label4.caption, layout->label4);
  Label4.visible = Label5.visible = layout->thirdResult;
  EmptyResults();

  // Values carried over from the previous choice's boxes.
  if (qualityAtDiameter) {
    if (Text8.text == "12") Text8.text = General(2.05);
  } else if (Text6.text == General(2.05)) {
    Text6.text = "12";
  }

  if (choice != kChoiceVelocityFactor) CheckLength();
}

// Pulls a dipole length more than 20 % away from the customary half wave back to it.
void FrmEinzelEingabe::CheckLength() {
  const float f = ParseDecimal(Text9.text);
  const float length = ParseDecimal(Text7.text);
  // A frequency of 0 (or one so small that the half wave does not fit a single) gives no
  // customary length to compare with: the length stays as typed.
  const Checked halfWave = Single(Checked(142.5) / Checked(f));
  if (!halfWave.ok()) return;
  const Checked upper = Single(Checked(length) + Checked(0.2) * Checked(length));
  const Checked lower = Single(Checked(length) - Checked(0.2) * Checked(length));
  const bool stays = upper.ok() && lower.ok() && upper.value() >= halfWave.value() &&
                     lower.value() <= halfWave.value();
  if (!stays) Text7.text = Pattern(halfWave.value(), "###0.0##");
}

void FrmEinzelEingabe::Combo2_Click() {
  if (Combo1.text == kChoiceVelocityFactor) return;
  EmptyResults();
  ShowSkinEffectLoss();
}

void FrmEinzelEingabe::Combo3_Click() {
  if (Combo1.text != kChoiceResonantLength) return;
  // The velocity factor without insulation (Label13) does not depend on it.
  Label5.caption.clear();
  Label3.caption.clear();
}

void FrmEinzelEingabe::Check1_Click() {
  EmptyResults();
}

void FrmEinzelEingabe::FilterKey(std::int16_t& key) {
  key = FilterNumericKey(key, kNumericKeys, platform_);
}

void FrmEinzelEingabe::Text6_KeyPress(std::int16_t& key) {
  FilterKey(key);
}
void FrmEinzelEingabe::Text7_KeyPress(std::int16_t& key) {
  FilterKey(key);
}
void FrmEinzelEingabe::Text8_KeyPress(std::int16_t& key) {
  FilterKey(key);
}
void FrmEinzelEingabe::Text9_KeyPress(std::int16_t& key) {
  FilterKey(key);
}

void FrmEinzelEingabe::Text6_KeyUp() {
  EmptyResults();
}
void FrmEinzelEingabe::Text7_KeyUp() {
  EmptyResults();
}
void FrmEinzelEingabe::Text9_KeyUp() {
  EmptyResults();
}

void FrmEinzelEingabe::Text8_KeyUp() {
  EmptyResults();
  // Under "Ant. - Güte Qa bei d" Label8 reads "Draht d [mm]:": the loss then waits for OK.
  if (Combo1.text != kChoiceVelocityFactor && ParseDecimal(Text8.text) > 0.0f &&
      Label8.caption == kDiameterCaption) {
    ShowSkinEffectLoss();
  }
}

void FrmEinzelEingabe::ShowSkinEffectLoss() {
  velmora::ShowSkinEffectLoss(
      {Text7, Text8, Text9, Combo2, Label13, Label12, "##0.0#", kSkinEffectCaption},
      platform_.DecimalSeparator());
}

void FrmEinzelEingabe::CancelButton_Click() {
  if (Tag != "OK") Tag.clear();
  Hide();
}

void FrmEinzelEingabe::OKButton_Click() {
  Tag = "OK";
  // A calculation typed into the box, not picked: its captions first, so no result stands under
  // those of the previous one.
  if (Combo1.text != LastChoice && FindLayout(Combo1.text) != nullptr) Combo1_Click();
  ComputeSingleValue();
  // Read again: events processed at the end of the run may have changed the choice.
  if (Combo1.text == kChoiceQualityAtDiameter) ShowSkinEffectLoss();
  if (Combo1.text == kChoiceQualityAtHeight) ShowSkinEffectLoss();
  if (Combo1.text == kChoiceRadiationResistance) ShowSkinEffectLoss();
  if (Combo1.text == kChoiceGroundLoss) ShowSkinEffectLoss();
}

TypingResult FrmEinzelEingabe::TypeText(TextBox& box, std::string_view text, TypingMode mode) {
  return TypeKeys(box, text, EventsOf(controls_, box), mode);
}

void FrmEinzelEingabe::DeleteText(TextBox& box) {
  box.text.clear();
  // Delete types no character, so only the release reaches the box's handlers.
  const ControlEvents& events = EventsOf(controls_, box);
  if (events.keyUp) events.keyUp();
}

}  // namespace velmora
