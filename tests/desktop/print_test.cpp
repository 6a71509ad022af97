// Printing for real through Qt's print support, into PDF files instead of a printer: what the
// page shows (read back with poppler's tools), where it sits on the sheet, and what the user
// sees when the printer fails. No test here can reach a printer of the machine.
#include <QAction>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
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

// The text of a PDF's pages as poppler reads it (in reading order, one line per line).
QString PdfText(const QString& pdf) {
  QProcess run;
  run.start(Tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!run.waitForFinished(20000) || run.exitCode() != 0) return {};
  return QString::fromUtf8(run.readAllStandardOutput());
}

// The width in pixels of the widest bitmap in a PDF (0 when it holds none), -1 when unreadable.
int WidestBitmap(const QString& pdf) {
  QProcess run;
  run.start(Tool("pdfimages"), {QStringLiteral("-list"), pdf});
  if (!run.waitForFinished(20000) || run.exitCode() != 0) return -1;
  int widest = 0;
  const QStringList lines = QString::fromUtf8(run.readAllStandardOutput()).split(u'\n');
  for (const QString& line : lines.mid(2)) {  // below the two header lines
    const QStringList cells = line.split(u' ', Qt::SkipEmptyParts);
    if (cells.size() > 3) widest = std::max(widest, cells[3].toInt());
  }
  return widest;
}

