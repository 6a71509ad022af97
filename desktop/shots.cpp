// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-shots: opens the program's windows the way a user would and saves a picture of each,
// or measures the time from start to the first paint of the main window. A tool for looking at
// the program, not part of it.
//
//   velmora-shots DIR [SUFFIX]   main window with a curve and its read-out (also over NEC-2's
//                                points), the export dialog, the comparison with an insulated wire,
//                                the single-value dialog with the results of every choice, the
//                                curve dialog for two choices and the info box, as
//                                DIR/<window>SUFFIX.png
//   velmora-shots --first-paint  prints the milliseconds from start to the first paint, then quits
//   velmora-shots --nec-points   times NEC-2's 20 points over "Verkürzung Vf bei h" (average
//                                ground, nec2c) and the longest the event loop waited meanwhile
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <atomic>
#include <clocale>
#include <cstdio>
#include <functional>
#include <utility>

#include "desktop/about_dialog.h"
#include "desktop/desktop.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "nec/runner.h"

namespace {

using velmora::qt::Desktop;

// Calls `user` once the next modal window is open; `open` returns after it has closed.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& user) {
  bool done = false;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (done || !window || !window->isVisible()) return;
    done = true;
    user(window);
  });
  poll.start();
  open();
}

void Settle() {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// What the display shows of the window, in device pixels.
void Save(QWidget* window, const QString& path) {
  Settle();
  QPixmap picture;
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    picture = window->screen()->grabWindow(window->winId());
  } else {
    picture = window->grab();
  }
  if (!picture.save(path))
    std::fprintf(stderr, "velmora-shots: cannot write %s\n", qPrintable(path));
}

void Pick(QWidget* dialog, const QString& choice, const QString& box = QStringLiteral("Combo1")) {
  auto* combo = dialog->findChild<QComboBox*>(box);
  const int index = combo->findText(choice);
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

// Types a choice into the box, as for one that is not in its list.
void TypeChoice(QWidget* dialog, const QString& choice) {
  QLineEdit* edit = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->lineEdit();
  edit->setText(choice);
  emit edit->textEdited(choice);
}

void Click(QWidget* dialog, const char* button) {
  dialog->findChild<QPushButton*>(QLatin1String(button))->click();
}

// Lets events run until `done`, at most `ms`.
bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

// The curve dialog's defaults for a choice, accepted.
void DrawCurve(Desktop& desktop, const QString& choice) {
  WhileModal([&] { desktop.window.ActionFor(desktop.model.mnuKurveAnzeigen)->trigger(); },
             [&](QWidget* d) {
               Pick(d, choice);
               Click(d, "OKButton");
             });
}

// nec2c, counting its runs.
class CountingRunner : public velmora::nec::NecRunner {
 public:
  velmora::nec::Result<std::string> Run(const std::string& deck, std::stop_token stop) override {
    ++runs;
    return nec2c_.Run(deck, stop);
  }
  std::atomic<int> runs = 0;

 private:
  velmora::nec::Nec2cRunner nec2c_;
};

// The longest gap between the ticks of a timer ticking every 10 ms while `work` lets events run.
template <class Work>
qint64 LongestEventWait(Work work) {
  QElapsedTimer clock;
  qint64 last = 0;
  qint64 longest = 0;
  QTimer tick;
  tick.setInterval(10);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longest = std::max(longest, clock.elapsed() - last);
    last = clock.elapsed();
  });
  clock.start();
  tick.start();
  work();
  return std::max(longest, clock.elapsed() - last);
}

// NEC-2's points switched on over the curve on the plot; returns when they are all there. While
// they are computed a timer ticks every 10 ms: the longest gap between two ticks is how long an
// event waited.
void TimeNecPoints(Desktop& desktop, CountingRunner& runner, const char* what) {
  runner.runs = 0;
  QElapsedTimer clock;
  bool done = false;
  const qint64 longest = LongestEventWait([&] {
    clock.start();
    desktop.window.ActionFor(desktop.model.mnuViewNecPoints)->trigger();
    done = WaitFor([&] { return !desktop.model.necPoints.Computing(); }, 30000);
  });
  std::printf("%s: %s after %lld ms, %d points, %d nec2c runs; longest event wait %lld ms\n", what,
              done ? "done" : "NOT done", static_cast<long long>(clock.elapsed()),
              static_cast<int>(desktop.window.Plot()->NecPoints().size()), runner.runs.load(),
              static_cast<long long>(longest));
  std::fflush(stdout);
  desktop.window.ActionFor(desktop.model.mnuViewNecPoints)->trigger();
}

