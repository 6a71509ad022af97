// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc: the command-line companion. It drives the same form models as the desktop
// program, headlessly, and prints what the user would see.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"

namespace velmora::cli {
namespace {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

std::string Overview() {
  std::string text = Tr("velmora-calc",
                        "velmora-calc - Velmora, dipole calculator, on the command line\n\n"
                        "Usage: velmora-calc COMMAND [ARGS...]\n"
                        "       velmora-calc COMMAND --help\n\nCommands:\n");
  for (const auto& [name, command] : Registry()) {
    text += "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') +
            Tr("velmora-calc", command.summary) + "\n";
  }
  text += Tr("velmora-calc",
             "\nExit status: 0 success, 1 output could not be written, 2 usage error,\n"
             "3 the formula, the calculation or the NEC-2 search failed, 4 nec2c is not "
             "installed.\n");
  for (const auto& [name, command] : Registry()) {
    text += "\n" + command.help();
  }
  return text;
}

bool IsHelp(const QString& arg) {
  return arg == "--help" || arg == "-h";
}

// Runs what the arguments ask for; the exit status before stdout is checked.
int Dispatch(QStringList args, std::string& name) {
  if (args.isEmpty() || IsHelp(args.first()) || args.first() == "help") {
    Out(Overview());
    return args.isEmpty() ? kExitUsage : kExitOk;
  }
  name = args.takeFirst().toStdString();
  auto it = Registry().find(name);
  if (it == Registry().end()) {
    Err(Fill(Tr("velmora-calc", "velmora-calc: unknown command '%1' (try velmora-calc --help)"),
             name));
    return kExitUsage;
  }
  if (args.size() == 1 && IsHelp(args.first())) {
    Out(it->second.help());
    return kExitOk;
  }
  return it->second.run(args);
}

// Qt's graphical start looks for a runtime folder; without XDG_RUNTIME_DIR it warns on stderr
// and makes /tmp/runtime-<user>. A private one in the user's cache, gone at exit, avoids both.
std::optional<QTemporaryDir> PrivateRuntimeFolder() {
  if (!qEnvironmentVariable("XDG_RUNTIME_DIR").isEmpty()) return std::nullopt;
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache)) return std::nullopt;
  std::optional<QTemporaryDir> folder(std::in_place, cache + "/velmora-calc-XXXXXX");
  if (!folder->isValid()) return std::nullopt;
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
  return folder;
}

}  // namespace

bool Register(Command command) {
  const std::string name = command.name;
  Registry()[name] = std::move(command);
  return true;
}

}  // namespace velmora::cli

int main(int argc, char** argv) {
  using namespace velmora::cli;
  // Only a command that paints needs a GUI application (fonts), and never a display.
  const auto it = argc > 1 ? Registry().find(argv[1]) : Registry().end();
  const bool paints = it != Registry().end() && it->second.paints &&
                      !(argc == 3 && IsHelp(QString::fromLocal8Bit(argv[2])));
  std::optional<QTemporaryDir> runtime;
  std::unique_ptr<QCoreApplication> app;
  if (paints) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime = PrivateRuntimeFolder();
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  std::setlocale(LC_NUMERIC, "C");  // numbers on the command line never follow the C locale
  LoadTranslations();
  std::string name;
  const int status = Dispatch(QCoreApplication::arguments().mid(1), name);
  if (const std::string failure = StdoutFailure(); !failure.empty()) {
    const std::string program = name.empty() ? "velmora-calc" : "velmora-calc " + name;
    Err(Fill(Tr("velmora-calc", "%1: standard output could not be written: %2"), program, failure));
    return kExitFailure;
  }
  return status;
}
