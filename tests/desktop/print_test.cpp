// Printing for real through Qt's print support, into PDF files instead of a printer: what the
// page shows (read back with poppler's tools), where it sits on the sheet, and the failures Qt
// reports. What a print does to the forms is the models' (tests/shell, tests/single). No test
// here can reach a printer of the machine.
#include <QAction>
#include <QDebug>
#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>

#include "desktop/form_dialog.h"
#include "desktop/qt_printing.h"
#include "platform/version.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::FormDialog;
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::WhileModal;

namespace {

QString Tool(const char* name) {
  return QStandardPaths::findExecutable(QLatin1String(name));
}

// What one of poppler's tools writes to its standard output; nothing when it fails.
QString Poppler(const char* tool, const QStringList& args) {
  QProcess run;
  run.start(Tool(tool), args);
  const bool ok = run.waitForFinished(20000) && run.exitCode() == 0;
  return ok ? QString::fromUtf8(run.readAllStandardOutput()) : QString();
}

// The pixel count of the largest bitmap in a PDF (0 when it holds none).
qint64 LargestBitmap(const QString& pdf) {
  qint64 largest = 0;
  const QStringList lines = Poppler("pdfimages", {QStringLiteral("-list"), pdf}).split(u'\n');
  for (const QString& line : lines.mid(2)) {  // below the two header lines
    const QStringList cells = line.split(u' ', Qt::SkipEmptyParts);
    if (cells.size() > 4)
      largest = std::max(largest, cells[3].toLongLong() * cells[4].toLongLong());
  }
  return largest;
}

// The smallest rectangle holding every pixel darker than light grey.
QRect InkBox(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (qGray(page.pixel(x, y)) < 160) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Answers every message box with OK or Cancel and remembers "title|text" of each.
struct Boxes {
  QStringList seen;
  QList<bool> answers;  // true: OK; OK when none is left
  void Answer(QMessageBox* box) {
    seen << box->windowTitle() + QLatin1Char('|') + box->text();
    const bool ok = answers.isEmpty() || answers.takeFirst();
    (ok ? box->defaultButton() : box->escapeButton())->click();
  }
};

}  // namespace

class TestPrinting : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  std::unique_ptr<QTemporaryDir> out_;

  velmora::FrmMain& Model() { return fixture_->desktop().model; }
  velmora::qt::MainWindow& Window() { return fixture_->desktop().window; }
  QString OutFile(const QString& name) { return out_->filePath(name); }

