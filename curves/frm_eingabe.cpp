// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/frm_eingabe.h"

#include "curves/curve_types.h"
#include "formulas/antenna.h"
#include "formulas/checked.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/platform.h"
#include "single/materials.h"
#include "single/skin_effect.h"

namespace velmora {
namespace {

float Value(const TextBox& box) {
  return ParseDecimal(box.text);
}

// The labelling and visibility of one listed choice.
struct ChoiceTexts {
  std::string_view choice;
  const char* yName;
  const char* yUnit;
  const char* yFullScale;  // nullptr: the integer 1 in the pattern "0.0##"
  const char* xName;
  const char* xUnit;
  const char* label7;
  const char* label8;
  const char* label9;
  bool text7Visible;
  bool text8Visible;
  bool text9Visible;
  bool check1Visible;
};

constexpr ChoiceTexts kChoices[] = {
    {kCurveVfF, "Vf", "", nullptr, "f", "MHz", "Ant.-Höhe [m]:", "d [mm]:", "", true, true, false,
     true},
    {kCurveVfD, "Vf", "", nullptr, "Draht-d", "mm", "Ant.-Höhe [m]:", "", "f [MHz]:", true, false,
     true, true},
    {kCurveVfH, "Vf", "", nullptr, "Ant.-h", "m", "", "d [mm]:", "f [MHz]:", false, true, true,
     true},
    {kCurveRs, "Rs", "[Ohm]", "115", "Ant.-Höhe", "[m]",
     "Ant.-Länge [m]:", "d [mm]:", "f [MHz]:", true, true, true, true},
    {kCurveQaH, "Qa", "", "27", "Ant.-Höhe", "[m]", "Ant.-Länge [m]:", "d [mm]:", "f [MHz]:", true,
     true, true, true},
    {kCurveQaD, "Qa", "", "27", "Draht d", "[mm]",
     "Ant.-Länge [m]:", "Ant.-Höhe [m]:", "f [MHz]:", true, true, true, true},
    {kCurveZ, "Z", "Ohm", "1500", "Ant.-Länge", "[m]",
     "Ant.-Höhe [m]:", "d [mm]:", "f [MHz]:", true, true, true, true},
    {kCurveRve, "Rve", "Ohm", "27", "Ant.-Höhe", "[m]",
     "Ant.-Länge [m]:", "d [mm]:", "f [MHz]:", true, true, true, false},
};

const ChoiceTexts* FindChoice(std::string_view choice) {
  for (const ChoiceTexts& c : kChoices) {
    if (c.choice == choice) return &c;
  }
  return nullptr;
}

// x is near the reference length when it lies within 20 % of it either way, each bound rounded
// to single precision before the comparison.
bool NearReference(float x, float reference) {
  float upper = 0;
  float lower = 0;
  if (!Assign(upper, Checked(x) + 0.2 * Checked(x))) return false;
  if (!Assign(lower, Checked(x) - 0.2 * Checked(x))) return false;
  return upper >= reference && lower <= reference;
}

}  // namespace

FrmEingabe::FrmEingabe(Platform& platform) : Form("frmEingabe"), platform_(platform) {
  using K = ControlKind;
  using L = LabelLook;
  const auto click = [](auto handler) { return ControlEvents{handler, {}, {}, {}}; };
  const auto numeric = [](auto keyPress) { return ControlEvents{{}, keyPress, {}, {}}; };
  const auto caption = [](Label& label, const char* container) {
    return ControlEntry{&label, K::kLabel, container, L::kCaption};
  };
  const auto box = [](TextBox& text, const char* container, ControlEvents events = {}) {
    return ControlEntry{&text, K::kTextBox, container, L::kPlain, false, std::move(events)};
  };
  controls_ = {
      {&Frame1, K::kFrame, "", L::kPlain, true},
      {&Label10, K::kLabel, "Frame1", L::kLeft},
      {&Combo1, K::kComboBox, "Frame1", L::kPlain, false, click([this] { Combo1_Click(); })},
      caption(Label7, "Frame1"),
      box(Text7, "Frame1", numeric([this](std::int16_t& k) { Text7_KeyPress(k); })),
      caption(Label9, "Frame1"),
      box(Text9, "Frame1",
          {{}, [this](std::int16_t& k) { Text9_KeyPress(k); }, {}, [this] { Text9_LostFocus(); }}),
      {&Frame3, K::kFrame, "Frame1"},
      caption(Label8, "Frame3"),
      box(Text8, "Frame3",
          {{},
           [this](std::int16_t& k) { Text8_KeyPress(k); },
           [this] { Text8_KeyUp(); },
           [this] { Text8_LostFocus(); }}),
      caption(Label11, "Frame3"),
      {&Combo2, K::kComboBox, "Frame3", L::kPlain, false, click([this] { Combo2_Click(); })},
      {&Check1, K::kCheckBox, "Frame1"},
      {&Frame2, K::kFrame, "", L::kPlain, true},
      caption(Label1, "Frame2"),
      box(Text1, "Frame2"),  // the designations and units take every key and raise nothing
      caption(Label2, "Frame2"),
      box(Text2, "Frame2"),
      caption(Label3, "Frame2"),
      box(Text3, "Frame2", numeric([this](std::int16_t& k) { Text3_KeyPress(k); })),
      caption(Label4, "Frame2"),
      box(Text4, "Frame2"),
      caption(Label5, "Frame2"),
      box(Text5, "Frame2"),
      caption(Label6, "Frame2"),
      box(Text6, "Frame2", numeric([this](std::int16_t& k) { Text6_KeyPress(k); })),
      caption(Label12, ""),
      {&Label13, K::kLabel, "", L::kLeft},
      {&OKButton, K::kCommandButton, "", L::kPlain, false, click([this] { OKButton_Click(); })},
      {&CancelButton, K::kCommandButton, "", L::kPlain, false,
       click([this] { CancelButton_Click(); })},
  };
  InitControls();
}

void FrmEingabe::InitControls() {
  caption = "Eingabe für Kurvenberechnung";
  Tag.clear();
  width = 6840;
  height = 3960;

  Frame1 = Frame("Frame1");
  Frame1.caption = " Eingaben zur Antenne: ";
  Place(Frame1, 120, 120, 3720, 3180);
  Label10 = Label("Label10");
  Label10.caption = "Formel:";
  Place(Label10, 120, 360, 960, 255);
  Combo1 = ComboBox("Combo1");
  Combo1.text = "Combo1";  // the designer's text, replaced by Form_Load
  Combo1.toolTip = "Berechnung auswählen";
  Place(Combo1, 1140, 315, 2460, 315, 0);
  Label7 = Label("Label7");
  Label7.caption = "Wert 1:";
  Place(Label7, 120, 810, 1920, 255);
  Text7 = TextBox("Text7");
  Place(Text7, 2160, 765, 1440, 315, 1);
  Label9 = Label("Label9");
  Label9.caption = "Wert 3:";
  Place(Label9, 120, 1230, 1920, 255);
  Text9 = TextBox("Text9");
  Place(Text9, 2160, 1185, 1440, 315, 2);
  Frame3 = Frame("Frame3");
  Frame3.caption = "Antennen-Draht: ";
  Place(Frame3, 120, 1620, 3480, 1080);
  Label8 = Label("Label8");
  Label8.caption = "Wert 2:";
  Place(Label8, 120, 330, 1800, 255);
  Text8 = TextBox("Text8");
  Place(Text8, 2040, 285, 1320, 315, 3);
  Label11 = Label("Label11");
  Label11.caption = "Wert 4:";
  Place(Label11, 120, 720, 1800, 255);
  Combo2 = ComboBox("Combo2");
  Place(Combo2, 2040, 675, 1320, 315, 4);
  Check1 = CheckBox("Check1");
  Check1.caption = "Freiraum";
  Check1.toolTip = "Freiraum- o. reale Bodenverhältnisse";
  Place(Check1, 120, 2790, 2400, 255, 5);

  Frame2 = Frame("Frame2");
  Frame2.caption = "Grafik:";
  Frame2.toolTip = "Beschriftung der Grafik";
  Place(Frame2, 3960, 120, 2760, 3180);
  Label* labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
  TextBox* boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
  const char* captions[] = {"Y-Bezeichner:", "Y-Maßeinheit:", "Y-Meßlänge:",
                            "X-Bezeicner:",  "X-Maßeinheit:", "X-Meßlänge:"};
  for (int i = 0; i < 6; ++i) {
    const std::string n = std::to_string(i + 1);
    *labels[i] = Label("Label" + n);
    labels[i]->caption = captions[i];
    Place(*labels[i], 120, 360 + i * 450, 1320, 255);
    *boxes[i] = TextBox("Text" + n);
    Place(*boxes[i], 1500, 315 + i * 450, 1140, 315, 6 + i);
  }

  for (TextBox* box : {&Text3, &Text6, &Text7, &Text8, &Text9}) box->maxLength = kNumericMaxLength;

  Label12 = Label("Label12");
  Place(Label12, 120, 3480, 1920, 255);
  Label13 = Label("Label13");
  Label13.toolTip = "Verlustwiderstand mit Skineffekt";
  Place(Label13, 2100, 3480, 1740, 255);
  OKButton = CommandButton("OKButton");
  OKButton.caption = "&OK";
  OKButton.toolTip = "Calculate";
  OKButton.isDefault = true;
  Place(OKButton, 3960, 3420, 1305, 375, 12);
  CancelButton = CommandButton("CancelButton");
  CancelButton.caption = "&Abbrechen";
  CancelButton.toolTip = "Cancel";
  CancelButton.isCancel = true;
  Place(CancelButton, 5415, 3420, 1305, 375, 13);
}

void FrmEingabe::Load() {
  if (loaded) return;
  InitControls();
  loaded = true;
  Form_Load();
}

void FrmEingabe::Unload() {
  loaded = false;
  visible = false;
}

void FrmEingabe::Form_Load() {
  Combo1.items.clear();
  for (std::string_view choice : {kCurveVfF, kCurveVfD, kCurveVfH, kCurveRs, kCurveQaH, kCurveQaD,
                                  kCurveZ, std::string_view()}) {
    Combo1.AddItem(std::string(choice));
  }
  Combo1.text = kCurveVfF;
  Combo2.items.clear();
  for (std::string& material : ConductorMaterials(platform_.DecimalSeparator())) {
    Combo2.AddItem(std::move(material));
  }
  Combo2.text = kDefaultConductor;
}

void FrmEingabe::Form_Activate() {
  Combo1_Click();
}

void FrmEingabe::Combo1_Click() {
  Label11.caption = "Material:";
  if (Combo1.text == "Combo1") Combo1.text = kCurveVfF;
  // An emptied diameter is what lets the new choice's defaults apply.
  if (Combo1.text != LastChoice) Text8.text.clear();
  const std::string choice = Combo1.text;
  if (FindChoice(choice) != nullptr) {
    ApplyDefaults(choice);
    ApplyLabelling(choice);
    ApplyVisibility(choice);
    ApplyAdjustments(choice);
  }
  LastChoice = Combo1.text;
}

std::string FrmEingabe::General(double value) const {
  return FormatGeneral(value, platform_.DecimalSeparator());
}

void FrmEingabe::ApplyDefaults(std::string_view choice) {
  auto ifEmpty = [](TextBox& box, const std::string& text) {
    if (box.text.empty()) box.text = text;
  };
  switch (CurveTypeOf(choice)) {
    case CurveType::kVfF:
      if (!Text8.text.empty()) return;
      ifEmpty(Text7, General(10));
      ifEmpty(Text8, General(2.05));
      ifEmpty(Text6, "31");
      return;
    case CurveType::kVfD:
      Text8.text.clear();
      if (Value(Text6) > 15) Text6.text = "15";
      ifEmpty(Text7, General(10));
      ifEmpty(Text9, General(3.6));
      return;
    case CurveType::kVfH:
      if (!Text8.text.empty()) return;
      ifEmpty(Text6, "77");
      ifEmpty(Text8, General(2.05));
      ifEmpty(Text9, General(3.6));
      return;
    case CurveType::kRs:
    case CurveType::kQaH:
    case CurveType::kRve:
      if (!Text8.text.empty()) return;
      ifEmpty(Text6, "75");
      ifEmpty(Text7, General(39.59));
      ifEmpty(Text8, General(2.05));
      ifEmpty(Text9, General(3.6));
      return;
    case CurveType::kQaD:
      if (!Text8.text.empty()) return;
      Text6.text = "10";
      ifEmpty(Text7, General(39.59));
      Text8.text = "10";
      ifEmpty(Text9, General(3.6));
      return;
    case CurveType::kZ:
      ifEmpty(Text6, "80");
      Text7.text = General(10);
      ifEmpty(Text8, General(2.05));
      ifEmpty(Text9, General(3.6));
      return;
    case CurveType::kUnknown:
      return;
  }
}

void FrmEingabe::ApplyLabelling(std::string_view choice) {
  const ChoiceTexts& c = *FindChoice(choice);
  Text1.text = c.yName;
  Text2.text = c.yUnit;
  Text3.text = c.yFullScale != nullptr ? std::string(c.yFullScale)
                                       : FormatPattern(1, "0.0##", platform_.DecimalSeparator());
  Text4.text = c.xName;
  Text5.text = c.xUnit;
  Label7.caption = c.label7;
  Label8.caption = c.label8;
  Label9.caption = c.label9;
}

void FrmEingabe::ApplyVisibility(std::string_view choice) {
  const ChoiceTexts& c = *FindChoice(choice);
  Text7.visible = c.text7Visible;
  Text8.visible = c.text8Visible;
  Text9.visible = c.text9Visible;
  Check1.visible = c.check1Visible;
}

void FrmEingabe::ApplyAdjustments(std::string_view choice) {
  const CurveType type = CurveTypeOf(choice);
  if (type != CurveType::kVfH && type != CurveType::kRs && type != CurveType::kQaH &&
      type != CurveType::kRve && type != CurveType::kZ) {
    return;
  }
  // A frequency that reads as 0 gives no wavelength: then nothing is adjusted.
  const float f = Value(Text9);
  float lambda = 0;
  float reference = 0;
  if (!Assign(lambda, Checked(kSpeedOfLight) / Checked(f)) ||
      !Assign(reference, Checked(142.5) / Checked(f))) {
    return;
  }
  const char sep = platform_.DecimalSeparator();
  const std::string twiceReference = FormatPattern(2.1 * reference, "####0", sep);
  switch (type) {
    case CurveType::kVfH: {
      const float h = Value(Text6);
      float twoLambda = 0;
      const bool tooHigh = Assign(twoLambda, 2 * Checked(lambda)) && twoLambda < h;
      if (tooHigh || h < lambda) Text6.text = FormatPattern(lambda, "###0", sep);
      return;
    }
    case CurveType::kRs:
      if (!NearReference(Value(Text7), reference)) {
        Text7.text = FormatPattern(reference, "###0.0#", sep);
        Text6.text = twiceReference;
      }
      return;
    case CurveType::kQaH:
    case CurveType::kRve:
      if (!NearReference(Value(Text7), reference)) {
        Text7.text = FormatPattern(reference, "###0.0#", sep);
      }
      if (Value(Text6) < reference) Text6.text = twiceReference;
      return;
    case CurveType::kZ:
      if (!NearReference(Value(Text6), reference)) Text6.text = twiceReference;
      return;
    default:
      return;
  }
}

void FrmEingabe::Combo2_Click() {
  if (Combo1.text != kCurveVfD && Combo1.text != kCurveQaD) ShowSkinEffectLoss();
}

void FrmEingabe::FilterKey(std::int16_t& keyAscii) {
  keyAscii = FilterNumericKey(keyAscii, kNumericKeys, platform_);
}

void FrmEingabe::Text8_KeyUp() {
  if (Value(Text8) > 0 && Label8.caption == "d [mm]:") ShowSkinEffectLoss();
}

void FrmEingabe::Text8_LostFocus() {
  if (Combo1.text != kCurveQaD) ShowSkinEffectLoss();
}

void FrmEingabe::Text9_LostFocus() {
  if (Combo1.text != kCurveQaD) ShowSkinEffectLoss();
}

void FrmEingabe::OKButton_Click() {
  // A curve type typed into the box, not picked: its labelling first, or the curve is drawn
  // under the axis names and full scales of the previous one.
  if (Combo1.text != LastChoice && FindChoice(Combo1.text) != nullptr) Combo1_Click();
  Tag = "OK";
  Hide();
}

void FrmEingabe::CancelButton_Click() {
  Tag.clear();
  Hide();
}

void FrmEingabe::ShowSkinEffectLoss() {
  velmora::ShowSkinEffectLoss(
      {Text7, Text8, Text9, Combo2, Label13, Label12, "##0.0# Ohm", "Rv mit Skineffekt:"},
      platform_.DecimalSeparator());
}

}  // namespace velmora
