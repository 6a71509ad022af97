#include <algorithm>

#include "curves/frm_eingabe.h"
#include "desktop/dialogs.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"

namespace velmora::qt {

std::unique_ptr<FormDialog> MakeCurveDialog(QtPlatform& platform, FrmEingabe& f, QWidget* parent) {
  const std::vector<const Control*> frames = {&f.Frame1, &f.Frame2, &f.Frame3};
  const std::vector<const Control*> combos = {&f.Combo1, &f.Combo2};
  const std::vector<const Control*> boxes = {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5,
                                             &f.Text6, &f.Text7, &f.Text8, &f.Text9};
  const std::vector<const Control*> buttons = {&f.OKButton, &f.CancelButton};
  std::vector<ControlBinding> bindings;
  for (const FrmEingabe::Placed& placed : f.ControlsInLayout()) {
    ControlBinding b;
    b.control = placed.control;
    b.container = placed.container;
    const Control* c = placed.control;
    auto is = [c](const std::vector<const Control*>& set) {
      return std::find(set.begin(), set.end(), c) != set.end();
    };
    b.kind = is(frames)       ? ControlKind::kFrame
             : is(combos)     ? ControlKind::kComboBox
             : is(boxes)      ? ControlKind::kTextBox
             : is(buttons)    ? ControlKind::kCommandButton
             : c == &f.Check1 ? ControlKind::kCheckBox
                              : ControlKind::kLabel;
    b.boldCaption = c == &f.Frame1 || c == &f.Frame2;
    if (b.kind == ControlKind::kLabel) {
      b.look = c == &f.Label10 || c == &f.Label13 ? LabelLook::kLeft : LabelLook::kCaption;
    }
    if (c == &f.Combo1) b.click = [&f] { f.Combo1_Click(); };
    if (c == &f.Combo2) b.click = [&f] { f.Combo2_Click(); };
    if (c == &f.OKButton) b.click = [&f] { f.OKButton_Click(); };
    if (c == &f.CancelButton) b.click = [&f] { f.CancelButton_Click(); };
    if (c == &f.Text3) b.keyPress = [&f](std::int16_t& k) { f.Text3_KeyPress(k); };
    if (c == &f.Text6) b.keyPress = [&f](std::int16_t& k) { f.Text6_KeyPress(k); };
    if (c == &f.Text7) b.keyPress = [&f](std::int16_t& k) { f.Text7_KeyPress(k); };
    if (c == &f.Text8) {
      b.keyPress = [&f](std::int16_t& k) { f.Text8_KeyPress(k); };
      b.keyUp = [&f] { f.Text8_KeyUp(); };
      b.lostFocus = [&f] { f.Text8_LostFocus(); };
    }
    if (c == &f.Text9) {
      b.keyPress = [&f](std::int16_t& k) { f.Text9_KeyPress(k); };
      b.lostFocus = [&f] { f.Text9_LostFocus(); };
    }
    bindings.push_back(std::move(b));
  }
  auto dialog = std::make_unique<FormDialog>(platform, f, std::move(bindings), parent);
  dialog->setObjectName(QStringLiteral("frmEingabe"));
  dialog->onActivate = [&f] { f.Form_Activate(); };
  // The close box takes the window away as if unloaded: the command does not see "OK".
  dialog->onCloseBox = [&f] { f.Unload(); };
  return dialog;
}

}  // namespace velmora::qt
