// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether `widget` is being painted for a printout just now (it may look plainer on paper).
bool IsBeingPrinted(const QWidget& widget);

// Paints `area` of `window` on one page of `printer`, turned to the window's shape and centred:
// a main window fills the printable area, any other window at most at one and a half times its
// size on screen. `printerLabel` names the printer or file in the failure texts.
PrintOutcome PrintWindowArea(QWidget& window, const QRect& area, QPrinter& printer,
                             const QString& printerLabel);

}  // namespace velmora::qt
