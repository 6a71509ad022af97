// SPDX-License-Identifier: GPL-3.0-or-later
// The curve command with its dialog inside arbitrary sessions of the main window: any sequence
// of user actions in the dialog (picks, typing key by key into any shown box, pastes, leaving a
// box, the free-space box, OK, Cancel, the close box), New, Refresh and resizes up to an 8K
// screen, with events running at every re-entrancy point. After every action the loss readout is
// empty or a plain number with " Ohm", and the numeric boxes hold only what the key filter lets
// through (unless something was pasted); Cancel and the close box leave request and plot alone;
// an accepted dialog either brings the range message and changes nothing, or draws a curve
// within its layout's bound. That a redraw draws the same picture again is draw_curve_fuzz's.
#include <cstdint>
#include <string>
#include <string_view>

#include "curves/curve_command.h"
#include "curves/curve_types.h"
#include "fuzz/fuzz_checks.h"
#include "headless/headless_platform.h"
#include "single/typing.h"

namespace velmora::fuzz {
namespace {

constexpr std::string_view kOhm = " Ohm";

class Session {
 public:
  explicit Session(Input& in) : in_(in) {
    platform_.decimalSeparator = in_.Byte() & 1 ? '.' : ',';
    platform_.onDoEvents = [this] { Reenter(); };
    platform_.modalScripts["frmEingabe"] = [this](Form&) { UseDialog(); };
    command_.trace = &trace_;
    // As the main window starts: nothing to redraw or discard yet.
    mnuFileNew_.enabled = false;
    mnuViewRefresh_.enabled = false;
  }

  void Run() {
    for (int actions = 0; !in_.empty() && actions < 24; ++actions) {
      MainWindowAction();
      CheckDialog();
    }
  }

 private:
  FrmEingabe& dlg() { return command_.frmEingabe; }

  // Sizes a window can take, from nothing to an 8K screen; mostly small, which runs fast.
  void Resize() {
    const int shift = in_.Byte() % 8;
    const std::uint32_t w = in_.Take<std::uint32_t>() % ((7680u * 15u >> shift) + 1);
    const std::uint32_t h = in_.Take<std::uint32_t>() % ((4320u * 15u >> shift) + 1);
    surface_.SetSize(w, h);
    if (command_.curveShown != 0) Refresh();
  }

  void MainWindowAction() {
    switch (in_.Byte() % 6) {
      case 0:
      case 1:
        CurveCommandRun();
        return;
      case 2:
        // The menu item is enabled after a run; a resize asks for the same redraw.
        if (!mnuViewRefresh_.enabled && command_.curveShown == 0) return;
        Refresh();
        return;
      case 3:
        Resize();
        return;
      case 4:
        // New from the menu; from the toolbar it leaves the menu items and curveShown alone.
        surface_.Clear();
        command_.MarkNew();
        if (in_.Byte() & 1) {
          command_.curveShown = 0;
          mnuFileNew_.enabled = false;
          mnuViewRefresh_.enabled = false;
        }
        return;
    }  // and the single-value calculation, which happens elsewhere
  }

  void Refresh() {
    const std::int32_t handleBefore = surface_.ImageHandle();
    trace_.Clear();
    command_.Refresh();
    if (surface_.ImageHandle() != handleBefore) CheckDrawing(surface_.Image(), trace_, Sep());
  }

  void CurveCommandRun() {
    const CurveRequest before = command_.request;
    const std::int32_t handleBefore = surface_.ImageHandle();
    const std::size_t messagesBefore = platform_.messages.size();
    accepted_ = false;
    trace_.Clear();
    reentriesInRun_ = 0;
    command_.Run();
    if (reentriesInRun_ != 0) return;  // other commands ran inside: nothing to compare with
    if (!accepted_) {
      Require(command_.request == before && surface_.ImageHandle() == handleBefore,
              "a dialog not accepted changes the request or the plot");
      return;
    }
    if (surface_.ImageHandle() == handleBefore) {
      // No run: a full scale beyond 16 bits is reported once and changes nothing.
      Require(platform_.messages.size() == messagesBefore + 1 && command_.request == before,
              "a refused dialog without its message, or with a changed request");
      return;
    }
    CheckDrawing(surface_.Image(), trace_, Sep());
  }

  // The user's part while the dialog is shown modally.
  void UseDialog() {
    inDialog_ = true;
    dlg().Form_Activate();
    CheckDialog();
    for (int actions = 0; actions < 32 && dlg().visible; ++actions) {
      if (in_.empty()) {
        dlg().CancelButton_Click();
        break;
      }
      DialogAction(false);
      CheckDialog();
    }
    if (dlg().visible) dlg().CancelButton_Click();
    accepted_ = dlg().Tag == "OK";
    inDialog_ = false;
  }

