// The dialog "NEC-2-Vergleich", bound to the FrmNecVergleich model: the inputs, the table of the
// formulas against NEC-2, a busy indicator while NEC-2 searches in the background, and
// "Abbrechen" to stop it. A new input stops a running search at once and starts a new one when
// typing pauses.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>

#include "desktop/bound_view.h"
#include "desktop/nec_searches.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace velmora {
class FrmNecVergleich;
struct Label;
namespace nec {
class NecRunner;
}
}  // namespace velmora

namespace velmora::qt {

class QtPlatform;
class FilteredLineEdit;

class NecDialog : public QDialog, public ModalView {
  Q_OBJECT
 public:
  // How long typing pauses before the search starts again.
  static constexpr int kRestartMs = 500;

  NecDialog(QtPlatform& platform, FrmNecVergleich& model, NecRunnerSource runner,
            QWidget* parent = nullptr);
  ~NecDialog() override;

  void Sync() override;
  QWidget* WidgetFor(const Control& control) override;
  Form& form() override;
  void ExecModal() override;

  QProgressBar* BusyIndicator() const { return busy_; }

 protected:
  void reject() override;

 private:
  void Route(const std::function<void()>& handler);
  FilteredLineEdit* NumberBox(const char* name);
  QLabel* Cell(const Label& label, bool value);
  void Edited();

  QtPlatform& platform_;
  FrmNecVergleich& model_;
  FilteredLineEdit* frequency_ = nullptr;
  FilteredLineEdit* height_ = nullptr;
  FilteredLineEdit* diameter_ = nullptr;
  QComboBox* material_ = nullptr;
  QComboBox* ground_ = nullptr;
  std::vector<std::pair<const Label*, QLabel*>> labels_;
  QProgressBar* busy_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* close_ = nullptr;
  QTimer* restart_ = nullptr;
  bool syncing_ = false;
  bool inExec_ = false;
};

}  // namespace velmora::qt
