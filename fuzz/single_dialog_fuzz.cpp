// The single-value dialog driven by arbitrary user sessions: picks from every choice box, text
// typed key by key into any box, free-space clicks, OK, Cancel and reopening, pastes that bypass
// the key filter, and events that run inside the dialog's re-entrancy points. After every action:
// - no result label shows anything but a plain number ("inf", "nan", dashes, exponents);
// - a key released in a value box leaves no result standing, except the conductor loss of the
//   inputs as they now are;
// - a result shown belongs to the inputs on screen: the inputs it depends on are those of the
//   last OK, and that OK gives the same results again on a fresh dialog.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"
#include "headless/headless_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::fuzz {
namespace {

constexpr const char* kSkinEffectCaption = "Rv [Ohm] mit Skineffekt:";

bool Recognised(const std::string& choice) {
  for (const char* c : {kChoiceResonantLength, kChoiceVelocityFactor, kChoiceRadiationResistance,
                        kChoiceQualityAtHeight, kChoiceQualityAtDiameter, kChoiceGroundLoss}) {
    if (choice == c) return true;
  }
  return false;
}

// Everything the calculation reads, as the dialog holds it.
struct Inputs {
  std::map<std::string, std::string> boxes;
  int check1 = 0;

  static Inputs Of(const FrmEinzelEingabe& d) { return {BoxTexts(d.Controls()), d.Check1.value}; }
  // The inputs a result depends on; the material and the insulation only where they count.
  bool SameFor(Inputs o, bool material, bool insulation) const {
    Inputs a = *this;
    if (!material) a.boxes.erase("Combo2"), o.boxes.erase("Combo2");
    if (!insulation) a.boxes.erase("Combo3"), o.boxes.erase("Combo3");
    return a.boxes == o.boxes && a.check1 == o.check1;
  }
};

// The whole state the calculation may see, for replaying it on a fresh dialog.
struct Snapshot {
  Inputs inputs;
  std::string label3, label5, label12, label13, lastChoice;
  bool check1Visible = false;

  static Snapshot Of(const FrmEinzelEingabe& d) {
    return {Inputs::Of(d),     d.Label3.caption, d.Label5.caption, d.Label12.caption,
            d.Label13.caption, d.LastChoice,     d.Check1.visible};
  }
  void ApplyTo(FrmEinzelEingabe& d) const {
    SetBoxTexts(d.Controls(), inputs.boxes);
    d.Check1.value = inputs.check1;
    d.Check1.visible = check1Visible;
    d.Label3.caption = label3;
    d.Label5.caption = label5;
    d.Label12.caption = label12;
    d.Label13.caption = label13;
    d.LastChoice = lastChoice;
  }
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

  static std::string PickItem(Input& in, const ComboBox& box) {
    if (box.items.empty()) return box.text;
    return box.items[in.Byte() % box.items.size()];
  }

  // A user reaches only what the dialog shows.
  bool Hidden(const Control& control) {
    if (dialog_.IsShown(control)) return false;
    Trace("hidden", control.name);
    return true;
  }

  // One user action; nested ones run at a re-entrancy point and may not close the dialog.
  void Act(bool nested) {
    const std::uint8_t action = in_.Byte() % (nested ? 11 : 14);
    if (!nested) lastKeyedBox_ = nullptr;
    switch (action) {
      case 0:
      case 1:
        dialog_.Combo1.text =
            in_.Byte() % 8 != 0 ? PickItem(in_, dialog_.Combo1) : std::string(kChoiceGroundLoss);
        Trace("pick Combo1", dialog_.Combo1.text);
        dialog_.Combo1_Click();
        return;
      case 2:
        if (Hidden(dialog_.Combo2)) return;
        dialog_.Combo2.text = PickItem(in_, dialog_.Combo2);
        Trace("pick Combo2", dialog_.Combo2.text);
        dialog_.Combo2_Click();
        return;
      case 3:
        if (Hidden(dialog_.Combo3)) return;
        dialog_.Combo3.text = PickItem(in_, dialog_.Combo3);
        Trace("pick Combo3", dialog_.Combo3.text);
        dialog_.Combo3_Click();
        return;
      case 4:
        if (Hidden(dialog_.Check1)) return;
        dialog_.Check1.value = dialog_.Check1.value == 0 ? 1 : 0;
        Trace("click Check1");
        dialog_.Check1_Click();
        return;
      case 5:
      case 6: {
        TextBox& box = ValueBox(in_.Byte());
        if (Hidden(box)) return;
        const std::string text = TypedText(in_);
        const bool replace = in_.Byte() & 1;
        Trace(replace ? "type over " + box.name : "type into " + box.name, text);
        dialog_.TypeText(box, text, replace ? TypingMode::kReplace : TypingMode::kAppend);
        if (!nested && !text.empty()) lastKeyedBox_ = &box;
        return;
      }
      case 7: {
        TextBox& box = ValueBox(in_.Byte());
        if (Hidden(box)) return;
        Trace("delete", box.name);
        dialog_.DeleteText(box);
        if (!nested) lastKeyedBox_ = &box;
        return;
      }
      case 8: {
        // Boxes without key handlers, and text typed into a choice box: read when next used.
        const std::uint8_t which = in_.Byte() % 5;
        Control* controls[] = {&dialog_.Text1, &dialog_.Text2, &dialog_.Combo1, &dialog_.Combo2,
                               &dialog_.Combo3};
        std::string* targets[] = {&dialog_.Text1.text, &dialog_.Text2.text, &dialog_.Combo1.text,
                                  &dialog_.Combo2.text, &dialog_.Combo3.text};
        if (Hidden(*controls[which])) return;
        const std::string text = which < 2 ? TypedText(in_) : ValueText(in_);
        *targets[which] = text;
        Trace("unfiltered text", text);
        tracked_ = false;
        return;
      }
      case 9: {
        // Pasting through the context menu bypasses the key filter and raises no key event.
        TextBox& box = ValueBox(in_.Byte());
        if (Hidden(box)) return;
        box.text = ValueText(in_);
        Trace("paste into " + box.name, box.text);
        tracked_ = false;
        pasted_ = true;
        return;
      }
      case 10:
        Trace("OK");
        Ok(nested);
        return;
      case 11:
        Trace("Cancel");
        dialog_.CancelButton_Click();
        if (in_.Byte() & 1) {
          dialog_.Unload();
          Open();
        }
        return;
      case 12:
        Trace("Print");
        Print();
        return;
      default:
        Trace("activate");
        dialog_.Form_Activate();
        return;
    }
  }

