// SPDX-License-Identifier: GPL-3.0-or-later
// velmora: the desktop program.
#include <QApplication>
#include <clocale>

#include "desktop/desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt switches the C library to the user's locale; number texts of our own never follow it.
  std::setlocale(LC_NUMERIC, "C");
  velmora::qt::Desktop desktop;
  desktop.Start();
  return app.exec();
}
