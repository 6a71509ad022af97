// Printing a window: its content is painted again onto the printer's own painter, so lines and
// texts reach the paper as vectors at the printer's resolution instead of an enlarged screen grab.
#pragma once

#include <QRect>
#include <QString>

#include "platform/platform.h"

class QPrinter;
class QWidget;

namespace velmora::qt {

// Sends every following print into this PDF file instead of the system's default printer, so
// tests and trials need no printer; an empty path goes back to the default printer.
void SetPrintFile(const QString& pdfPath);
QString PrintFile();

// The part of a window that is printed: below the menu bar for a main window, else all of it.
QRect PrintArea(const QWidget& window);

// Paints `area` of `window` on one page of `printer`: shrunk to fit the printable area when it
// is larger, at its size on screen otherwise, centred across the page and near its top.
// `printerLabel` names the printer or file in the failure texts.
PrintOutcome PrintWindowArea(QWidget& window, const QRect& area, QPrinter& printer,
                             const QString& printerLabel);

}  // namespace velmora::qt
