// velmora-calc: the command-line companion. It drives the same form models as the desktop
// program, headlessly, and prints what the user would see.
#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <map>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "cli/command.h"

namespace velmora::cli {
namespace {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

std::string Overview() {
  std::string text =
      "velmora-calc - Velmora, dipole calculator, on the command line\n\n"
      "Usage: velmora-calc COMMAND [ARGS...]\n"
      "       velmora-calc COMMAND --help\n\nCommands:\n";
  for (const auto& [name, command] : Registry()) {
    text += "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') +
            command.summary + "\n";
  }
  text += "\nExit status: 0 success, 1 output could not be written, 2 usage error,\n"
          "3 the formula or the NEC-2 search failed, 4 nec2c is not installed.\n";
  for (const auto& [name, command] : Registry()) {
    text += "\n" + command.help();
  }
  return text;
}

}  // namespace

bool Register(Command command) {
  const std::string name = command.name;
  Registry()[name] = std::move(command);
  return true;
}

void Out(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

void Err(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace velmora::cli

int main(int argc, char** argv) {
  using namespace velmora::cli;
  // Pictures need fonts, so a GUI application, but never a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform wants a runtime folder; without one Qt warns on every run, which
  // would land in the output of scripts.
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/velmora-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  }
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // numbers on the command line never follow the C locale
  QStringList args = QGuiApplication::arguments().mid(1);
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h" ||
      args.first() == "help") {
    Out(Overview());
    return args.isEmpty() ? kExitUsage : kExitOk;
  }
  const std::string name = args.takeFirst().toStdString();
  auto it = Registry().find(name);
  if (it == Registry().end()) {
    Err("velmora-calc: unknown command '" + name + "' (try velmora-calc --help)");
    return kExitUsage;
  }
  if (args.size() == 1 && (args.first() == "--help" || args.first() == "-h")) {
    Out(it->second.help());
    return kExitOk;
  }
  return it->second.run(args);
}