  TextBox& Box(std::uint8_t pick) {
    TextBox* boxes[] = {&dlg().Text1, &dlg().Text2, &dlg().Text3, &dlg().Text4, &dlg().Text5,
                        &dlg().Text6, &dlg().Text7, &dlg().Text8, &dlg().Text9};
    return *boxes[pick % 9];
  }

  void DialogAction(bool nested) {
    FrmEingabe& d = dlg();
    switch (in_.Byte() % (nested ? 9 : 12)) {
      case 0:
      case 1: {
        const std::uint8_t pick = in_.Byte();
        d.Combo1.text = pick % 9 == 8 || d.Combo1.items.empty()
                            ? std::string(kCurveRve)
                            : d.Combo1.items[pick % d.Combo1.items.size()];
        d.Combo1_Click();
        return;
      }
      case 2:
        if (d.Combo2.items.empty()) return;
        d.Combo2.text = d.Combo2.items[in_.Byte() % d.Combo2.items.size()];
        d.Combo2_Click();
        return;
      case 3: {
        // Typed into a choice box: nothing happens until the text is read.
        ComboBox& box = in_.Byte() & 1 ? d.Combo1 : d.Combo2;
        box.text = in_.Byte() % 4 == 0 ? std::string(kCurveRve) : ValueText(in_);
        return;
      }
      case 4:
      case 5: {
        TextBox& box = Box(in_.Byte());
        if (!box.visible) return;
        const std::string text = TypedText(in_);
        const bool replace = in_.Byte() & 1;
        TypeKeys(box, text, EventsOf(d.Controls(), box),
                 replace ? TypingMode::kReplace : TypingMode::kAppend);
        return;
      }
      case 6: {
        TextBox& box = Box(in_.Byte());
        const ControlEvents& events = EventsOf(d.Controls(), box);
        if (!box.visible || !events.lostFocus) return;
        events.lostFocus();
        return;
      }
      case 7:
        if (!d.Check1.visible) return;
        d.Check1.value = d.Check1.value == 0 ? 1 : 0;
        return;
      case 8: {
        // Pasting through the context menu bypasses the key filter and raises no key event.
        TextBox& box = Box(in_.Byte());
        if (!box.visible) return;
        box.text = ValueText(in_);
        pasted_ = true;
        return;
      }
      case 9:
        d.OKButton_Click();
        return;
      case 10:
        d.CancelButton_Click();
        return;
      default:
        d.Hide();
        return;
    }
  }

  // Events that run while the program lets pending events in: inside the dialog a refused key,
  // at the end of a curve run a redraw of the main window.
  void Reenter() {
    if (depth_ > 0 || (in_.Byte() & 3) != 0) return;
    ++depth_;
    ++reentriesInRun_;
    if (inDialog_) {
      if (dlg().visible) DialogAction(true);
    } else if (in_.Byte() & 1) {
      Resize();
    } else if (command_.curveShown != 0) {
      Refresh();
    }
    --depth_;
  }

  void CheckDialog() {
    const FrmEingabe& d = dlg();
    const std::string_view readout = d.Label13.caption;
    Require(readout.empty() ||
                (readout.ends_with(kOhm) &&
                 IsPlainNumberText(readout.substr(0, readout.size() - kOhm.size()), Sep())),
            "loss readout", readout);
    for (const TextBox* box : {&d.Text3, &d.Text6, &d.Text7, &d.Text8, &d.Text9}) {
      Require(pasted_ || IsFilteredBoxText(box->text), "numeric box holds what no key could type",
              box->name + ": " + box->text);
    }
  }

  char Sep() const { return platform_.decimalSeparator; }

  Input& in_;
  HeadlessPlatform platform_;
  RetainedSurface surface_{7752, 3135};
  MenuItem mnuFileNew_{"mnuFileNew"};
  MenuItem mnuViewRefresh_{"mnuViewRefresh"};
  MenuItem mnuFilePrint_{"mnuFilePrint"};
  CurveCommand command_{platform_, surface_, mnuFileNew_, mnuViewRefresh_, mnuFilePrint_};
  CurveTrace trace_;
  bool inDialog_ = false;
  bool accepted_ = false;
  bool pasted_ = false;
  int depth_ = 0;
  int reentriesInRun_ = 0;
};

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::Input in(data, size);
  velmora::fuzz::Session session(in);
  session.Run();
  return 0;
}
