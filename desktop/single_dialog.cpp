#include "desktop/dialogs.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::qt {
namespace {

ControlKind KindOf(FrmEinzelEingabe::ControlKind kind) {
  using K = FrmEinzelEingabe::ControlKind;
  switch (kind) {
    case K::kFrame:
      return ControlKind::kFrame;
    case K::kLabel:
      return ControlKind::kLabel;
    case K::kTextBox:
      return ControlKind::kTextBox;
    case K::kComboBox:
      return ControlKind::kComboBox;
    case K::kCheckBox:
      return ControlKind::kCheckBox;
    case K::kCommandButton:
      return ControlKind::kCommandButton;
  }
  return ControlKind::kLabel;
}

LabelLook LookOf(FrmEinzelEingabe::LabelStyle style) {
  using S = FrmEinzelEingabe::LabelStyle;
  switch (style) {
    case S::kCaption:
      return LabelLook::kCaption;
    case S::kLeft:
      return LabelLook::kLeft;
    case S::kValue:
      return LabelLook::kValue;
    case S::kNone:
      break;
  }
  return LabelLook::kPlain;
}

}  // namespace

std::unique_ptr<FormDialog> MakeSingleValueDialog(QtPlatform& platform, FrmEinzelEingabe& f,
                                                  QWidget* parent) {
  std::vector<ControlBinding> bindings;
  for (const FrmEinzelEingabe::ControlRef& ref : f.Controls()) {
    ControlBinding b;
    b.control = ref.control;
    b.kind = KindOf(ref.kind);
    b.container = ref.container;
    b.look = LookOf(ref.labelStyle);
    b.boldCaption = ref.boldCaption;
    const Control* c = ref.control;
    if (c == &f.Combo1) b.click = [&f] { f.Combo1_Click(); };
    if (c == &f.Combo2) b.click = [&f] { f.Combo2_Click(); };
    if (c == &f.Combo3) b.click = [&f] { f.Combo3_Click(); };
    if (c == &f.Check1) b.click = [&f] { f.Check1_Click(); };
    if (c == &f.OKButton) b.click = [&f] { f.OKButton_Click(); };
    if (c == &f.CancelButton) b.click = [&f] { f.CancelButton_Click(); };
    if (c == &f.PrintButton) b.click = [&f] { f.PrintButton_Click(); };
    if (c == &f.Text6) {
      b.keyPress = [&f](std::int16_t& k) { f.Text6_KeyPress(k); };
      b.keyUp = [&f] { f.Text6_KeyUp(); };
    }
    if (c == &f.Text7) {
      b.keyPress = [&f](std::int16_t& k) { f.Text7_KeyPress(k); };
      b.keyUp = [&f] { f.Text7_KeyUp(); };
    }
    if (c == &f.Text8) {
      b.keyPress = [&f](std::int16_t& k) { f.Text8_KeyPress(k); };
      b.keyUp = [&f] { f.Text8_KeyUp(); };
    }
    if (c == &f.Text9) {
      b.keyPress = [&f](std::int16_t& k) { f.Text9_KeyPress(k); };
      b.keyUp = [&f] { f.Text9_KeyUp(); };
    }
    bindings.push_back(std::move(b));
  }
  auto dialog = std::make_unique<FormDialog>(platform, f, std::move(bindings), parent);
  dialog->setObjectName(QStringLiteral("frmEinzel_Eingabe"));
  dialog->onActivate = [&f] { f.Form_Activate(); };
  // The close box closes the window without the Cancel button's handler; the command that
  // opened it unloads it.
  dialog->onCloseBox = [&f] { f.Hide(); };
  return dialog;
}

}  // namespace velmora::qt
