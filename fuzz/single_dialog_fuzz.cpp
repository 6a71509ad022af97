// SPDX-License-Identifier: GPL-3.0-or-later
// The single-value dialog driven by arbitrary user sessions: picks from every choice box, text
// typed key by key into any box, free-space clicks, OK, Cancel and reopening, pastes that bypass
// the key filter, and events that run inside the dialog's re-entrancy points. After every action:
// - no result label shows anything but a plain number ("inf", "nan", dashes, exponents);
// - a key in a value box leaves no result standing but the conductor loss of the inputs as they
//   now are;
// - a result shown belongs to the inputs of the last OK, and that OK gives the same results again
//   on a fresh dialog.
#include <cstdint>
#include <map>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "headless/headless_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::fuzz {
namespace {

bool Recognised(const std::string& choice) {
  for (const char* c : {kChoiceResonantLength, kChoiceVelocityFactor, kChoiceRadiationResistance,
                        kChoiceQualityAtHeight, kChoiceQualityAtDiameter, kChoiceGroundLoss}) {
    if (choice == c) return true;
  }
  return false;
}

// The text of a box or a choice box: everything typed or picked.
std::string* BoxText(const ControlEntry& entry) {
  if (entry.kind == ControlKind::kTextBox) return &static_cast<TextBox*>(entry.control)->text;
  if (entry.kind == ControlKind::kComboBox) return &static_cast<ComboBox*>(entry.control)->text;
  return nullptr;
}

// Everything the calculation reads, as the dialog holds it.
struct Inputs {
  std::map<std::string, std::string> boxes;
  int check1 = 0;

  static Inputs Of(const FrmEinzelEingabe& d) {
    Inputs inputs{{}, d.Check1.value};
    for (const ControlEntry& entry : d.Controls()) {
      if (const std::string* text = BoxText(entry)) inputs.boxes[entry.control->name] = *text;
    }
    return inputs;
  }
  // The inputs a result depends on; the material and the insulation only where they count.
  bool SameFor(Inputs o, bool material, bool insulation) const {
    Inputs a = *this;
    if (!material) a.boxes.erase("Combo2"), o.boxes.erase("Combo2");
    if (!insulation) a.boxes.erase("Combo3"), o.boxes.erase("Combo3");
    return a.boxes == o.boxes && a.check1 == o.check1;
  }
};

// A fresh dialog given the whole state the calculation may see: every box's text, every label's
// caption, what is shown, the tick and the last choice.
struct Replica {
  Replica(const FrmEinzelEingabe& from, const HeadlessPlatform& fromPlatform) {
    platform.decimalSeparator = fromPlatform.decimalSeparator;
    platform.statusText = fromPlatform.statusText;
    dialog.Load();
    for (std::size_t i = 0; i < from.Controls().size(); ++i) {
      const ControlEntry& source = from.Controls()[i];
      const ControlEntry& target = dialog.Controls()[i];
      target.control->visible = source.control->visible;
      if (std::string* text = BoxText(target)) *text = *BoxText(source);
      if (source.kind == ControlKind::kLabel) {
        static_cast<Label*>(target.control)->caption = static_cast<Label*>(source.control)->caption;
      }
    }
    dialog.Check1.value = from.Check1.value;
    dialog.LastChoice = from.LastChoice;
  }
  HeadlessPlatform platform;
  FrmEinzelEingabe dialog{platform};
};

class Session {
 public:
  explicit Session(Input& in) : in_(in) {
    platform_.decimalSeparator = in_.Byte() & 1 ? '.' : ',';
    platform_.onDoEvents = [this] { Reenter(); };
    Open();
  }

  void Run() {
    for (int actions = 0; !in_.empty() && actions < 64; ++actions) {
      Act(false);
      Check();
    }
  }

 private:
  void Open() {
    dialog_.Load();
    dialog_.Form_Activate();
    tracked_ = false;  // nothing computed yet
    pasted_ = false;
  }

  TextBox& ValueBox(std::uint8_t pick) {
    TextBox* boxes[] = {&dialog_.Text6, &dialog_.Text7, &dialog_.Text8, &dialog_.Text9};
    return *boxes[pick % 4];
  }