int NecPointsTiming(Desktop& desktop) {
  auto runner = std::make_shared<CountingRunner>();
  desktop.window.SetNecRunner(runner);
  DrawCurve(desktop, QStringLiteral("Verkürzung Vf bei h"));
  // What the machine itself keeps events waiting, with nothing computed.
  std::printf(
      "idle: longest event wait %lld ms in 2 s\n",
      static_cast<long long>(LongestEventWait([] { WaitFor([] { return false; }, 2000); })));
  for (int run = 1; run <= 3; ++run) {
    TimeNecPoints(desktop, *runner, qPrintable(QStringLiteral("run %1").arg(run)));
  }
  // New while the points are computed: the searches are stopped and their children killed.
  QElapsedTimer clock;
  clock.start();
  desktop.window.ActionFor(desktop.model.mnuViewNecPoints)->trigger();
  WaitFor([] { return false; }, 300);
  const qint64 before = clock.elapsed();
  desktop.window.ActionFor(desktop.model.mnuFileNew)->trigger();
  std::printf("New while computing: handled in %lld ms\n",
              static_cast<long long>(clock.elapsed() - before));
  return 0;
}

// The band window beside the main window, once NEC-2 has answered, with the read-out.
void BandShots(Desktop& desktop, const std::function<QString(const char*)>& path) {
  velmora::FrmMain& m = desktop.model;
  velmora::qt::MainWindow& w = desktop.window;
  w.ActionFor(m.mnuBand)->trigger();
  WaitFor([&] { return !m.frmBand.Session().NecRunning(); }, 20000);
  QWidget* d = w.BandDialog();
  auto* plot = d->findChild<QWidget*>(QStringLiteral("picSwv"));
  QCursor::setPos(plot->mapToGlobal(QPoint(plot->width() / 2, plot->height() / 2)));
  Save(d, path("band-window"));
  // An analyser's sweep of a wire resonating a little low, as dropped on the window.
  QTemporaryDir dir;
  const QString sweep = dir.filePath(QStringLiteral("messung.s1p"));
  QFile file(sweep);
  if (dir.isValid() && file.open(QIODevice::WriteOnly)) {
    file.write("! Beispielmessung\n# MHz Z RI R 50\n");
    for (int i = 0; i <= 50; ++i) {
      const double f = 3.45 + 0.01 * i;
      const double r = 62.0 + 40.0 * (f - 3.62);
      file.write(QByteArray::number(f, 'f', 2) + ' ' + QByteArray::number(r / 50.0) + ' ' +
                 QByteArray::number(2 * 11.0 * r * (f - 3.62) / 3.62 / 50.0) + '\n');
    }
    file.close();
    m.frmBand.Form_FileDrop(sweep.toStdString());
    w.BandDialog()->AfterEvent();
    WaitFor([&] { return !m.frmBand.TrimSearchWanted(); }, 30000);
    Save(d, path("band-window-measurement"));
  }
  Click(d, "cmdSchliessen");
}

// The band window with the real nec2c: the longest event wait while it opens and NEC-2 runs,
// and while a key typed into the height stops the running search and a new one runs.
int BandTiming(Desktop& desktop) {
  desktop.window.SetNecRunner(std::make_shared<velmora::nec::Nec2cRunner>());
  velmora::band::FrmBand& band = desktop.model.frmBand;
  const auto idle = [&] { return !band.Session().NecRunning(); };
  QElapsedTimer clock;
  bool done = false;
  const qint64 opening = LongestEventWait([&] {
    clock.start();
    desktop.window.ActionFor(desktop.model.mnuBand)->trigger();
    done = WaitFor(idle, 30000);
  });
  std::printf("open: %s after %lld ms; longest event wait %lld ms\n",
              done ? "NEC-2 done" : "NOT done", static_cast<long long>(clock.elapsed()),
              static_cast<long long>(opening));
  auto* height = desktop.window.BandDialog()->findChild<QLineEdit*>(QStringLiteral("txtHoehe"));
  const qint64 typing = LongestEventWait([&] {
    height->setText(QStringLiteral("13"));
    emit height->textEdited(height->text());
    WaitFor([&] { return band.Session().NecRunning() && band.NecWanted(); }, 2000);
    WaitFor([] { return false; }, 150);  // the search runs
    clock.start();
    height->setText(QStringLiteral("14"));
    emit height->textEdited(height->text());  // stops it
    done = WaitFor(idle, 30000);
  });
  std::printf("typing over a running search: %s after %lld ms; longest event wait %lld ms\n",
              done ? "NEC-2 done" : "NOT done", static_cast<long long>(clock.elapsed()),
              static_cast<long long>(typing));
  return 0;
}

