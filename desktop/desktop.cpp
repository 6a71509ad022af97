// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "desktop/about_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_surface.h"

namespace velmora::qt {
namespace {

// Qt's own texts in German like ours, whatever the user's locale: "Strg+E" in the menus, the
// buttons of message boxes, the file and print dialogs.
void InstallQtTranslation() {
  static QTranslator* translator = nullptr;
  if (translator != nullptr) return;
  translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

}  // namespace

Desktop::Desktop()
    : surface(0, 0, PlotLineHeightTwips()), model(platform, surface), window(platform, model) {
  QCoreApplication::setOrganizationName(QString::fromLatin1(QtPlatform::kSettingsOrganization));
  QCoreApplication::setApplicationName(QString::fromLatin1(FrmMain::kCaption));
  // The menu entry's name: the desktop shows its icon for our windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
  QApplication::setWindowIcon(ProgramIcon());
  InstallQtTranslation();
  window.Plot()->SetRenderer(&RenderDisplayList);
}

Desktop::~Desktop() = default;

void Desktop::Start() {
  window.Load();
  window.show();
}

}  // namespace velmora::qt