  // Printing shows the dialog as it is: whatever the answers, the buttons come back, the print
  // text goes away, the pointer is the default again and no result changes.
  void Print() {
    platform_.messageAnswers.assign(
        {in_.Byte() & 1 ? kIdOk : kIdCancel, in_.Byte() & 1 ? kIdOk : kIdCancel});
    if (in_.Byte() & 1) platform_.printOutcomes.assign({PrintOutcome{false, ""}});
    const std::string r1 = dialog_.Label3.caption;
    const std::string r2 = dialog_.Label13.caption;
    const std::string r3 = dialog_.Label5.caption;
    const int reentriesBefore = reentries_;
    dialog_.PrintButton_Click();
    platform_.messageAnswers.clear();
    platform_.printOutcomes.clear();
    Require(dialog_.OKButton.visible && dialog_.CancelButton.visible &&
                dialog_.PrintButton.visible && !dialog_.lbDrucktext.visible,
            "printing left the dialog without its buttons");
    Require(platform_.mousePointer == MousePointer::kDefault, "printing left the hourglass");
    if (reentries_ == reentriesBefore) {
      Require(dialog_.Label3.caption == r1 && dialog_.Label13.caption == r2 &&
                  dialog_.Label5.caption == r3,
              "printing changed a result");
    }
  }

  void Ok(bool nested) {
    const Snapshot before = Snapshot::Of(dialog_);
    const std::string statusBefore = platform_.statusText;
    const int reentriesBefore = reentries_;
    dialog_.OKButton_Click();
    if (nested || reentries_ != reentriesBefore) {
      tracked_ = false;  // other events ran inside the calculation
      return;
    }
    // The same inputs on a fresh dialog give the same results and the same description.
    HeadlessPlatform otherPlatform;
    otherPlatform.decimalSeparator = platform_.decimalSeparator;
    otherPlatform.statusText = statusBefore;
    FrmEinzelEingabe other(otherPlatform);
    other.Load();
    before.ApplyTo(other);
    other.OKButton_Click();
    Require(other.Label3.caption == dialog_.Label3.caption, "result 1 not reproducible");
    Require(other.Label13.caption == dialog_.Label13.caption, "result 2 not reproducible");
    Require(other.Label5.caption == dialog_.Label5.caption, "result 3 not reproducible");
    Require(other.Label12.caption == dialog_.Label12.caption, "caption 2 not reproducible");
    Require(otherPlatform.statusText == platform_.statusText, "description not reproducible");
    computedFrom_ = Inputs::Of(dialog_);
    tracked_ = true;
  }

  void Reenter() {
    if (depth_ > 0 || !dialog_.loaded || (in_.Byte() & 3) != 0) return;
    Trace("-- events at a re-entrancy point:");
    ++depth_;
    ++reentries_;
    tracked_ = false;
    Act(true);
    CheckLabels();
    --depth_;
  }

  std::string SkinEffectNow() {
    HeadlessPlatform otherPlatform;
    otherPlatform.decimalSeparator = platform_.decimalSeparator;
    FrmEinzelEingabe other(otherPlatform);
    other.Text7.text = dialog_.Text7.text;
    other.Text8.text = dialog_.Text8.text;
    other.Text9.text = dialog_.Text9.text;
    other.Combo2.text = dialog_.Combo2.text;
    other.ShowSkinEffectLoss();
    return other.Label13.caption;
  }

  void CheckLabels() {
    const char sep = platform_.decimalSeparator;
    for (const Label* label : {&dialog_.Label3, &dialog_.Label13, &dialog_.Label5}) {
      Require(label->caption.empty() || IsPlainNumberText(label->caption, sep),
              "result label is no plain number", label->caption);
    }
    if (!pasted_) {
      for (const TextBox* box : {&dialog_.Text6, &dialog_.Text7, &dialog_.Text8, &dialog_.Text9}) {
        Require(IsFilteredBoxText(box->text), "value box holds what no key could type", box->text);
      }
    }
  }

  void Check() {
    CheckLabels();
    const bool skinShown = dialog_.Label12.caption == kSkinEffectCaption;
    if (lastKeyedBox_ != nullptr) {
      Require(dialog_.Label3.caption.empty() && dialog_.Label5.caption.empty(),
              "a result stands after a key in a value box", lastKeyedBox_->name);
      Require(dialog_.Label13.caption.empty() || skinShown,
              "result 2 stands after a key in a value box", lastKeyedBox_->name);
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
