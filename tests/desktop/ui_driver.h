// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real windows the way a user does: opens modal dialogs and acts inside them, picks
// items, types keys. Shared by the widget tests.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "desktop/desktop.h"
#include "desktop/form_dialog.h"

namespace velmora::testing {

// Runs `user` inside each modal window of type W that `open` shows, once per window; `open`
// returns when the windows have closed. Returns how many windows `user` saw.
template <class W>
int WhileModal(const std::function<void()>& open, const std::function<void(W*)>& user) {
  int seen = 0;
  // Dialogs are kept between openings: what was seen in an earlier call counts as new.
  for (QWidget* top : QApplication::topLevelWidgets()) top->setProperty("velmoraSeen", false);
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&seen, &user] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!window || !window->isVisible() || window->property("velmoraSeen").toBool()) return;
    window->setProperty("velmoraSeen", true);
    ++seen;
    // Focus moves, and their focus-out events, happen only in the active window.
    auto active = [window] { return QApplication::activeWindow() == window; };
    if (!QTest::qWaitFor(active, 1000)) {
      window->activateWindow();
      if (!QTest::qWaitFor(active, 2000)) qWarning("modal window did not become active");
    }
    user(window);
  });
  poll.start();
  open();
  poll.stop();
  return seen;
}

// Picks an item from a combo box's list, as with the mouse.
inline bool Pick(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
  return true;
}

// Types text key by key; unlike QTest::keyClicks also characters beyond ASCII ("ä").
inline void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

// Selects a box's text and types over it.
inline void TypeOver(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  Type(edit, text);
}

// The offscreen platform warns about every fixed-size window; nothing a test can act on.
inline void QuietOffscreenWarnings() {
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("propagateSizeHints"))) return;
        if (previous) previous(type, context, message);
      });
}

// A fresh desktop program on a private settings folder.
class DesktopFixture {
 public:
  DesktopFixture() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
  }
  QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }
  velmora::qt::Desktop& Start() {
    desktop_ = std::make_unique<velmora::qt::Desktop>();
    desktop_->Start();
    exposed_ = QTest::qWaitForWindowExposed(&desktop_->window);
    return *desktop_;
  }
  velmora::qt::Desktop& desktop() { return *desktop_; }
  velmora::FrmMain& model() { return desktop_->model; }
  velmora::qt::MainWindow& window() { return desktop_->window; }
  bool exposed() const { return exposed_; }
  // Draws `choice` with the dialog's defaults (Enter in its last box), then makes the main window
  // active again, as shortcuts need; false when the dialog did not show.
  bool DrawCurve(const QString& choice) {
    const int shown = WhileModal<velmora::qt::FormDialog>(
        [this] { window().ActionFor(model().mnuKurveAnzeigen)->trigger(); },
        [&choice](velmora::qt::FormDialog* d) {
          Pick(d->findChild<QComboBox*>("Combo1"), choice);
          QTest::keyClick(d->findChild<QLineEdit*>("Text6"), Qt::Key_Return);
        });
    window().activateWindow();
    return shown == 1 && QTest::qWaitForWindowActive(&window());
  }
  // The curve points the plot holds now.
  int PlotPoints() const {
    int n = 0;
    for (const auto& item : desktop_->surface.Image().items) {
      n += item.kind == velmora::DrawnItem::Kind::kPoint;
    }
    return n;
  }

 private:
  QTemporaryDir config_;
  std::unique_ptr<velmora::qt::Desktop> desktop_;
  bool exposed_ = false;
};

}  // namespace velmora::testing
