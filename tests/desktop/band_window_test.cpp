// SPDX-License-Identifier: GPL-3.0-or-later
// The band window on the real widgets beside the main window, with a scripted nec2c or none.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "band/frm_band.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_printing.h"
#include "desktop/text.h"
#include "nec/runner.h"
#include "tests/crosscheck/scripted_runner.h"
#include "tests/desktop/ui_driver.h"

using velmora::band::FrmBand;
using velmora::testing::DesktopFixture;
using velmora::testing::ScriptedRunner;

class TestBandWindow : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  std::shared_ptr<ScriptedRunner> runner_;
  QTemporaryDir out_;

  FrmBand& Model() { return fixture_->model().frmBand; }
  // Ctrl+B in the main window; the band window opens beside it and the call returns.
  QWidget* Open(std::shared_ptr<velmora::nec::NecRunner> runner = nullptr) {
    fixture_->Start();
    fixture_->window().SetNecRunner(runner ? runner : runner_);
    QTest::keyClick(&fixture_->window(), Qt::Key_B, Qt::ControlModifier);
    return fixture_->window().BandDialog();
  }
  bool Idle() {
    return QTest::qWaitFor([&] { return !Model().Session().NecRunning(); });
  }
  static QPushButton* Button(QWidget* d, const char* name) {
    return d->findChild<QPushButton*>(QLatin1String(name));
  }
  static bool Busy(QWidget* d) {
    return d->findChild<QProgressBar*>(QStringLiteral("prgBusy"))->isVisible();
  }
  // Every cell, the status and the read-out show what the model holds.
  bool Mirrored(QWidget* d) {
    std::vector<const velmora::Label*> labels = {&Model().lblStatus, &Model().lblAnzeige};
    for (const FrmBand::Row& row : Model().rows)
      labels.insert(labels.end(), {&row.closedForm, &row.nec, &row.measured});
    return std::all_of(labels.begin(), labels.end(), [d](const velmora::Label* label) {
      return d->findChild<QLabel*>(velmora::qt::ToQ(label->name))->text() ==
             velmora::qt::ToQ(label->caption);
    });
  }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() {
    fixture_ = std::make_unique<DesktopFixture>();
    runner_ = std::make_shared<ScriptedRunner>(0.96);
  }
  void cleanup() {
    velmora::qt::SetPrintFile({});
    fixture_.reset();
  }

  // Filled by both sides, the main window usable meanwhile; or without nec2c, the formulas alone.
  void filled_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("nec2c") << true;
    QTest::newRow("nec2c missing") << false;
  }
  void filled() {
    QFETCH(bool, installed);
    velmora::nec::Nec2cRunner::Options missing;
    missing.searchPath = out_.path().toStdString();
    QWidget* d = Open(installed ? nullptr : std::make_shared<velmora::nec::Nec2cRunner>(missing));
    QVERIFY(d && d->isVisible() && !d->isModal() && !QApplication::activeModalWidget());
    QVERIFY(Idle());
    QVERIFY(Mirrored(d));
    QCOMPARE(Model().rows[FrmBand::kLength].nec.caption != "–", installed);
    QVERIFY(Model().rows[FrmBand::kLength].closedForm.caption != "–");
    QVERIFY(Model().lblStatus.caption.find(installed ? "nec2c-Läufe" : "nec2c") !=
            std::string::npos);
    QVERIFY(!Busy(d) && !Button(d, "cmdAbbrechen")->isEnabled());
    // The main window still takes its shortcuts; Ctrl+B again keeps the window as it is.
    QTest::keyClick(&fixture_->window(), Qt::Key_W, Qt::ControlModifier);
    Button(d, "cmdSchliessen")->click();
    QVERIFY(!d->isVisible());
  }

  // A running search shows; typing stops it at once and restarts it once typing pauses;
  // "Abbrechen" stops it for good.
  void runningANewInputAndAbbrechen() {
    runner_->hold = true;
    QWidget* d = Open();
    QVERIFY(QTest::qWaitFor([&] { return runner_->runs == 1; }) && Busy(d));
    velmora::testing::TypeOver(d->findChild<QLineEdit*>("txtHoehe"), QStringLiteral("15"));
    QVERIFY(QTest::qWaitFor([&] { return runner_->stops == 1; }, 1000));
    QVERIFY(QTest::qWaitFor([&] { return runner_->runs == 2; }, 3000));
    Button(d, "cmdAbbrechen")->click();
    QVERIFY(QTest::qWaitFor([&] { return runner_->stops == 2; }, 1000) && !Busy(d));
    QCOMPARE(d->findChild<QLabel*>("lblStatus")->text(),
             QStringLiteral("Die NEC-2-Rechnung wurde abgebrochen."));
  }

  // The picture and the CSV through the file dialog; the window on paper with its texts.
  void exportAndPrint() {
    QWidget* d = Open();
    QVERIFY(Idle());
    const std::string touchstone = BandTouchstone(*Model().Session().Design(), "56 Cu");
    for (const char* name : {"band.csv", "band.png", "band.s1p"}) {
      const QString path = out_.filePath(QLatin1String(name));
      const bool s1p = path.endsWith("s1p");
      velmora::testing::WhileModal<QFileDialog>(
          [&] { Button(d, s1p ? "cmdTouchstone" : "cmdExportieren")->click(); },
          [&](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            static_cast<QDialog*>(dialog)->accept();
          });
      QFile file(path);
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QByteArray bytes = file.readAll();
      const char separator = fixture_->desktop().platform.DecimalSeparator();
      QVERIFY2(s1p ? bytes.toStdString() == touchstone
               : path.endsWith("csv")
                   ? bytes.toStdString() == BandCsv(*Model().Session().Design(), separator)
                   : bytes.startsWith("\x89PNG"),
               name);
    }
    const QString pdf = out_.filePath(QStringLiteral("band.pdf"));
    velmora::qt::SetPrintFile(pdf);
    Button(d, "cmdDrucken")->click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    const QString length = velmora::qt::ToQ(Model().rows[FrmBand::kLength].closedForm.caption);
    for (const QString& word : {QStringLiteral("Länge gesamt [m]:"), length,
                                QStringLiteral("f [MHz]"), QStringLiteral("NEC-2")}) {
      QVERIFY2(printed.contains(word), qPrintable(word));
    }
  }

  // "Messung laden..." through the file dialog: the curve, the column and the trim line; a
  // malformed file says why in a box and leaves the window as it was.
  void measurement() {
    QWidget* d = Open();
    QVERIFY(Idle());
    const QString good = out_.filePath(QStringLiteral("gut.s1p"));
    const QString bad = out_.filePath(QStringLiteral("kaputt.s1p"));
    for (const auto& [path, text] :
         {std::pair(good, "# MHz Z RI R 50\n3.5 .8 -.4\n3.6 1 -.1\n3.7 1.1 .2\n3.8 1.2 .5\n"),
          std::pair(bad, "# MHz Z RI R 50\n3.5 .8 -.4\n3.5 1 -.1\n")}) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(text);
    }
    QStringList boxes;
    const auto load = [&](const QString& path) {
      velmora::testing::WhileModal<QMessageBox>(
          [&] {
            velmora::testing::WhileModal<QFileDialog>(
                [&] { Button(d, "cmdLaden")->click(); },
                [&](QFileDialog* dialog) {
                  dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                  static_cast<QDialog*>(dialog)->accept();
                });
          },
          [&](QMessageBox* box) {
            boxes << box->text();
            box->accept();
          });
    };
    load(good);
    QVERIFY(boxes.isEmpty());
    QVERIFY(Mirrored(d));
    QCOMPARE(d->findChild<QLabel*>("lblResonanzMessung")->text(), QStringLiteral("3,6333"));
    QVERIFY(d->findChild<QLabel*>("lblTrim")->isVisible());
    QVERIFY(d->findChild<QLabel*>("lblTrim")->text().startsWith("je Schenkel"));
    // The binding runs NEC-2's search at the measured resonance; the trim then says so.
    QVERIFY(QTest::qWaitFor(
        [&] { return d->findChild<QLabel*>("lblTrim")->text().endsWith("(nach NEC-2)"); }));
    QVERIFY(std::any_of(
        Model().picture.Image().items.begin(), Model().picture.Image().items.end(),
        [](const velmora::DrawnItem& i) { return i.pen == velmora::PlotPen::kMeasured; }));
    const QString trim = d->findChild<QLabel*>("lblTrim")->text();
    load(bad);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].contains("Zeile 3"));
    QVERIFY(Mirrored(d));
    QCOMPARE(d->findChild<QLabel*>("lblResonanzMessung")->text(), QStringLiteral("3,6333"));
    QCOMPARE(d->findChild<QLabel*>("lblTrim")->text(), trim);
  }
};

QTEST_MAIN(TestBandWindow)
#include "band_window_test.moc"
