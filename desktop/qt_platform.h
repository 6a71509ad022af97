// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the desktop program: the window system's services on Qt Widgets.
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

class QLabel;
class QWidget;

namespace velmora::qt {

class BackgroundWork;
class BoundView;
class ModalView;

class QtPlatform : public Platform {
 public:
  // The organisation and application under which the settings file is kept.
  static constexpr const char* kSettingsOrganization = "Velmora";

  QtPlatform();
  ~QtPlatform() override;

  // --- wiring by the bound windows ---
  void AddView(BoundView* view);
  void RemoveView(BoundView* view);
  // Makes the window of a form that has none yet, when the form is first shown.
  void SetViewFactory(std::function<ModalView*(Form&)> factory) {
    viewFactory_ = std::move(factory);
  }
  void AddModalView(ModalView* view);
  void RemoveModalView(ModalView* view);
  // The main window's status panel 1 and the parent of message boxes outside dialogs.
  void SetStatusLabel(QLabel* label);
  void SetMainWidget(QWidget* widget);
  void AddWork(BackgroundWork* work);
  void RemoveWork(BackgroundWork* work);
  // Model -> widgets for every bound window; each touches only what changed.
  void SyncViews();
  // The step after a handler changed a model: background work follows the models, then every
  // window catches up with its own.
  void ModelChanged();
  // How often the program beeped; a beep cannot be heard on every display.
  int Beeps() const { return beeps_; }

  // --- Platform ---
  void Beep() override;
  void DoEvents() override;
  int MessageBox(const std::string& text, const std::string& title, int style) override;
  std::string StatusText() override { return statusText_; }
  void SetStatusText(const std::string& text) override;
  char DecimalSeparator() override;
  std::string NowGeneralDateTime() override;
  void SetMousePointer(MousePointer pointer) override;
  void SetFocus(const Control& control) override;
  void ShowModal(Form& form) override;
  void Show(Form& form) override;
  PrintOutcome PrintForm(Form& form) override;
  std::string PrinterName() override;
  ExportOutcome ExportCurve(const CurveOutput& curve) override;
  void CopyCurve(const CurveOutput& curve) override;
  ExportOutcome SaveFile(const FileOutput& file) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter) override;
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  // The window bound to the form, made by the factory if it has none yet.
  ModalView* ViewOf(Form& form);
  // The main window's logical resolution; exported pictures are made from it.
  double ScreenDpi() const;
  QString LastFolder();
  ExportOutcome Written(const QString& path, const QString& error, ExportOutcome outcome);

  std::vector<BoundView*> views_;
  std::vector<ModalView*> modalViews_;
  std::vector<BackgroundWork*> work_;
  std::function<ModalView*(Form&)> viewFactory_;
  QPointer<QLabel> statusLabel_;
  QPointer<QWidget> mainWidget_;
  std::string statusText_;
  int beeps_ = 0;
  bool waitCursor_ = false;
  bool syncing_ = false;
  bool syncAgain_ = false;
};

}  // namespace velmora::qt
