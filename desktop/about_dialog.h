// SPDX-License-Identifier: GPL-3.0-or-later
// The info box: the frmAbout model in a small laid-out dialog.
#pragma once

#include <QDialog>

#include "desktop/bound_view.h"

class QLabel;
class QPushButton;

namespace velmora {
class FrmAbout;
}

namespace velmora::qt {

class QtPlatform;

class AboutDialog : public QDialog, public ModalView {
  Q_OBJECT
 public:
  AboutDialog(QtPlatform& platform, FrmAbout& form, QWidget* parent = nullptr);
  ~AboutDialog() override;

  void Sync() override;
  QWidget* WidgetFor(const Control& control) override;
  Form& form() override;
  void ExecModal() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Ok();

  QtPlatform& platform_;
  FrmAbout& model_;
  QLabel* icon_;
  QLabel* title_;
  QLabel* version_;
  QLabel* description_;
  QLabel* warningHeading_;
  QLabel* disclaimer_;
  QPushButton* ok_;
  bool inExec_ = false;
};

// The program's icon, a dipole over its feed line: the pictures the installation puts into the
// icon theme.
QIcon ProgramIcon();

}  // namespace velmora::qt