  void DrawCurve(const QString& choice) {
    WhileModal<FormDialog>([&] { Window().ActionFor(Model().mnuKurveAnzeigen)->trigger(); },
                           [&](FormDialog* dialog) {
                             Pick(dialog->findChild<QComboBox*>(QStringLiteral("Combo1")), choice);
                             QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text6")),
                                             Qt::Key_Return);
                           });
  }
  // The toolbar's Print button, with every message box answered by `boxes`.
  void PrintCurve(Boxes& boxes) {
    WhileModal<QMessageBox>([&] { Window().ToolbarAction(QStringLiteral("Print"))->trigger(); },
                            [&](QMessageBox* box) { boxes.Answer(box); });
  }

 private slots:
  void initTestCase() {
    velmora::testing::QuietOffscreenWarnings();
    // No print server for this process: the machine's own printers stay out of reach.
    qputenv("CUPS_SERVER", QByteArrayLiteral("/nonexistent/velmora-test-cups.sock"));
    for (const char* tool : {"pdftotext", "pdftoppm", "pdfimages"}) {
      QVERIFY2(!Tool(tool).isEmpty(), "poppler-utils are needed (scripts/setup.sh installs them)");
    }
  }
  void init() {
    fixture_ = std::make_unique<DesktopFixture>();
    out_ = std::make_unique<QTemporaryDir>();
    // VELMORA_PRINT_KEEP=<folder> keeps the printed pages for a look.
    const QString keep = qEnvironmentVariable("VELMORA_PRINT_KEEP");
    if (!keep.isEmpty()) {
      out_ = std::make_unique<QTemporaryDir>(keep + QStringLiteral("/print-XXXXXX"));
      out_->setAutoRemove(false);
    }
  }
  void cleanup() {
    velmora::qt::SetPrintFile({});
    fixture_.reset();
  }

  void curvePageHoldsThePlotAndTheStatusLine() {
    fixture_->Start();
    DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
    const QString title = Window().StatusPanel(1)->text();
    QVERIFY(!title.isEmpty());
    Window().ActionFor(Model().mnuViewStatusBar)->trigger();  // off: printed all the same
    const QString pdf = OutFile(QStringLiteral("curve.pdf"));
    velmora::qt::SetPrintFile(pdf);
    Boxes boxes;
    PrintCurve(boxes);
    QCOMPARE(boxes.seen, QStringList{QStringLiteral("Drucker |Drucker bereit?")});

    const QString text =
        Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(!text.isEmpty(), qPrintable(pdf));
    // The whole status line, title and header, none of it cut off (the text tool sets blanks
    // by the glyphs' positions, so their number is not checked here).
    const QString header = QStringLiteral("Velmora ") + QString::fromUtf8(velmora::kCopyrightLine);
    const QRegularExpression line(QRegularExpression::escape(title.trimmed()) +
                                  QStringLiteral("\\s+") + QRegularExpression::escape(header));
    QVERIFY2(text.contains(line), qPrintable(text));
    // The plot's texts are on the page as text, not as a picture of text.
    QVERIFY2(text.contains(QStringLiteral("Rs")), qPrintable(text));
    // Lines too: the style's little frame pieces may come as bitmaps, the window never does.
    const qint64 bitmap = LargestBitmap(pdf);
    QVERIFY2(bitmap < 100 * 100, qPrintable(QString::number(bitmap)));
    // Neither menu nor toolbar.
    QVERIFY2(!text.contains(QStringLiteral("Datei")), qPrintable(text));
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void singleValuePageShowsTheTextBlockInsteadOfTheButtons() {
    fixture_->Start();
    const QString pdf = OutFile(QStringLiteral("single.pdf"));
    velmora::qt::SetPrintFile(pdf);
    Boxes boxes;
    QString result;
    WhileModal<FormDialog>(
        [&] { Window().ActionFor(Model().mnuEinzelBerechnung)->trigger(); },
        [&](FormDialog* dialog) {
          QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text6")), Qt::Key_Return);
          result = dialog->findChild<QLabel*>(QStringLiteral("Label3"))->text();
          WhileModal<QMessageBox>(
              [&] { dialog->findChild<QPushButton*>(QStringLiteral("PrintButton"))->click(); },
              [&](QMessageBox* box) { boxes.Answer(box); });
          dialog->setProperty("velmoraSeen", true);  // the inner run forgot it
          dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
        });
    QCOMPARE(boxes.seen, QStringList{QStringLiteral("Drucker |Drucker bereit?")});

    // The page is the dialog as the model shows it while printing: the text block, no buttons.
    const QString text =
        Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(!result.isEmpty() && text.contains(result), qPrintable(result + " / " + text));
    QVERIFY2(text.contains(QStringLiteral("Einzelwert - Berechnung:")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("Abbrechen")), qPrintable(text));
  }

  // The failure box shows Qt's own words, and the printer's name in its title.
  void failures_data() {
    QTest::addColumn<QString>("file");  // empty: the default printer, of which there is none
    QTest::addColumn<QString>("failureBox");
    const QString unwritable = QStringLiteral("/nonexistent/velmora/kurve.pdf");
    QTest::newRow("no_default_printer")
        << QString()
        << QStringLiteral("Drucker-Fehler |Es ist kein Standard-Drucker eingerichtet.");
    QTest::newRow("file_not_writable")
        << unwritable
        << QStringLiteral("Drucker-Fehler %1|Die Datei „%1“ kann nicht geschrieben werden.")
               .arg(unwritable);
  }
  void failures() {
    QFETCH(QString, file);
    QFETCH(QString, failureBox);
    if (file.isEmpty() && !QPrinterInfo::defaultPrinter().isNull()) {
      QSKIP("a default printer is reachable after all; nothing is sent to it");
    }
    fixture_->Start();
    DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
    velmora::qt::SetPrintFile(file);
    Boxes boxes;
    boxes.answers = {true, false};
    PrintCurve(boxes);
    QCOMPARE(boxes.seen, (QStringList{QStringLiteral("Drucker |Drucker bereit?"), failureBox}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  // Where a window lands on the sheet: turned to its shape and centred; a main window fills
  // the printable area, a dialog grows to one and a half times its screen size at most.
  void placementOnThePage_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<bool>("fills");  // true: one side spans the printable area
    QTest::newRow("small_dialog") << QSize(400, 260) << false << false;
    QTest::newRow("large_dialog") << QSize(2400, 900) << false << true;
    QTest::newRow("tall_dialog") << QSize(500, 2200) << false << true;
    QTest::newRow("small_main_window") << QSize(400, 260) << true << true;
  }
  void placementOnThePage() {
    QFETCH(QSize, size);
    QFETCH(bool, mainWindow);
    QFETCH(bool, fills);
    QMainWindow main;
    QWidget dialog;
    QWidget& window = mainWindow ? static_cast<QWidget&>(main) : dialog;
    QWidget* black = &dialog;
    if (mainWindow) {
      black = new QWidget;
      main.setCentralWidget(black);
    }
    black->setAutoFillBackground(true);
    QPalette palette = black->palette();
    palette.setColor(QPalette::Window, Qt::black);
    black->setPalette(palette);
    window.setFixedSize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QString pdf = OutFile(QStringLiteral("placement.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const velmora::PrintOutcome outcome =
        velmora::qt::PrintWindowArea(window, window.rect(), printer, pdf);
    QVERIFY2(outcome.ok, outcome.error.c_str());

    constexpr int kDpi = 72;  // one pixel per point
    Poppler("pdftoppm", {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
                         QStringLiteral("-singlefile"), pdf, pdf + QStringLiteral("-page")});
    const QImage page(pdf + QStringLiteral("-page.png"));
    QVERIFY(!page.isNull());
    QCOMPARE(page.width() > page.height(), size.width() > size.height());
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    const QRectF ink = InkBox(page);
    QString where;
    QDebug(&where) << "ink" << ink << "printable" << printable;
    // Rasterising puts each edge within a pixel of its exact place.
    constexpr double kEdge = 1.5;
    QVERIFY2(std::abs(ink.center().x() - printable.center().x()) <= kEdge &&
                 std::abs(ink.center().y() - printable.center().y()) <= kEdge,
             qPrintable(where));
    const double scale =
        fills ? std::min(printable.width() / size.width(), printable.height() / size.height())
              : 1.5 * kDpi / window.logicalDpiX();
    QVERIFY2(std::abs(ink.width() - size.width() * scale) <= 2 * kEdge &&
                 std::abs(ink.height() - size.height() * scale) <= 2 * kEdge,
             qPrintable(where));
  }
};

QTEST_MAIN(TestPrinting)
#include "print_test.moc"
