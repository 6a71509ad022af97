#include "platform/qt/desktop.h"

#include <QCoreApplication>

#include "platform/qt/plot_widget.h"

namespace velmora::qt {
namespace {

double PlotLineHeightTwips() {
  return kDefaultLineHeightTwips;
}

}  // namespace

Desktop::Desktop()
    : surface(0, 0, PlotLineHeightTwips()), model(platform, surface), window(platform, model) {
  QCoreApplication::setOrganizationName(QString::fromLatin1(QtPlatform::kSettingsOrganization));
  QCoreApplication::setApplicationName(QString::fromLatin1(FrmMain::kCaption));
}

Desktop::~Desktop() = default;

void Desktop::Start() {
  window.Load();
  window.show();
}

}  // namespace velmora::qt