  // One user action on what the dialog shows; nested ones run at a re-entrancy point and may
  // not close the dialog.
  void Act(bool nested) {
    const std::uint8_t action = in_.Byte() % (nested ? 10 : 12);
    if (!nested) lastKeyedBox_ = nullptr;
    switch (action) {
      case 0:
      case 1:
      case 2:
      case 3: {
        // A pick from a choice box, Combo1 twice as often; Check1 ticked or cleared.
        Control* controls[] = {&dialog_.Combo1, &dialog_.Combo1, &dialog_.Combo2, &dialog_.Combo3,
                               &dialog_.Check1};
        Control& control = *controls[action == 3 ? 3 + in_.Byte() % 2 : action];
        if (!dialog_.IsShown(control)) return;
        if (&control == &dialog_.Check1) {
          dialog_.Check1.value = dialog_.Check1.value == 0 ? 1 : 0;
        } else {
          auto& box = static_cast<ComboBox&>(control);
          box.text = &box == &dialog_.Combo1 && in_.Byte() % 8 == 0 ? kChoiceGroundLoss
                     : box.items.empty()                            ? box.text
                                         : box.items[in_.Byte() % box.items.size()];
        }
        EventsOf(dialog_.Controls(), control).click();
        return;
      }
      case 4:
      case 5:
      case 6: {
        TextBox& box = ValueBox(in_.Byte());
        if (!dialog_.IsShown(box)) return;
        const std::string text = action == 6 ? "" : TypedText(in_);
        if (action == 6) {
          dialog_.DeleteText(box);
        } else {
          dialog_.TypeText(box, text, in_.Byte() & 1 ? TypingMode::kReplace : TypingMode::kAppend);
        }
        if (!nested && (action == 6 || !text.empty())) lastKeyedBox_ = &box;
        return;
      }
      case 7: {
        // Boxes without key handlers, and text typed into a choice box: read when next used.
        const std::uint8_t which = in_.Byte() % 5;
        Control* controls[] = {&dialog_.Text1, &dialog_.Text2, &dialog_.Combo1, &dialog_.Combo2,
                               &dialog_.Combo3};
        std::string* targets[] = {&dialog_.Text1.text, &dialog_.Text2.text, &dialog_.Combo1.text,
                                  &dialog_.Combo2.text, &dialog_.Combo3.text};
        if (!dialog_.IsShown(*controls[which])) return;
        *targets[which] = which < 2 ? TypedText(in_) : ValueText(in_);
        tracked_ = false;
        return;
      }
      case 8: {
        // Pasting through the context menu bypasses the key filter and raises no key event.
        TextBox& box = ValueBox(in_.Byte());
        if (!dialog_.IsShown(box)) return;
        box.text = ValueText(in_);
        tracked_ = false;
        pasted_ = true;
        return;
      }
      case 9:
        Ok(nested);
        return;
      case 10:
        dialog_.CancelButton_Click();
        if (in_.Byte() & 1) {
          dialog_.Unload();
          Open();
        }
        return;
      default:
        dialog_.Form_Activate();
        return;
    }
  }

  void Ok(bool nested) {
    Replica other(dialog_, platform_);
    const int reentriesBefore = reentries_;
    dialog_.OKButton_Click();
    if (nested || reentries_ != reentriesBefore) {
      tracked_ = false;  // other events ran inside the calculation
      return;
    }
    other.dialog.OKButton_Click();
    Require(other.dialog.Label3.caption == dialog_.Label3.caption &&
                other.dialog.Label13.caption == dialog_.Label13.caption &&
                other.dialog.Label5.caption == dialog_.Label5.caption &&
                other.dialog.Label12.caption == dialog_.Label12.caption &&
                other.platform.statusText == platform_.statusText,
            "an OK does not give the same results on a fresh dialog");
    computedFrom_ = Inputs::Of(dialog_);
    tracked_ = true;
  }

  void Reenter() {
    if (depth_ > 0 || !dialog_.loaded || (in_.Byte() & 3) != 0) return;
    ++depth_;
    ++reentries_;
    tracked_ = false;
    Act(true);
    CheckLabels();
    --depth_;
  }

  std::string SkinEffectNow() {
    Replica other(dialog_, platform_);
    other.dialog.ShowSkinEffectLoss();
    return other.dialog.Label13.caption;
  }

  void CheckLabels() {
    for (const Label* label : {&dialog_.Label3, &dialog_.Label13, &dialog_.Label5}) {
      Require(
          label->caption.empty() || IsPlainNumberText(label->caption, platform_.decimalSeparator),
          "result label is no plain number", label->caption);
    }
    for (const TextBox* box : {&dialog_.Text6, &dialog_.Text7, &dialog_.Text8, &dialog_.Text9}) {
      Require(pasted_ || IsFilteredBoxText(box->text), "value box holds what no key could type",
              box->text);
    }
  }

  void Check() {
    CheckLabels();
    const bool skinShown = dialog_.Label12.caption == "Rv [Ohm] mit Skineffekt:";
    if (lastKeyedBox_ != nullptr) {
      Require(dialog_.Label3.caption.empty() && dialog_.Label5.caption.empty() &&
                  (dialog_.Label13.caption.empty() || skinShown),
              "a result stands after a key in a value box", lastKeyedBox_->name);
    }
    if (!tracked_ || !Recognised(dialog_.Combo1.text)) return;
    if (skinShown && !dialog_.Label13.caption.empty()) {
      Require(dialog_.Label13.caption == SkinEffectNow(), "conductor loss of other inputs");
    }
    const Inputs now = Inputs::Of(dialog_);
    const bool resonant = dialog_.Combo1.text == kChoiceResonantLength;
    const bool velocity = dialog_.Combo1.text == kChoiceVelocityFactor;
    // Results 1 and 3: the insulation counts for the resonant length, the material not for Vf.
    if (!dialog_.Label3.caption.empty() || !dialog_.Label5.caption.empty()) {
      Require(now.SameFor(computedFrom_, !velocity, resonant), "result of other inputs");
    }
    // Result 2 when it is no conductor loss: Vf without insulation, or the height's shortening.
    if (!skinShown && !dialog_.Label13.caption.empty()) {
      Require(now.SameFor(computedFrom_, !velocity && !resonant, false),
              "result 2 of other inputs");
    }
  }

  Input& in_;
  HeadlessPlatform platform_;
  FrmEinzelEingabe dialog_{platform_};
  Inputs computedFrom_;
  bool tracked_ = false;  // every change since the last OK went through the dialog's handlers
  bool pasted_ = false;
  const TextBox* lastKeyedBox_ = nullptr;
  int depth_ = 0;
  int reentries_ = 0;
};

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::Input in(data, size);
  velmora::fuzz::Session session(in);
  session.Run();
  return 0;
}