// The first page rendered at `dpi`.
QImage PdfPage(const QString& pdf, int dpi) {
  const QString stem = pdf + QStringLiteral("-page");
  QProcess run;
  run.start(Tool("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                               QStringLiteral("-singlefile"), pdf, stem});
  if (!run.waitForFinished(20000) || run.exitCode() != 0) return {};
  return QImage(stem + QStringLiteral(".png"));
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
  QList<bool> answers;           // true: OK; OK when none is left
  std::function<void()> onEach;  // runs while each box is up
  void Answer(QMessageBox* box) {
    seen << box->windowTitle() + QLatin1Char('|') + box->text();
    if (onEach) onEach();
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
  // Computes the default choice in the single-value dialog and prints it; returns the results.
  QStringList PrintSingleValue(Boxes& boxes) {
    QStringList results;
    WhileModal<FormDialog>(
        [&] { Window().ActionFor(Model().mnuEinzelBerechnung)->trigger(); },
        [&](FormDialog* dialog) {
          QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text6")), Qt::Key_Return);
          for (const char* label : {"Label3", "Label13", "Label5"})
            results << dialog->findChild<QLabel*>(QLatin1String(label))->text();
          WhileModal<QMessageBox>(
              [&] { dialog->findChild<QPushButton*>(QStringLiteral("PrintButton"))->click(); },
              [&](QMessageBox* box) { boxes.Answer(box); });
          dialog->setProperty("velmoraSeen", true);  // the inner run forgot it
          dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
        });
    return results;
  }

 private slots:
  void initTestCase() {
    velmora::testing::QuietOffscreenWarnings();
    // No print server for this process but the private one of cups_print_test.sh: the
    // machine's own printers stay out of reach.
    if (qEnvironmentVariableIsEmpty("VELMORA_TEST_CUPS_DIR"))
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

    const QString text = PdfText(pdf);
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
    const int bitmap = WidestBitmap(pdf);
    QVERIFY2(bitmap >= 0 && bitmap <= 100, qPrintable(QString::number(bitmap)));
    // Neither menu nor toolbar.
    QVERIFY2(!text.contains(QStringLiteral("Datei")), qPrintable(text));

    // The window is as before, the status bar now shown.
    QCOMPARE(Window().StatusPanel(1)->text(), title);
    QVERIFY(Window().ToolBar()->isVisible());
    QVERIFY(Window().statusBar()->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void singleValuePageShowsTheTextBlockInsteadOfTheButtons() {
    fixture_->Start();
    const QString pdf = OutFile(QStringLiteral("single.pdf"));
    velmora::qt::SetPrintFile(pdf);
    Boxes boxes;
    const QString result = PrintSingleValue(boxes).first();
    QCOMPARE(boxes.seen, QStringList{QStringLiteral("Drucker |Drucker bereit?")});

    const QString text = PdfText(pdf);
    QVERIFY2(!result.isEmpty() && text.contains(result), qPrintable(result + " / " + text));
    for (const QString& line :
         {QStringLiteral("Einzelwert - Berechnung:"), QStringLiteral("Eingaben zur Antenne"),
          QString::fromUtf8(velmora::kCopyrightLine)}) {
      QVERIFY2(text.contains(line), qPrintable(line + " / " + text));
    }
    for (const char* caption : {"Abbrechen", "Drucken"}) {
      QVERIFY2(!text.contains(QLatin1String(caption)), caption);
    }
  }

  // Both pages through a print server's PostScript queue: the texts stay text, the lines stay
  // lines. Run by cups_print_test.sh with a private server whose queue writes into a file.
  void throughCups_data() {
    QTest::addColumn<bool>("curve");
    QTest::newRow("curve") << true;
    QTest::newRow("single_value") << false;
  }
  void throughCups() {
    QFETCH(bool, curve);
    const QString server = qEnvironmentVariable("VELMORA_TEST_CUPS_DIR");
    if (server.isEmpty()) QSKIP("needs the private print server of cups_print_test.sh");
    const QString job = server + QStringLiteral("/out/job.ps");
    QFile::remove(job);
    fixture_->Start();
    Boxes boxes;
    QStringList expected = {QString::fromUtf8(velmora::kCopyrightLine)};
    if (curve) {
      DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
      expected << Window().StatusPanel(1)->text().trimmed() << QStringLiteral("Velmora");
      PrintCurve(boxes);
    } else {
      expected << PrintSingleValue(boxes) << QStringLiteral("Einzelwert - Berechnung:");
    }
    QCOMPARE(boxes.seen, QStringList{QStringLiteral("Drucker |Drucker bereit?")});
    auto done = [&job] {
      QProcess jobs;
      jobs.start(Tool("lpstat"), {QStringLiteral("-o")});
      return jobs.waitForFinished(5000) && jobs.readAllStandardOutput().isEmpty() &&
             QFileInfo(job).size() > 0;
    };
    QVERIFY2(QTest::qWaitFor(done, 60000), qPrintable(job));

    // The document the server received (the newest one it keeps) holds the texts.
    const QFileInfoList sent = QDir(server + QStringLiteral("/spool"))
                                   .entryInfoList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
    QVERIFY(!sent.isEmpty());
    const QString sentText = PdfText(sent.first().filePath());
    for (const QString& line : expected) {
      QVERIFY2(!line.isEmpty() && sentText.contains(line), qPrintable(line + " / " + sentText));
    }
    // The queue's PostScript keeps the letters as glyphs of a font, not as pixels of a picture
    // of the page. The font no longer tells which letter a glyph is, and the text tool drops a
    // few glyphs of turned lines, so most of the letters are counted, not read.
    const QString pdf = OutFile(QStringLiteral("job.pdf"));
    QCOMPARE(QProcess::execute(Tool("ps2pdf"), {job, pdf}), 0);
    auto letters = [](QString text) {
      return text.remove(QRegularExpression(QStringLiteral("\\s"))).size();
    };
    QVERIFY2(letters(PdfText(pdf)) * 5 >= letters(sentText) * 4, qPrintable(PdfText(pdf)));
    const int bitmap = WidestBitmap(pdf);
    QVERIFY2(bitmap >= 0 && bitmap <= 100, qPrintable(QString::number(bitmap)));
  }

  void failures_data() {
    QTest::addColumn<QString>("file");  // empty: the default printer, of which there is none
    QTest::addColumn<bool>("okAfterFailure");
    QTest::addColumn<QString>("failureBox");
    QTest::addColumn<bool>("toolbarOff");  // switched off in the View menu before printing
    const QString unwritable = QStringLiteral("/nonexistent/velmora/kurve.pdf");
    QTest::newRow("no_default_printer_ok")
        << QString() << true
        << QStringLiteral("Drucker-Fehler |Es ist kein Standard-Drucker eingerichtet.") << true;
    QTest::newRow("no_default_printer_cancel")
        << QString() << false
        << QStringLiteral("Drucker-Fehler |Es ist kein Standard-Drucker eingerichtet.") << true;
    QTest::newRow("file_not_writable_cancel_toolbar_on")
        << unwritable << false
        << QStringLiteral("Drucker-Fehler %1|Die Datei „%1“ kann nicht geschrieben werden.")
               .arg(unwritable)
        << false;
  }
  void failures() {
    QFETCH(QString, file);
    QFETCH(bool, okAfterFailure);
    QFETCH(QString, failureBox);
    QFETCH(bool, toolbarOff);
    if (file.isEmpty() && !QPrinterInfo::defaultPrinter().isNull()) {
      QSKIP("a default printer is reachable after all; nothing is sent to it");
    }
    fixture_->Start();
    DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
    const QString title = Window().StatusPanel(1)->text();
    // The plot as laid out with the toolbar switched off: so it is too while the print hides it.
    auto layout = [this] {
      return QList<QRect>{Window().centralWidget()->geometry(),
                          Window().centralWidget()->childrenRect()};
    };
    Window().ActionFor(Model().mnuViewToolbar)->trigger();  // off
    QApplication::processEvents();                          // the window lays itself out again
    const QList<QRect> hidden = layout();
    if (!toolbarOff) Window().ActionFor(Model().mnuViewToolbar)->trigger();
    velmora::qt::SetPrintFile(file);
    Boxes boxes;
    boxes.answers = {true, okAfterFailure};
    QList<QRect> underFailureBox;
    boxes.onEach = [&] { underFailureBox = layout(); };
    PrintCurve(boxes);
    QCOMPARE(boxes.seen, (QStringList{QStringLiteral("Drucker |Drucker bereit?"), failureBox}));
    QCOMPARE(underFailureBox, hidden);
    QCOMPARE(Window().StatusPanel(1)->text(), title);
    QVERIFY(Window().ToolBar()->isVisible());
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
    const QImage page = PdfPage(pdf, kDpi);
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
