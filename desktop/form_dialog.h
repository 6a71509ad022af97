// SPDX-License-Identifier: GPL-3.0-or-later
// A modal dialog built from a form model: one widget per control, placed from the model's twips
// at the screen's logical resolution, mirrored after every event and routing the widgets' events
// into the model's handlers.
#pragma once

#include <QDialog>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/bound_view.h"
#include "desktop/filtered_line_edit.h"
#include "desktop/form_widgets.h"

class QComboBox;
class QTimer;

#include "platform/controls.h"

namespace velmora::qt {

class QtPlatform;

class FormDialog : public QDialog, public ModalView {
  Q_OBJECT
 public:
  // The table belongs to the form model and outlives the dialog.
  FormDialog(QtPlatform& platform, Form& form, const ControlTable& controls,
             QWidget* parent = nullptr);
  ~FormDialog() override;

  void Sync() override;
  QWidget* WidgetFor(const Control& control) override;
  Form& form() override { return form_; }
  void ExecModal() override;
  void ShowModeless() override;

  // The logical resolution the twips are converted with.
  double Dpi() const { return dpi_; }
  // Catches every window up with its model and ends the modal run, or hides the window shown
  // beside the others, once the form is hidden.
  void AfterEvent();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Bound {
    const ControlEntry* entry = nullptr;
    QWidget* widget = nullptr;
    QRect geometry;  // last applied, in pixels
    // StampOf the control when it was last synced; unset: the widget must be checked.
    std::optional<std::uint64_t> stamp;
    QTimer* timer = nullptr;  // a timer row has this instead of a widget
    std::uint64_t armed = 0;
  };
  void Build();
  // The row's widget events -> the row's handlers, through Route.
  void Connect(Bound& bound, std::size_t row);
  void Route(const std::function<void()>& handler);
  void SyncOne(Bound& bound);
  // The user changed this row's widget and the model took it over: check it at the next sync.
  void Touched(std::size_t row) { bound_[row].stamp.reset(); }
  std::vector<NamedRow> Rows() const;
  // Accessible names from the caption label in each control's row; see the definition.
  void UpdateAccessibleTexts();

  QtPlatform& platform_;
  Form& form_;
  std::vector<Bound> bound_;
  double dpi_ = 96.0;
  bool syncing_ = false;
  bool inExec_ = false;
  // Set while the combo box's own line edit finishes editing: Qt then "activates" a matching
  // item, which is no pick by the user.
  bool editingFinishing_ = false;
};

}  // namespace velmora::qt
