// A Qt window that mirrors a form model: the platform asks every bound view to catch up with its
// model after each event, and to name the widget that shows a model control.
#pragma once

class QWidget;

namespace velmora {
struct Control;
class Form;
}  // namespace velmora

namespace velmora::qt {

class BoundView {
 public:
  virtual ~BoundView() = default;
  // Model -> widgets. Must not route anything back into the model.
  virtual void Sync() = 0;
  // The widget bound to a control of this view's model, or nullptr.
  virtual QWidget* WidgetFor(const Control& control) = 0;
};

// A bound dialog the platform can show modally for its form model.
class ModalView : public BoundView {
 public:
  virtual Form& form() = 0;
  // Shows the dialog modally; returns once the model's form is hidden.
  virtual void ExecModal() = 0;
};

}  // namespace velmora::qt
