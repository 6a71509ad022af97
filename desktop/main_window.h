// SPDX-License-Identifier: GPL-3.0-or-later
// The main window "Velmora": menu, toolbar, plot area and status bar, bound to the FrmMain model.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "desktop/bound_view.h"

class QAction;
class QLabel;
class QTimer;
class QToolBar;

namespace velmora {
class FrmMain;
struct MenuItem;
namespace nec {
class NecRunner;
}
}  // namespace velmora

namespace velmora::qt {

class QtPlatform;
class PlotWidget;
class FormDialog;
class AboutDialog;
class NecOverlay;

class MainWindow : public QMainWindow, public BoundView {
  Q_OBJECT
 public:
  MainWindow(QtPlatform& platform, FrmMain& model);
  ~MainWindow() override;

  // Creates the window from the stored settings (the model's load), placed on a screen.
  void Load();

  void Sync() override;
  QWidget* WidgetFor(const Control& control) override;

  // For tests and screenshots.
  QAction* ActionFor(const MenuItem& item) const;
  QAction* ToolbarAction(const QString& key) const;
  QToolBar* ToolBar() const { return toolBar_; }
  PlotWidget* Plot() const { return plot_; }
  QLabel* StatusPanel(int panel) const;
  // The dialogs once they were first shown; nullptr before.
  FormDialog* SingleValueDialog() const { return singleDialog_.get(); }
  FormDialog* CurveDialog() const { return curveDialog_.get(); }
  AboutDialog* InfoDialog() const { return aboutDialog_.get(); }
  FormDialog* NecComparisonDialog() const { return necDialog_.get(); }
  FormDialog* BandDialog() const { return bandDialog_.get(); }
  // The status panel of NEC-2's points over the curve; hidden while it has nothing to say.
  QLabel* NecPointsPanel() const { return statusNec_; }
  // What runs NEC-2 for the comparison and the points (nec2c by default); tests put in others.
  void SetNecRunner(std::shared_ptr<nec::NecRunner> runner) { necRunner_ = std::move(runner); }
  // The logical resolution twips are converted with.
  double Dpi() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildStatusBar();
  // The plot's pointer, keys and Ctrl+C -> model; its marker and status panel 4 <- model.
  void BindPlotEvents();
  void SyncReadout();
  // Title, menu, bars and the plot's place.
  void SyncFrame();
  ModalView* CreateDialogFor(Form& form);
  void Route(const std::function<void()>& handler);
  // Window geometry and bar heights -> model, in twips.
  void MeasureInto();
  void UpdateClock();
  void PaintLayout();
  // The model's resize handler for the window's current size.
  void HandleResize();
  // Runs it from the event loop.
  void QueueResize();

  QtPlatform& platform_;
  FrmMain& model_;
  std::map<const MenuItem*, QAction*> actions_;
  std::map<QString, QAction*> toolActions_;
  QToolBar* toolBar_ = nullptr;
  QWidget* plotArea_ = nullptr;
  PlotWidget* plot_ = nullptr;
  QLabel* statusText_ = nullptr;
  QLabel* statusDate_ = nullptr;
  QLabel* statusTime_ = nullptr;
  QLabel* statusNec_ = nullptr;
  QLabel* statusReadout_ = nullptr;
  QTimer* clock_ = nullptr;
  std::unique_ptr<FormDialog> singleDialog_;
  std::unique_ptr<FormDialog> curveDialog_;
  std::unique_ptr<AboutDialog> aboutDialog_;
  std::unique_ptr<FormDialog> necDialog_;
  std::unique_ptr<FormDialog> bandDialog_;
  std::shared_ptr<nec::NecRunner> necRunner_;
  NecOverlay* necOverlay_ = nullptr;
  bool syncing_ = false;
  std::uint64_t frameStamp_ = 0;
  bool frameSynced_ = false;
  bool loading_ = false;
  // A resize that arrives while a resize is being handled (the redraw lets events run) is
  // handled once more afterwards instead of inside it.
  bool inResize_ = false;
  bool resizePending_ = false;
  bool resizeQueued_ = false;
  // A resize came while a dialog blocked the window; handled when it is unblocked.
  bool resizeWhenUnblocked_ = false;
};

}  // namespace velmora::qt
