// SPDX-License-Identifier: GPL-3.0-or-later
// Printing on the desktop: the bound window of a form is painted onto the default printer.
#include "desktop/qt_printing.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLibrary>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "desktop/bound_view.h"
#include "desktop/opaque_paint_device.h"
#include "desktop/qt_platform.h"
#include "desktop/text.h"
#include "platform/controls.h"

namespace velmora::qt {
namespace {

// A dialog is a form, not a drawing: on paper at most this much bigger than on screen, or its
// text would grow to poster size. A main window (the curve) fills the sheet.
constexpr double kMaxDialogEnlargement = 1.5;

QPointer<QWidget>& WindowBeingPrinted() {
  static QPointer<QWidget> window;
  return window;
}

QString& PrintFilePath() {
  static QString path;
  return path;
}

PrintOutcome Failure(const QString& text) {
  return {false, FromQ(text)};
}

// The window a bound view shows for `form`, or nullptr when none is open.
QWidget* WindowOf(const Form& form, const std::vector<ModalView*>& modalViews,
                  const std::vector<BoundView*>& views) {
  for (ModalView* view : modalViews) {
    if (&view->form() == &form) return dynamic_cast<QWidget*>(view);
  }
  const QString name = ToQ(form.name);
  for (BoundView* view : views) {
    auto* widget = dynamic_cast<QWidget*>(view);
    if (widget != nullptr && widget->objectName() == name) return widget;
  }
  return nullptr;
}

// While alive, the status bar texts of a main window that are wider than their panels are set
// in a smaller font, so the printout carries the whole line instead of an ellipsis.
class WholeStatusTexts {
 public:
  explicit WholeStatusTexts(QWidget& window) {
    const auto* main = qobject_cast<QMainWindow*>(&window);
    const QStatusBar* bar = main != nullptr ? main->findChild<QStatusBar*>() : nullptr;
    if (bar == nullptr || !bar->isVisible()) return;
    for (QLabel* label : bar->findChildren<QLabel*>()) {
      const int room = label->contentsRect().width() - 2 * label->margin();
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      if (room <= 0 || needed <= room || label->wordWrap()) continue;
      QFont font = label->font();
      if (font.pointSizeF() <= 0) continue;
      saved_.push_back({label, font});
      // Proportional first, then down in quarter points: glyph widths do not scale linearly.
      double size = std::floor(font.pointSizeF() * room / needed * 4.0) / 4.0;
      for (;; size -= 0.25) {
        font.setPointSizeF(std::max(kSmallestStatusPoints, size));
        if (size <= kSmallestStatusPoints ||
            QFontMetrics(font, label).horizontalAdvance(label->text()) <= room) {
          break;
        }
      }
      label->setFont(font);
    }
  }
  ~WholeStatusTexts() {
    for (const auto& [label, font] : saved_) {
      if (label) label->setFont(font);
    }
  }
  WholeStatusTexts(const WholeStatusTexts&) = delete;
  WholeStatusTexts& operator=(const WholeStatusTexts&) = delete;

 private:
  // Below this the line would be hard to read even on paper; the rest is cut off then.
  static constexpr double kSmallestStatusPoints = 5.0;
  std::vector<std::pair<QPointer<QLabel>, QFont>> saved_;
};

// Whether the print server still takes jobs for a queue. Qt hands the finished document to the
// server without looking at the answer, so a queue that rejects jobs would swallow the printout
// silently. Asked of the server's client library directly; unknown counts as yes.
bool QueueTakesJobs(const QString& printerName) {
  struct CupsOption {
    char* name;
    char* value;
  };
  struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    CupsOption* options;
  };
  using GetNamedDest = CupsDest* (*)(void*, const char*, const char*);
  using GetOption = const char* (*)(const char*, int, CupsOption*);
  using FreeDests = void (*)(int, CupsDest*);

  QLibrary cups(QStringLiteral("cups"), 2);
  const auto getNamedDest = reinterpret_cast<GetNamedDest>(cups.resolve("cupsGetNamedDest"));
  const auto getOption = reinterpret_cast<GetOption>(cups.resolve("cupsGetOption"));
  const auto freeDests = reinterpret_cast<FreeDests>(cups.resolve("cupsFreeDests"));
  if (getNamedDest == nullptr || getOption == nullptr || freeDests == nullptr) return true;
  // "queue/instance": the server knows the queue only.
  const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
  CupsDest* dest = getNamedDest(nullptr, queue.constData(), nullptr);
  if (dest == nullptr) return true;
  const char* accepting = getOption("printer-is-accepting-jobs", dest->numOptions, dest->options);
  const bool takes = accepting == nullptr || qstrcmp(accepting, "false") != 0;
  freeDests(1, dest);
  return takes;
}

}  // namespace

