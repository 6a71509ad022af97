// SPDX-License-Identifier: GPL-3.0-or-later
// The curve leaves the program: into a file chosen in a file dialog, or onto the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

#include "desktop/qt_platform.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"
#include "shell/window_settings.h"

namespace velmora::qt {
namespace {

// The export's own place in the settings, apart from the window's measures.
constexpr const char* kExportSection = "Export";
constexpr const char* kLastFolderKey = "LastFolder";

struct FileType {
  const char* filter;
  const char* suffix;
};
const FileType kFileTypes[] = {{"PNG-Bild (*.png)", "png"},
                               {"SVG-Grafik (*.svg)", "svg"},
                               {"PDF-Dokument (*.pdf)", "pdf"},
                               {"CSV-Tabelle (*.csv)", "csv"}};

QString WithSuffix(const QString& path, const char* suffix) {
  const QFileInfo info(path);
  return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + QLatin1String(suffix));
}

// The type the user chose: by the name's own suffix when it is one of ours, else by the filter
// (and the name gets that suffix).
const FileType& ChosenType(QString& path, const QString& filter) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const FileType& type : kFileTypes) {
    if (suffix == QLatin1String(type.suffix)) return type;
  }
  for (const FileType& type : kFileTypes) {
    if (filter == QLatin1String(type.filter)) {
      path += QLatin1Char('.') + QLatin1String(type.suffix);
      return type;
    }
  }
  path += QStringLiteral(".png");
  return kFileTypes[0];
}

// Writes the whole file or nothing: an existing file is replaced only by a complete new one.
// Returns the German reason of a failure, empty on success.
QString WriteWhole(const QString& path, const QByteArray& bytes) {
  const bool existed = QFileInfo::exists(path);
  const QString kept = existed ? QStringLiteral(" Die vorhandene Datei bleibt unverändert.") : "";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Im Ordner „%1“ kann keine Datei angelegt werden (%2).")
               .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), file.errorString()) +
           kept;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return QStringLiteral("Die Datei konnte nicht vollständig geschrieben werden (%1).")
               .arg(reason) +
           kept;
  }
  return {};
}

}  // namespace

// The folder of the last file written, or the home folder.
QString QtPlatform::LastFolder() {
  const QString folder = ToQ(GetSetting(kSettingsApp, kExportSection, kLastFolderKey, ""));
  return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

// A write's outcome: its failure, or the folder remembered for the next dialog.
ExportOutcome QtPlatform::Written(const QString& path, const QString& error,
                                  ExportOutcome outcome) {
  if (!error.isEmpty()) {
    outcome.result = ExportOutcome::Result::kFailed;
    outcome.error = FromQ(error);
    return outcome;
  }
  SaveSetting(kSettingsApp, kExportSection, kLastFolderKey, FromQ(QFileInfo(path).absolutePath()));
  return outcome;
}

double QtPlatform::ScreenDpi() const {
  return mainWidget_ ? mainWidget_->logicalDpiX() : 96.0;
}

ExportOutcome QtPlatform::ExportCurve(const CurveOutput& curve) {
  ExportOutcome outcome;
  if (curve.image == nullptr) {
    outcome.result = ExportOutcome::Result::kCancelled;
    return outcome;
  }
  QFileDialog dialog(
      QApplication::activeModalWidget() ? QApplication::activeModalWidget() : mainWidget_.data(),
      QStringLiteral("Kurve exportieren"));
  dialog.setObjectName(QStringLiteral("exportDialog"));
  // Qt's own dialog everywhere: the same German texts and behaviour on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const FileType& type : kFileTypes) filters << QLatin1String(type.filter);
  dialog.setNameFilters(filters);
  QString folder = ToQ(GetSetting(kSettingsApp, kExportSection, kLastFolderKey, ""));
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
  }
  dialog.setDirectory(folder);
  dialog.selectFile(ToQ(curve.fileName) + QStringLiteral(".png"));
  // Another type keeps the name and takes that type's suffix.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
    const QStringList chosen = dialog.selectedFiles();
    for (const FileType& type : kFileTypes) {
      if (f == QLatin1String(type.filter) && !chosen.isEmpty()) {
        dialog.selectFile(QFileInfo(WithSuffix(chosen.first(), type.suffix)).fileName());
      }
    }
  });
  SyncViews();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    outcome.result = ExportOutcome::Result::kCancelled;
    return outcome;
  }
  QString path = dialog.selectedFiles().first();
  const FileType& type = ChosenType(path, dialog.selectedNameFilter());
  outcome.path = FromQ(QDir::toNativeSeparators(path));

  QByteArray bytes;
  const QLatin1String suffix(type.suffix);
  if (suffix == QLatin1String("csv")) {
    bytes = QByteArray::fromStdString(curve.csv);
  } else if (suffix == QLatin1String("png")) {
    const double dpi = 2 * ScreenDpi();
    const QSize size = PlotPictureSize(curve.image->width, curve.image->height, dpi);
    if (const auto tooLarge = PictureTooLarge(size)) {
      outcome.result = ExportOutcome::Result::kFailed;
      outcome.error = *tooLarge;
      return outcome;
    }
    bytes = ExportPlot(*curve.image, curve.title, PlotFormat::kPng, dpi, curve.nec);
  } else {
    bytes = ExportPlot(*curve.image, curve.title,
                       suffix == QLatin1String("svg") ? PlotFormat::kSvg : PlotFormat::kPdf,
                       ScreenDpi(), curve.nec);
  }
  const QString error = bytes.isEmpty() ? QStringLiteral("Das Bild konnte nicht erzeugt werden.")
                                        : WriteWhole(path, bytes);
  return Written(path, error, outcome);
}

