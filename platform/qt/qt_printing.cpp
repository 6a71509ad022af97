// Printing on the desktop: the bound window of a form is painted onto the default printer.
#include "platform/qt/qt_printing.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

#include "platform/controls.h"
#include "platform/qt/bound_view.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/text.h"

namespace velmora::qt {
namespace {

// A window bigger on paper than on screen only up to this factor: a small dialog blown up to
// the whole sheet looks coarse and wastes toner.
constexpr double kMaxEnlargement = 1.5;

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

}  // namespace

void SetPrintFile(const QString& pdfPath) {
  PrintFilePath() = pdfPath;
}

QString PrintFile() {
  return PrintFilePath();
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

  // Device pixels of the printable area; the painter's origin is its top left corner.
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // Screen pixels to printer pixels at the same size on paper.
  const double natural = static_cast<double>(printer.logicalDpiX()) / window.logicalDpiX();
  const double fit = std::min(static_cast<double>(page.width()) / area.width(),
                              static_cast<double>(page.height()) / area.height());
  const double scale = std::min(fit, natural * kMaxEnlargement);
  painter.translate((page.width() - area.width() * scale) / 2.0,
                    (page.height() - area.height() * scale) / 2.0);
  painter.scale(scale, scale);
  window.render(&painter, QPoint(0, 0), QRegion(area),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);

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
