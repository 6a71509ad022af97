// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSaveFile>
#include <QTranslator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "formulas/numtext.h"

namespace velmora::cli {
namespace {

int stdoutErrno = 0;  // the first failure of a write to stdout

void Write(std::FILE* stream, const char* data, std::size_t size) {
  if (std::fwrite(data, 1, size, stream) != size && stream == stdout && stdoutErrno == 0) {
    stdoutErrno = errno != 0 ? errno : EIO;
  }
}

// Loads base_<language>.qm from the first folder that has it; false when none has.
bool Install(const QString& base, const QStringList& folders) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  for (const QString& folder : folders) {
    if (translator->load(QLocale(), base, QStringLiteral("_"), folder)) {
      return QCoreApplication::installTranslator(translator);
    }
  }
  delete translator;
  return false;
}

}  // namespace

void LoadTranslations() {
  // Beside the program in the build tree; in share/velmora/translations when installed.
  const QString bin = QCoreApplication::applicationDirPath();
  if (Install(QStringLiteral("velmora-calc"),
              {bin, bin + QStringLiteral("/" VELMORA_TRANSLATIONS_FROM_BIN)})) {
    // Qt's own texts (the option parser's errors, file errors) only where ours are German too.
    Install(QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
  }
}

void Out(const std::string& text) {
  Write(stdout, text.data(), text.size());
  Write(stdout, "\n", 1);
}

void Err(const std::string& text) {
  Write(stderr, text.data(), text.size());
  Write(stderr, "\n", 1);
}

void OutBytes(const QByteArray& bytes) {
  Write(stdout, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string StdoutFailure() {
  errno = 0;
  if (std::fflush(stdout) != 0 && stdoutErrno == 0) stdoutErrno = errno != 0 ? errno : EIO;
  if (stdoutErrno == 0 && std::ferror(stdout)) stdoutErrno = EIO;
  return stdoutErrno == 0 ? std::string() : std::strerror(stdoutErrno);
}

int UsageError(const std::string& command, const std::string& text) {
  Err("velmora-calc " + command + ": " + text);
  return kExitUsage;
}

bool ParseArguments(QCommandLineParser& parser, const std::string& command, const QStringList& args,
                    bool positional) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  if (positional) {
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  }
  if (!parser.parse(QStringList{QString::fromStdString("velmora-calc " + command)} + args)) {
    UsageError(command, Fill(Tr("velmora-calc", "%1 (try velmora-calc %2 --help)"),
                             parser.errorText().toStdString(), command));
    return false;
  }
  if (!positional && !parser.positionalArguments().isEmpty()) {
    UsageError(command,
               Fill(Tr("velmora-calc",
                       "unexpected argument \"%1\" (a value follows its option: --option value)"),
                    Clip(parser.positionalArguments().first().toStdString())));
    return false;
  }
  return true;
}

std::string WriteFile(const QString& path, const QByteArray& bytes) {
  const QFileInfo info(path);
  const bool device = info.exists() && !info.isFile() && !info.isDir();
  std::unique_ptr<QFileDevice> file;
  if (device) {
    file = std::make_unique<QFile>(path);
  } else {
    file = std::make_unique<QSaveFile>(path);
  }
  // Unbuffered, so that a short write shows here: Qt 6.4's QSaveFile::commit() ignores one in
  // the flush of its own buffer and renames a truncated file into place.
  if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return file->errorString().toStdString();
  }
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 n = file->write(bytes.constData() + done, bytes.size() - done);
    if (n <= 0) return file->errorString().toStdString();  // the retry after a short write
    done += n;                                             // names the system's reason
  }
  if (device) return {};
  // Qt ignores what fsync() reports; a file system that learns of a full disk only then tells it
  // here (EINVAL: one that cannot sync).
  if (::fsync(file->handle()) != 0 && errno != EINVAL) return std::strerror(errno);
  if (!static_cast<QSaveFile&>(*file).commit()) return file->errorString().toStdString();
  return {};
}

}  // namespace velmora::cli
