// SPDX-License-Identifier: GPL-3.0-or-later
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
  // Model -> widgets, touching only what changed since the last call (cheap when nothing did:
  // it runs after every event). Must not route anything back into the model.
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
  // Shows the dialog beside the others and returns at once; it goes when the form is hidden. A
  // view that only knows the modal run runs it.
  virtual void ShowModeless() { ExecModal(); }
};

// Work that runs beside a model (NEC-2's searches): started, followed and stopped in one step
// after each model change, never while the widgets are synced.
class BackgroundWork {
 public:
  virtual ~BackgroundWork() = default;
  // Starts what the model now asks for and stops what it no longer asks for.
  virtual void Follow() = 0;
};

}  // namespace velmora::qt
