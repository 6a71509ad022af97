// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 comparison dialog and NEC-2's points over a curve on the real windows, with a
// scripted nec2c (tests/crosscheck/scripted_runner.h) or none at all.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

#include "crosscheck/frm_nec_vergleich.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/text.h"
#include "tests/crosscheck/scripted_runner.h"
#include "tests/desktop/ui_driver.h"

using NecDialog = velmora::qt::FormDialog;
using velmora::testing::DesktopFixture;
using velmora::testing::ScriptedRunner;
using velmora::testing::WhileModal;

class TestNec : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  std::shared_ptr<ScriptedRunner> runner_;

  void Start(std::shared_ptr<velmora::nec::NecRunner> runner = nullptr) {
    fixture_->Start();
    Window().SetNecRunner(runner ? runner : runner_);
  }
  velmora::FrmMain& Model() { return fixture_->model(); }
  velmora::qt::MainWindow& Window() { return fixture_->window(); }
  QAction* Points() { return Window().ActionFor(Model().mnuViewNecPoints); }
  QLabel* Panel() { return Window().NecPointsPanel(); }
  static QString Text(QWidget* dialog, const char* label) {
    return dialog->findChild<QLabel*>(QLatin1String(label))->text();
  }
  static QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
  }
  // Ctrl+G opens the comparison; `user` acts in it, then it is closed.
  static bool Busy(QWidget* dialog) {
    return dialog->findChild<QProgressBar*>(QStringLiteral("prgBusy"))->isVisible();
  }
  bool InDialog(const std::function<void(NecDialog*)>& user) {
    return WhileModal<NecDialog>(
               [&] { QTest::keyClick(&Window(), Qt::Key_G, Qt::ControlModifier); },
               [&](NecDialog* d) {
                 user(d);
                 Button(d, "cmdSchliessen")->click();
               }) == 1;
  }
  bool Idle() {
    return QTest::qWaitFor([&] { return !Model().frmNecVergleich.Searching(); });
  }
  // Every cell and line of the table shows what the model holds.
  bool Mirrored(NecDialog* dialog) {
    const velmora::FrmNecVergleich& f = Model().frmNecVergleich;
    std::vector<const velmora::Label*> labels = {&f.lblStatus, &f.lblHinweis};
    for (const auto* row : {&f.rowLaenge, &f.rowVf, &f.rowR})
      labels.insert(labels.end(), {&row->closedForm, &row->nec, &row->difference});
    return std::all_of(labels.begin(), labels.end(), [dialog](const velmora::Label* label) {
      return Text(dialog, label->name.c_str()) == velmora::qt::ToQ(label->caption);
    });
  }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() {
    fixture_ = std::make_unique<DesktopFixture>();
    runner_ = std::make_shared<ScriptedRunner>(0.96);
  }
  void cleanup() { fixture_.reset(); }

  void comparisonFilledWithNecBesideTheFormulas() {
    Start();
    bool mirrored = false;
    bool busy = true;
    QString vf;
    QVERIFY(InDialog([&](NecDialog* d) {
      if (Idle()) vf = Text(d, "lblVfNec");
      mirrored = Mirrored(d);
      busy = Busy(d) || Button(d, "cmdAbbrechen")->isEnabled();
    }));
    QCOMPARE(vf, QStringLiteral("0,9600"));
    QVERIFY(mirrored);
    QVERIFY(!busy);
  }

  void comparisonRunningANewInputAndAbbrechenStopIt() {
    runner_->hold = true;
    Start();
    // What the user saw, step by step: searching, the new input's kill, the new search, the end.
    QString steps;
    QString status;
    QVERIFY(InDialog([&](NecDialog* d) {
      const auto step = [&steps](bool seen) { steps += seen ? '+' : '-'; };
      step(QTest::qWaitFor([&] { return runner_->runs == 1; }) && Busy(d));
      // The window takes keys while NEC-2 runs, and the new input kills the running child.
      velmora::testing::TypeOver(d->findChild<QLineEdit*>("txtFrequenz"), QStringLiteral("7"));
      step(QTest::qWaitFor([&] { return runner_->stops == 1; }, 1000));
      step(QTest::qWaitFor([&] { return runner_->runs == 2; }, 3000));
      Button(d, "cmdAbbrechen")->click();
      step(QTest::qWaitFor([&] { return runner_->stops == 2; }, 1000) && !Busy(d));
      status = Text(d, "lblStatus");
    }));
    QCOMPARE(steps, QStringLiteral("++++"));
    QCOMPARE(status, QStringLiteral("Die NEC-2-Rechnung wurde abgebrochen."));
  }

  void pointsDrawnOverTheCurveAndDiscardedByNew() {
    Start();
    QVERIFY(fixture_->DrawCurve(QStringLiteral("Verkürzung Vf bei h")));
    const QString title = Window().StatusPanel(1)->text();
    QVERIFY(!Points()->isChecked());
    Points()->trigger();
    QVERIFY(Points()->isChecked());
    velmora::qt::PlotWidget* plot = Window().Plot();
    QTRY_COMPARE(plot->NecPoints().size(), std::size_t{20});
    QVERIFY(Panel()->isHidden());
    QCOMPARE(Window().StatusPanel(1)->text(), title);
    // The first marker's centre is painted in the second colour.
    const QImage picture = plot->grab().toImage();
    const double scale = picture.width() / static_cast<double>(plot->width());
    const QPointF centre = plot->NecPoints().front() * plot->logicalDpiX() / 1440.0 * scale;
    QCOMPARE(picture.pixelColor(centre.toPoint()), velmora::qt::PlotWidget::NecColor());
    // The pointer over the first point: the read-out shows NEC-2's value too.
    plot->setFocus();
    QTest::mouseMove(plot, (plot->NecPoints().front() * plot->logicalDpiX() / 1440.0).toPoint());
    QVERIFY2(Window().StatusPanel(4)->text().endsWith(QStringLiteral("   NEC-2: 0,96")),
             qPrintable(Window().StatusPanel(4)->text()));
    // Ctrl+C: the same marker in the copied picture at twice the scale, and NEC-2's column.
    QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->text().section(QLatin1Char('\n'), 0, 0).endsWith(";NEC-2"));
    QCOMPARE(data->text().count(QStringLiteral(";0,96\n")), 20);
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    const QPointF copiedCentre = plot->NecPoints().front() * 2 * plot->logicalDpiX() / 1440.0;
    QCOMPARE(copied.pixelColor(copiedCentre.toPoint()), velmora::qt::PlotWidget::NecColor());
    QTest::keyClick(&Window(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(plot->NecPoints().empty());
    QVERIFY(Panel()->isHidden());
  }

  void pointsCancelledByEsc() {
    runner_->hold = true;
    Start();
    QVERIFY(fixture_->DrawCurve(QStringLiteral("Verkürzung Vf bei h")));
    Points()->trigger();
    QTRY_COMPARE(runner_->runs.load(), 2);  // one search on each core
    QVERIFY2(!Panel()->isHidden() && Panel()->text().contains(QStringLiteral("Esc bricht ab")),
             qPrintable(Panel()->text()));
    QTest::keyClick(&Window(), Qt::Key_Escape);
    QCOMPARE(runner_->stops.load(), 2);
    QCOMPARE(Panel()->text(), QStringLiteral("NEC-2-Punkte: abgebrochen, 0 von 20"));
    QVERIFY(Window().Plot()->NecPoints().empty());
  }
};

QTEST_MAIN(TestNec)
#include "nec_windows_test.moc"