int Shots(Desktop& desktop, const QString& dir, const QString& suffix, bool bandOnly) {
  QDir().mkpath(dir);
  auto path = [&](const char* name) { return dir + QLatin1Char('/') + name + suffix + ".png"; };
  velmora::FrmMain& m = desktop.model;
  velmora::qt::MainWindow& w = desktop.window;
  if (bandOnly) {
    BandShots(desktop, path);
    return 0;
  }

  WhileModal([&] { w.ActionFor(m.mnuEinzelBerechnung)->trigger(); },
             [&](QWidget* d) {
               Save(d, path("single-resonant-length"));
               Click(d, "OKButton");
               Save(d, path("single-resonant-length-result"));
               Pick(d, QStringLiteral("Strahlungswiderstand Rs"));
               Click(d, "OKButton");
               Save(d, path("single-radiation-resistance"));
               // The result captions of the other choices.
               const std::pair<const char*, const char*> others[] = {
                   {"Verkürzungsfaktor Vf", "single-velocity-factor"},
                   {"Ant. - Güte Qa bei h", "single-quality-at-height"},
                   {"Ant. - Güte Qa bei d", "single-quality-at-diameter"},
                   {"Bodendämpfung Rve", "single-ground-loss"}};
               for (const auto& [choice, name] : others) {
                 const QString text = QString::fromUtf8(choice);
                 if (d->findChild<QComboBox*>(QStringLiteral("Combo1"))->findText(text) < 0) {
                   TypeChoice(d, text);
                 } else {
                   Pick(d, text);
                 }
                 Click(d, "OKButton");
                 Save(d, path(name));
               }
               Click(d, "CancelButton");
             });
  BandShots(desktop, path);
  WhileModal([&] { w.ActionFor(m.mnuKurveAnzeigen)->trigger(); },
             [&](QWidget* d) {
               Save(d, path("curve-dialog-vf-f"));
               Pick(d, QStringLiteral("Strahlungswiderstand Rs"));
               Save(d, path("curve-dialog-rs"));
               Pick(d, QStringLiteral("Verkürzung Vf bei d"));
               Click(d, "OKButton");
             });
  Save(&w, path("main-curve-vf-d"));
  // The read-out: the pointer resting over the middle of the curve.
  QCursor::setPos(w.Plot()->mapToGlobal(QPoint(w.Plot()->width() / 2, w.Plot()->height() / 2)));
  Save(&w, path("main-readout-vf-d"));
  QCursor::setPos(w.mapToGlobal(QPoint(w.width() / 2, 4)));  // off the plot again
  WhileModal([&] { w.ActionFor(m.mnuFileExport)->trigger(); },
             [&](QWidget* d) {
               Save(d, path("export-dialog"));
               static_cast<QDialog*>(d)->reject();
             });
  WhileModal([&] { w.ActionFor(m.mnuKurveAnzeigen)->trigger(); },
             [&](QWidget* d) {
               Pick(d, QStringLiteral("Ant. - Güte Qa bei h"));
               Click(d, "OKButton");
             });
  Save(&w, path("main-curve-qa-h"));
  // The comparison opens with the single-value dialog's last inputs; then a low height.
  WhileModal([&] { w.ActionFor(m.mnuNecVergleich)->trigger(); },
             [&](QWidget* d) {
               WaitFor([&] { return !m.frmNecVergleich.Searching(); }, 20000);
               Save(d, path("nec-dialog"));
               auto* height = d->findChild<QLineEdit*>(QStringLiteral("txtHoehe"));
               height->setText(QStringLiteral("5"));
               emit height->textEdited(height->text());
               Click(d, "cmdBerechnen");
               WaitFor([&] { return !m.frmNecVergleich.Searching(); }, 20000);
               Save(d, path("nec-dialog-low"));
               // The insulated wire: 1.38 mm copper in 2.8 mm PVC, 12 m high.
               const std::pair<const char*, const char*> typed[] = {
                   {"txtHoehe", "12"}, {"txtDraht", "1,38"}, {"txtAussen", "2,8"}};
               for (const auto& [box, text] : typed) {
                 auto* edit = d->findChild<QLineEdit*>(QLatin1String(box));
                 edit->setText(QLatin1String(text));
                 emit edit->textEdited(edit->text());
               }
               Pick(d, QStringLiteral("4,0   PVC (3,5...4,5)"), QStringLiteral("cboIsolierung"));
               Click(d, "cmdBerechnen");
               WaitFor([&] { return !m.frmNecVergleich.Searching(); }, 20000);
               Save(d, path("nec-dialog-insulated"));
               Click(d, "cmdSchliessen");
             });
  DrawCurve(desktop, QStringLiteral("Verkürzung Vf bei h"));
  w.ActionFor(m.mnuViewNecPoints)->trigger();
  WaitFor([&] { return !m.necPoints.Computing(); }, 20000);
  Save(&w, path("main-nec-points-vf-h"));
  // The read-out over a NEC-2 point: the formula's value and NEC-2's.
  if (w.Plot()->NecPoints().size() > 9) {
    const QPointF point = w.Plot()->NecPoints()[9] * w.Plot()->logicalDpiX() / 1440.0;
    QCursor::setPos(w.Plot()->mapToGlobal(point.toPoint()));
    Save(&w, path("main-readout-nec-vf-h"));
    QCursor::setPos(w.mapToGlobal(QPoint(w.width() / 2, 4)));
  }
  DrawCurve(desktop, QStringLiteral("Strahlungswiderstand Rs"));
  WaitFor([&] { return !m.necPoints.Computing(); }, 20000);
  Save(&w, path("main-nec-points-rs"));
  w.ActionFor(m.mnuViewNecPoints)->trigger();
  WhileModal([&] { w.ActionFor(m.mnuHelpAbout)->trigger(); },
             [&](QWidget* d) {
               Save(d, path("about"));
               Click(d, "cmdOK");
             });
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const QStringList args = QApplication::arguments().mid(1);
  if (args.isEmpty()) {
    std::fprintf(
        stderr,
        "usage: velmora-shots DIR [SUFFIX [band]] | --first-paint | --nec-points | --band\n");
    return 2;
  }
  Desktop desktop;
  if (args.first() == QLatin1String("--first-paint")) {
    struct FirstPaint : QObject {
      QElapsedTimer* clock = nullptr;
      bool eventFilter(QObject*, QEvent* event) override {
        if (clock && event->type() == QEvent::Paint) {
          std::printf("first paint after %lld ms\n", static_cast<long long>(clock->elapsed()));
          std::fflush(stdout);
          QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
          clock = nullptr;
        }
        return false;
      }
    } watcher;
    watcher.clock = &sinceStart;
    desktop.window.Plot()->installEventFilter(&watcher);
    desktop.Start();
    return app.exec();
  }
  if (args.first() == QLatin1String("--band")) {
    desktop.Start();
    QTimer::singleShot(200, [&] { QApplication::exit(BandTiming(desktop)); });
    return app.exec();
  }
  if (args.first() == QLatin1String("--nec-points")) {
    desktop.Start();
    QTimer::singleShot(200, [&] { QApplication::exit(NecPointsTiming(desktop)); });
    return app.exec();
  }
  desktop.Start();
  const QString dir = args.first();
  const QString suffix = args.size() > 1 ? args.at(1) : QString();
  QTimer::singleShot(200, [&] {
    Shots(desktop, dir, suffix, args.size() > 2 && args.at(2) == QLatin1String("band"));
    QApplication::exit(0);
  });
  return app.exec();
}
