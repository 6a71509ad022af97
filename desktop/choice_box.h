// SPDX-License-Identifier: GPL-3.0-or-later
// The choice boxes of the dialogs built from control tables, on screen and on paper.
#pragma once

#include <QComboBox>
#include <QLineEdit>

namespace velmora::qt {

// The line edit inside an editable combo box; tells its owner while it finishes editing.
class ComboLineEdit : public QLineEdit {
 public:
  ComboLineEdit(bool& finishing, QWidget* parent) : QLineEdit(parent), finishing_(finishing) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool& finishing_;
};

// An editable choice box. On paper it is a plain box with an arrow: the style paints it from a
// bitmap, which would reach the printer as a blurred picture.
class ChoiceBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  // The list opens as wide as its longest item, beyond the box if need be.
  void showPopup() override;

 protected:
  // The tool tip shows the whole text, which the closed box may cut off, above the box's own tip.
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora::qt
