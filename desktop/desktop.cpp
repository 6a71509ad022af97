#include "desktop/desktop.h"

#include <QCoreApplication>

#include "desktop/plot_widget.h"
#include "desktop/qt_surface.h"

namespace velmora::qt {

Desktop::Desktop()
    : surface(0, 0, PlotLineHeightTwips()), model(platform, surface), window(platform, model) {
  QCoreApplication::setOrganizationName(QString::fromLatin1(QtPlatform::kSettingsOrganization));
  QCoreApplication::setApplicationName(QString::fromLatin1(FrmMain::kCaption));
  window.Plot()->SetRenderer(&RenderDisplayList);
}

Desktop::~Desktop() = default;

void Desktop::Start() {
  window.Load();
  window.show();
}

}  // namespace velmora::qt
