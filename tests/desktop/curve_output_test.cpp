// SPDX-License-Identifier: GPL-3.0-or-later
// The curve leaving the desktop program: export through the file dialog, Ctrl+C, the read-out.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>

#include "desktop/plot_widget.h"
#include "tests/desktop/ui_driver.h"

using velmora::testing::DesktopFixture;
using velmora::testing::WhileModal;

namespace {

// Sets or clears the immutable flag of a folder: even root cannot add a file to it then.
bool SetImmutable(const QString& path, bool on) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return ok;
}

QString FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestCurveOutput : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  QTemporaryDir dir_;

  velmora::FrmMain& Model() { return fixture_->model(); }
  QAction* Export() { return fixture_->window().ActionFor(Model().mnuFileExport); }
  velmora::qt::PlotWidget* Plot() { return fixture_->window().Plot(); }
  QString Readout() {
    const QLabel* panel = fixture_->window().StatusPanel(4);
    return panel->isVisible() ? panel->text() : QString();
  }
  void Start(const QString& choice) {
    fixture_->Start();
    QVERIFY(fixture_->DrawCurve(choice));
  }
  // Exports into `path` through the file dialog; returns the texts of the boxes shown meanwhile
  // (a question to replace a file is answered Yes).
  QStringList ExportTo(const QString& path) {
    QStringList boxes;
    WhileModal<QMessageBox>(
        [&] {
          WhileModal<QFileDialog>([&] { Export()->trigger(); },
                                  [&](QFileDialog* dialog) {
                                    // Typed over the proposed name.
                                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                                    static_cast<QDialog*>(dialog)->accept();
                                  });
        },
        [&](QMessageBox* box) {
          boxes << box->text();
          QAbstractButton* yes = box->button(QMessageBox::Yes);
          (yes ? yes : box->defaultButton())->click();
        });
    return boxes;
  }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() { fixture_ = std::make_unique<DesktopFixture>(); }
  void cleanup() { fixture_.reset(); }

  // The menu item follows the curve; each format lands in its file.
  void exportsEachFormat() {
    fixture_->Start();
    QVERIFY(!Export()->isEnabled());
    QCOMPARE(Export()->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    // Qt's own texts are German like ours: the menu's key name, a dialog's button.
    QCOMPARE(Export()->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+E"));
    QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons().first()->text(),
             QStringLiteral("Abbrechen"));
    QVERIFY(fixture_->DrawCurve(QStringLiteral("Verkürzung Vf bei d")));
    QVERIFY(Export()->isEnabled());
    const QString base = dir_.filePath(QStringLiteral("vf"));
    for (const char* suffix : {".png", ".svg", ".pdf", ".csv"}) {
      QCOMPARE(ExportTo(base + suffix), QStringList());
    }
    const QImage png(base + ".png");
    QVERIFY(qAbs(png.width() - 2 * Plot()->width()) <= 1);
    QVERIFY(png.height() > 2 * Plot()->height());
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {base + ".pdf", QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    for (const QString& text : {FileText(base + ".svg"), QString::fromUtf8(pdftotext.readAll())}) {
      QVERIFY(text.contains(QStringLiteral("0,90")) && text.contains(QStringLiteral(" 10 ")));
      QVERIFY(text.contains(QStringLiteral("Verkürzungs-Faktor Vf bei Draht-d")));
    }
    // The run's points with decimal commas (their digits are velmora-calc's tests').
    const QStringList rows = FileText(base + ".csv").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto& samples = Model().curveCommand.LastRun().samples;
    QCOMPARE(rows.value(0), QStringLiteral("Draht-d [mm];Vf"));
    QCOMPARE(rows.size() - 1, static_cast<int>(samples.size()));
    const double y = QLocale(QLocale::German).toDouble(rows.value(1).section(u';', 1));
    QVERIFY(qAbs(y - samples[0].y) <= 1e-13);
    QCOMPARE(fixture_->Settings().value(QStringLiteral("Export/LastFolder")).toString(),
             dir_.path());
    fixture_->window().ActionFor(Model().mnuFileNew)->trigger();
    QVERIFY(!Export()->isEnabled());
  }

  void failedExportLeavesTheFile() {
    const QString folder = dir_.filePath(QStringLiteral("locked"));
    const QString path = folder + QStringLiteral("/Vf.png");
    QVERIFY(QDir().mkpath(folder));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old picture") == 11);
    old.close();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
      QFile::remove(folder + QStringLiteral("/probe"));
      if (!SetImmutable(folder, true)) QSKIP("no way to lock a folder here");
    }
    Start(QStringLiteral("Verkürzung Vf bei d"));
    const QStringList boxes = ExportTo(path);
    SetImmutable(folder, false);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(boxes.size(), 2);  // replace it?  then the failure
    QVERIFY2(boxes[1].startsWith(QStringLiteral("Die Kurve konnte nicht als „%1“").arg(path)),
             qPrintable(boxes[1]));
    QVERIFY(boxes[1].contains(QStringLiteral("Die vorhandene Datei bleibt unverändert.")));
    QCOMPARE(FileText(path), QStringLiteral("old picture"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Vf.png")});
  }

  // The pointer and the arrow keys move the marker and its read-out; leaving the plot ends both.
  void readoutFollowsPointerAndKeys() {
    Start(QStringLiteral("Strahlungswiderstand Rs"));
    QTest::mouseMove(Plot(), QPoint(10, 10));  // a move from elsewhere, whatever the last test did
    QTest::mouseMove(Plot(), QPoint(300, 100));
    QCOMPARE(Readout(), QStringLiteral("Ant.-Höhe = 44,03 m   Rs = 64,8 Ohm"));
    QVERIFY(qAbs(Plot()->Marker().value_or(0) - 300 * 15.0) <= 15);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Plot(), &leave);
    QCOMPARE(Readout(), QString());
    QVERIFY(!Plot()->Marker());
    Plot()->setFocus();
    const double m = Model().curveCommand.lastLayout.m;
    QTest::keyClick(Plot(), Qt::Key_Right);
    QCOMPARE(Plot()->Marker().value_or(0), m);
    const QString first = Readout();
    QTest::keyClick(Plot(), Qt::Key_Right);
    QCOMPARE(Plot()->Marker().value_or(0), m + 1);
    QVERIFY(Readout() != first && Readout().startsWith(QStringLiteral("Ant.-Höhe = ")));
    QTest::keyClick(Plot(), Qt::Key_Left);
    QCOMPARE(Readout(), first);
  }

  void copyPutsPictureAndPointsOnTheClipboard() {
    Start(QStringLiteral("Strahlungswiderstand Rs"));
    Plot()->setFocus();
    QTest::keyClick(Plot(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage() && data->hasText());
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).width(), 2 * Plot()->width());
    const QStringList rows = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.value(0), QStringLiteral("Ant.-Höhe [m];Rs [Ohm]"));
    QCOMPARE(rows.size() - 1, static_cast<int>(Model().curveCommand.LastRun().samples.size()));
  }

  void necMarksInThePicturesAsOnScreen() {
    velmora::DisplayList list;
    list.width = 2880;
    list.height = 1440;
    const velmora::NecMarks marks{{{1440, 720}}, true};
    const QImage png = velmora::qt::RenderPlotImage(list, "t", 96, marks);
    QCOMPARE(png.pixelColor(96, 48), velmora::qt::PlotWidget::NecColor());
    const QByteArray red = velmora::qt::PlotWidget::NecColor().name().toLatin1();
    using velmora::qt::PlotFormat;
    QVERIFY(velmora::qt::ExportPlot(list, "t", PlotFormat::kSvg, 96, marks).contains(red));
    QVERIFY(!velmora::qt::ExportPlot(list, "t", PlotFormat::kSvg, 96).contains(red));
  }
};

QTEST_MAIN(TestCurveOutput)
#include "curve_output_test.moc"
