// SPDX-License-Identifier: GPL-3.0-or-later
// Printing for real through Qt's print support, into PDF files or through the private print
// server of cups_print_test.sh: what the page shows (read back with poppler's tools), where it
// sits on the sheet, and what the user sees when the printer fails. No test here can reach a
// printer of the machine.
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
#include <QToolBar>
#include <QWidget>

#include "desktop/form_dialog.h"
#include "desktop/qt_printing.h"
#include "platform/version.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::FormDialog;
using velmora::testing::DesktopFixture;
using velmora::testing::WhileModal;

namespace {

QString Tool(const char* name) {
  return QStandardPaths::findExecutable(QLatin1String(name));
}

// What a tool writes to its standard output; empty when it fails.
QString Run(const char* tool, const QStringList& arguments) {
  QProcess run;
  run.start(Tool(tool), arguments);
  if (!run.waitForFinished(20000) || run.exitCode() != 0) return {};
  return QString::fromUtf8(run.readAllStandardOutput());
}

// The text of a PDF's pages in reading order, one line per line.
QString PdfText(const QString& pdf) {
  return Run("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The width in pixels of the widest bitmap in a PDF (0 when it holds none), -1 when unreadable.
int WidestBitmap(const QString& pdf) {
  const QString list = Run("pdfimages", {QStringLiteral("-list"), pdf});
  if (list.isEmpty()) return -1;
  int widest = 0;
  for (const QString& line : list.split(u'\n').mid(2)) {  // below the two header lines
    const QStringList cells = line.split(u' ', Qt::SkipEmptyParts);
    if (cells.size() > 3) widest = std::max(widest, cells[3].toInt());
  }
  return widest;
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

const QString kReady = QStringLiteral("Drucker |Drucker bereit?");

}  // namespace

class TestPrinting : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  std::unique_ptr<QTemporaryDir> out_;
  const QString cups_ = qEnvironmentVariable("VELMORA_TEST_CUPS_DIR");

  velmora::FrmMain& Model() { return fixture_->model(); }
  velmora::qt::MainWindow& Window() { return fixture_->window(); }
  QString OutFile(const char* suffix) {
    return out_->filePath(QLatin1String(QTest::currentDataTag()) + QLatin1String(suffix));
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
    // No print server but the private one of cups_print_test.sh: the machine's printers stay
    // out of reach.
    if (cups_.isEmpty())
      qputenv("CUPS_SERVER", QByteArrayLiteral("/nonexistent/velmora-test-cups.sock"));
    for (const char* tool : {"pdftotext", "pdftoppm", "pdfimages"}) {
      QVERIFY2(!Tool(tool).isEmpty(), "poppler-utils are needed (scripts/setup.sh installs them)");
    }
    // VELMORA_PRINT_KEEP=<folder> keeps the printed pages for a look.
    const QString keep = qEnvironmentVariable("VELMORA_PRINT_KEEP");
    out_ = keep.isEmpty() ? std::make_unique<QTemporaryDir>()
                          : std::make_unique<QTemporaryDir>(keep + QStringLiteral("/print-XXXXXX"));
    out_->setAutoRemove(keep.isEmpty());
  }
  void init() { fixture_ = std::make_unique<DesktopFixture>(); }
  void cleanup() {
    velmora::qt::SetPrintFile({});
    fixture_.reset();
  }

  // The curve page (without menu and toolbar) and the single-value page (the text block where
  // the buttons are), into a PDF file or, under cups_print_test.sh, through the private server's
  // PostScript queue into a file: the texts stay text, the lines stay lines.
  void pages_data() {
    QTest::addColumn<bool>("curve");
    QTest::newRow("curve") << true;
    QTest::newRow("single_value") << false;
  }
  void pages() {
    QFETCH(bool, curve);
    const QString job = cups_ + QStringLiteral("/out/job.ps");
    QString pdf = OutFile(".pdf");
    cups_.isEmpty() ? velmora::qt::SetPrintFile(pdf) : void(QFile::remove(job));
    fixture_->Start();
    Boxes boxes;
    QStringList expected = {QString::fromUtf8(velmora::kCopyrightLine)};
    QStringList absent = {QStringLiteral("Abbrechen"), QStringLiteral("Drucken")};
    QString title;
    if (curve) {
      QVERIFY(fixture_->DrawCurve(QStringLiteral("Strahlungswiderstand Rs")));
      title = Window().StatusPanel(1)->text();
      Window().ActionFor(Model().mnuViewStatusBar)->trigger();  // off: printed all the same
      expected << QStringLiteral("Rs");
      absent = {QStringLiteral("Datei")};
      PrintCurve(boxes);
    } else {
      expected << PrintSingleValue(boxes) << QStringLiteral("Einzelwert - Berechnung:")
               << QStringLiteral("Eingaben zur Antenne");
    }
    QCOMPARE(boxes.seen, QStringList{kReady});
    if (!cups_.isEmpty()) {
      auto done = [&job] {
        return Run("lpstat", {QStringLiteral("-o")}).isEmpty() && QFileInfo(job).size() > 0;
      };
      QVERIFY2(QTest::qWaitFor(done, 60000), qPrintable(job));
      // What the server received: the newest document it keeps.
      const QFileInfoList sent =
          QDir(cups_ + QStringLiteral("/spool"))
              .entryInfoList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
      QVERIFY(!sent.isEmpty());
      pdf = sent.first().filePath();
    }
    const QString text = PdfText(pdf);
    for (const QString& line : expected) {
      QVERIFY2(!line.isEmpty() && text.contains(line), qPrintable(line + " / " + text));
    }
    for (const QString& word : absent) QVERIFY2(!text.contains(word), qPrintable(word));
    if (curve) {
      // The whole status line, title and header, none of it cut off (the text tool sets blanks
      // by the glyphs' positions, so their number is not checked).
      const QString header =
          QStringLiteral("Velmora ") + QString::fromUtf8(velmora::kCopyrightLine);
      const QRegularExpression line(QRegularExpression::escape(title.trimmed()) +
                                    QStringLiteral("\\s+") + QRegularExpression::escape(header));
      QVERIFY2(text.contains(line), qPrintable(text));
    }
    if (!cups_.isEmpty()) {
      // The queue's PostScript keeps the letters as glyphs of a font, not as pixels of a picture
      // of the page. The font no longer tells which letter a glyph is, and the text tool drops a
      // few glyphs of turned lines, so most of the letters are counted, not read.
      pdf = OutFile("-job.pdf");
      QCOMPARE(QProcess::execute(Tool("ps2pdf"), {job, pdf}), 0);
      auto letters = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("\\s"))).size();
      };
      QVERIFY2(letters(PdfText(pdf)) * 5 >= letters(text) * 4, qPrintable(PdfText(pdf)));
    }
    // Lines too: the style's little frame pieces may come as bitmaps, the window never does.
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
    QVERIFY(fixture_->DrawCurve(QStringLiteral("Strahlungswiderstand Rs")));
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
    QCOMPARE(boxes.seen, (QStringList{kReady, failureBox}));
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
    QWidget* black = mainWindow ? new QWidget : &dialog;
    if (mainWindow) main.setCentralWidget(black);
    black->setStyleSheet(QStringLiteral("background: black"));
    black->setAttribute(Qt::WA_StyledBackground);
    window.setFixedSize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QString pdf = OutFile(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const velmora::PrintOutcome outcome =
        velmora::qt::PrintWindowArea(window, window.rect(), printer, pdf);
    QVERIFY2(outcome.ok, outcome.error.c_str());

    constexpr int kDpi = 72;  // one pixel per point
    Run("pdftoppm", {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
                     QStringLiteral("-singlefile"), pdf, pdf});
    const QImage page(pdf + QStringLiteral(".png"));
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
