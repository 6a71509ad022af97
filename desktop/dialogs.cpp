#include "desktop/dialogs.h"

#include "curves/frm_eingabe.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::qt {

std::unique_ptr<FormDialog> MakeSingleValueDialog(QtPlatform& platform, FrmEinzelEingabe& f,
                                                  QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmEinzel_Eingabe"));
  dialog->onActivate = [&f] { f.Form_Activate(); };
  // The close box closes the window without the Cancel button's handler; the command that
  // opened it unloads it.
  dialog->onCloseBox = [&f] { f.Hide(); };
  return dialog;
}

std::unique_ptr<FormDialog> MakeCurveDialog(QtPlatform& platform, FrmEingabe& f, QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmEingabe"));
  dialog->onActivate = [&f] { f.Form_Activate(); };
  // The close box takes the window away as if unloaded: the command does not see "OK".
  dialog->onCloseBox = [&f] { f.Unload(); };
  return dialog;
}

}  // namespace velmora::qt