ExportOutcome QtPlatform::SaveFile(const FileOutput& file) {
  ExportOutcome outcome;
  QWidget* parent =
      QApplication::activeWindow() ? QApplication::activeWindow() : mainWidget_.data();
  QFileDialog dialog(parent, ToQ(file.title));
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(ToQ(file.filter));
  dialog.setDefaultSuffix(QFileInfo(ToQ(file.fileName)).suffix());
  dialog.setDirectory(LastFolder());
  dialog.selectFile(ToQ(file.fileName));
  SyncViews();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    outcome.result = ExportOutcome::Result::kCancelled;
    return outcome;
  }
  const QString path = dialog.selectedFiles().first();
  outcome.path = FromQ(QDir::toNativeSeparators(path));
  const QString error = WriteWhole(path, QByteArray::fromStdString(file.content));
  return Written(path, error, outcome);
}

std::optional<std::string> QtPlatform::OpenFile(const std::string& title,
                                                const std::string& filter) {
  QWidget* parent =
      QApplication::activeWindow() ? QApplication::activeWindow() : mainWidget_.data();
  QFileDialog dialog(parent, ToQ(title));
  dialog.setObjectName(QStringLiteral("openDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(ToQ(filter));
  dialog.setDirectory(LastFolder());
  SyncViews();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().first();
  SaveSetting(kSettingsApp, kExportSection, kLastFolderKey, FromQ(QFileInfo(path).absolutePath()));
  return FromQ(path);
}

void QtPlatform::CopyCurve(const CurveOutput& curve) {
  if (curve.image == nullptr) return;
  const double dpi = 2 * ScreenDpi();
  const QSize size = PlotPictureSize(curve.image->width, curve.image->height, dpi);
  if (const auto tooLarge = PictureTooLarge(size)) {
    MessageBox("Die Kurve konnte nicht kopiert werden.\r\n" + *tooLarge, "Kurve kopieren",
               kMbOkOnly | kMbExclamation);
    return;
  }
  auto* data = new QMimeData;
  data->setImageData(RenderPlotImage(*curve.image, curve.title, dpi, curve.nec));
  data->setText(ToQ(curve.csv));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace velmora::qt
