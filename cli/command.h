// Subcommands of velmora-calc register themselves here; main() dispatches on the first argument.
#pragma once

#include <QStringList>
#include <functional>
#include <string>

namespace velmora::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;        // unknown name, malformed argument, refused input
inline constexpr int kExitFormulaFailed = 3;  // also: the NEC-2 search failed
inline constexpr int kExitNecMissing = 4;     // nec2c is not installed

struct Command {
  std::string name;
  std::string summary;                               // one line for the overview
  std::function<std::string()> help;                 // full help of the subcommand
  std::function<int(const QStringList& args)> run;  // args after the subcommand's name
};

// Registers a command at static-initialisation time: `static const bool r = Register({...});`
bool Register(Command command);

// Writes a line to stdout / stderr as UTF-8.
void Out(const std::string& text);
void Err(const std::string& text);

}  // namespace velmora::cli
