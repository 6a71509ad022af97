// SPDX-License-Identifier: GPL-3.0-or-later
// Subcommands of velmora-calc register themselves here; main() dispatches on the first argument.
// Also what every subcommand shares: option parsing, usage errors, standard output and files.
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace velmora::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;          // unknown name, malformed argument, refused input
inline constexpr int kExitFormulaFailed = 3;  // also: the NEC-2 search failed
inline constexpr int kExitNecMissing = 4;     // nec2c is not installed

struct Command {
  std::string name;
  const char* summary;  // one line for the overview, marked with QT_TRANSLATE_NOOP("velmora-calc")
  std::function<std::string()> help;                // full help of the subcommand
  std::function<int(const QStringList& args)> run;  // args after the subcommand's name
  bool paints = false;  // needs fonts, so a QGuiApplication; the others run on QCoreApplication
};

// A text the user reads, in the user's language: German under a German locale, English otherwise.
// `context` is the command's name ("velmora-calc" for main's own texts), `text` the English
// literal. lupdate collects every Tr(...) as QCoreApplication::translate into cli/translations/.
inline std::string Tr(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

// `text` with %1, %2 ... replaced by `args` in one pass, so a %1 inside an argument stays.
template <typename... Args>
std::string Fill(const std::string& text, const Args&... args) {
  return QString::fromStdString(text).arg(QString::fromStdString(args)...).toStdString();
}

// Installs the German texts of velmora-calc and of Qt when the user's locale asks for German.
void LoadTranslations();

// Registers a command at static-initialisation time: `static const bool r = Register({...});`
bool Register(Command command);

// Writes a line to stdout / stderr as UTF-8. Failures of stdout are collected and reported once
// by main() when the command is done.
void Out(const std::string& text);
void Err(const std::string& text);
// Writes bytes to stdout as they are.
void OutBytes(const QByteArray& bytes);
// Flushes stdout; empty when everything written to it arrived, else the system's reason.
std::string StdoutFailure();

// Writes "velmora-calc COMMAND: text" to stderr and returns kExitUsage.
int UsageError(const std::string& command, const std::string& text);

// Parses `args` (the words after the subcommand's name) with the options added to `parser`:
// "--name value", "--name=value", one dash as good as two. With `positional` every word from the
// first non-option on is positional (so "-1" there is a number, not an option); without it a
// positional word is a usage error. Reports usage errors itself; false after one.
bool ParseArguments(QCommandLineParser& parser, const std::string& command, const QStringList& args,
                    bool positional);

// Writes a whole output file: a regular file, new or old, through QSaveFile, so that a failed
// write leaves the old file byte for byte; a device or pipe (/dev/stdout, /dev/full) directly,
// since renaming a file onto it would replace it. Empty on success, else the system's reason.
std::string WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace velmora::cli
