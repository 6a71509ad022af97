#include "desktop/desktop.h"

#include <QApplication>

#include "desktop/about_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_surface.h"

namespace velmora::qt {

Desktop::Desktop()
    : surface(0, 0, PlotLineHeightTwips()), model(platform, surface), window(platform, model) {
  QCoreApplication::setOrganizationName(QString::fromLatin1(QtPlatform::kSettingsOrganization));
  QCoreApplication::setApplicationName(QString::fromLatin1(FrmMain::kCaption));
  // The menu entry's name: the desktop shows its icon for our windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
  QApplication::setWindowIcon(ProgramIcon());
  window.Plot()->SetRenderer(&RenderDisplayList);
}

Desktop::~Desktop() = default;

void Desktop::Start() {
  window.Load();
  window.show();
}

}  // namespace velmora::qt