void SetPrintFile(const QString& pdfPath) {
  PrintFilePath() = pdfPath;
}

QString PrintFile() {
  return PrintFilePath();
}

bool IsBeingPrinted(const QWidget& widget) {
  const QWidget* window = WindowBeingPrinted();
  return window != nullptr && (window == &widget || window->isAncestorOf(&widget));
}

QRect PrintArea(const QWidget& window) {
  QRect area = window.rect();
  if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
    const QWidget* menu = main->menuWidget();
    if (menu != nullptr && menu->isVisible()) area.setTop(menu->geometry().bottom() + 1);
  }
  return area;
}

PrintOutcome PrintWindowArea(QWidget& window, const QRect& area, QPrinter& printer,
                             const QString& printerLabel) {
  if (area.isEmpty()) {
    return Failure(QStringLiteral("Das Fenster hat keine Fläche, die gedruckt werden könnte."));
  }
  printer.setPageOrientation(area.width() > area.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
      return Failure(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.")
                         .arg(printer.outputFileName()));
    }
    return Failure(
        QStringLiteral("Der Drucker „%1“ nimmt keinen Druckauftrag an.").arg(printerLabel));
  }

  // Rendered straight onto a printer, Qt would paint the window into one big bitmap; recorded
  // as drawing commands first, lines and texts stay vectors on the page.
  QPicture picture;
  {
    const WholeStatusTexts wholeStatus(window);
    WindowBeingPrinted() = &window;
    QPainter recorder(&picture);
    window.render(&recorder, QPoint(0, 0), QRegion(area),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    WindowBeingPrinted() = nullptr;
  }

  // Device pixels of the printable area; the painter's origin is its top left corner.
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // Window pixels to printer pixels at the window's size on screen.
  const double onScreen = static_cast<double>(printer.logicalDpiX()) / window.logicalDpiX();
  const double fit = std::min(static_cast<double>(page.width()) / area.width(),
                              static_cast<double>(page.height()) / area.height());
  const bool drawing = qobject_cast<const QMainWindow*>(&window) != nullptr;
  const double scale = drawing ? fit : std::min(fit, onScreen * kMaxDialogEnlargement);
  {
    // The style's translucent shades, blended over the window's own colour, keep the page free
    // of transparency, which a print server's PostScript step would turn into one bitmap.
    OpaquePaintDevice opaque(painter, window.palette().color(QPalette::Window));
    QPainter sheet(&opaque);
    sheet.translate((page.width() - area.width() * scale) / 2.0,
                    (page.height() - area.height() * scale) / 2.0);
    // A picture plays back enlarged from its own resolution to the printer's already.
    const double playback = static_cast<double>(printer.logicalDpiX()) / picture.logicalDpiX();
    sheet.scale(scale / playback, scale / playback);
    sheet.drawPicture(0, 0, picture);
  }

  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    return Failure(
        QStringLiteral("Der Druckauftrag an „%1“ ist fehlgeschlagen.").arg(printerLabel));
  }
  return {};
}

PrintOutcome QtPlatform::PrintForm(Form& form) {
  SyncViews();
  QWidget* window = WindowOf(form, modalViews_, views_);
  if (window == nullptr) {
    return Failure(QStringLiteral("Das Fenster „%1“ ist nicht geöffnet und kann nicht gedruckt "
                                  "werden.")
                       .arg(ToQ(form.caption)));
  }
  const QString file = PrintFile();
  if (!file.isEmpty()) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return PrintWindowArea(*window, PrintArea(*window), printer, file);
  }

  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return Failure(QStringLiteral("Es ist kein Standard-Drucker eingerichtet."));
  const QString name = info.printerName();
  if (info.state() == QPrinter::Error) {
    return Failure(QStringLiteral("Der Drucker „%1“ ist angehalten oder gestört.").arg(name));
  }
  if (!QueueTakesJobs(name)) {
    return Failure(
        QStringLiteral("Der Drucker „%1“ nimmt zur Zeit keine Druckaufträge an.").arg(name));
  }
  QPrinter printer(info, QPrinter::HighResolution);
  if (!printer.isValid()) {
    return Failure(QStringLiteral("Der Drucker „%1“ ist nicht erreichbar.").arg(name));
  }
  printer.setDocName(ToQ(form.caption));
  return PrintWindowArea(*window, PrintArea(*window), printer, name);
}

std::string QtPlatform::PrinterName() {
  const QString file = PrintFile();
  if (!file.isEmpty()) return FromQ(file);
  return FromQ(QPrinterInfo::defaultPrinter().printerName());
}

}  // namespace velmora::qt
