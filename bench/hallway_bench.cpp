// SPDX-License-Identifier: GPL-3.0-or-later
// The hallway from a key to the screen: one key typed into the single-value dialog's frequency
// box, routed through the real dialog binding and painted (offscreen), with the main window at
// 3840x2160 and a curve on its plot behind the dialog, against a 640x480 window with an empty
// plot. What the key costs must not grow with what the main window shows.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "desktop/desktop.h"
#include "desktop/form_dialog.h"

namespace velmora::bench {
namespace {

// Runs `inside` once the modal dialog that `open` shows is up, then closes it with its button.
void InModal(QAction* open, const char* closeButton, const std::function<void(QWidget*)>& inside) {
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    inside(dialog);
    dialog->findChild<QPushButton*>(QLatin1String(closeButton))->click();
  });
  open->trigger();
}

void Key(QWidget* box, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(box, &press);
  QCoreApplication::sendEvent(box, &release);
  QCoreApplication::processEvents();  // the repaints the key caused
}

void Hallway(benchmark::State& state, bool big) {
  QTemporaryDir config;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  qt::Desktop desktop;
  desktop.Start();
  desktop.window.resize(big ? QSize(3840, 2160) : QSize(640, 480));
  QCoreApplication::processEvents();
  FrmMain& model = desktop.model;
  if (big) InModal(desktop.window.ActionFor(model.mnuKurveAnzeigen), "OKButton", [](QWidget*) {});
  QCoreApplication::processEvents();
  if (big != !desktop.surface.Image().items.empty() ||
      desktop.window.width() != (big ? 3840 : 640)) {
    state.SkipWithError("the main window is not as wanted");
    return;
  }
  InModal(desktop.window.ActionFor(model.mnuEinzelBerechnung), "CancelButton",
          [&](QWidget* dialog) {
            const std::string& name = model.frmEinzelEingabe.FrequencyBox().name;
            QWidget* box = dialog->findChild<QWidget*>(QString::fromStdString(name));
            box->setFocus();
            for (auto _ : state) {
              Key(box, Qt::Key_5, QStringLiteral("5"));
              Key(box, Qt::Key_Backspace, QString(QChar(8)));
            }
            state.SetItemsProcessed(2 * state.iterations());
          });
}

BENCHMARK_CAPTURE(Hallway, big, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(Hallway, small, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace velmora::bench
