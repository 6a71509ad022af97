// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc single: one single-value calculation, driven through the dialog model exactly as a
// user drives the dialog: open it, pick the calculation, type each value key by key, press OK.
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <string>

#include "cli/command.h"
#include "formulas/numtext.h"
#include "headless/headless_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::cli {
namespace {

// What the single-value command of the main window shows while the dialog is open.
constexpr const char* kOpenStatus = "Einzel-Wert-Berechnung";

std::string Help() {
  return Tr(
      "single",
      "velmora-calc single [OPTIONS]\n"
      "  Opens the single-value dialog, picks a calculation, types the values into their\n"
      "  boxes key by key (each box's text is replaced), presses OK and prints each visible\n"
      "  result row as \"caption value\", then the status line.\n\n"
      "  --choice TEXT               the calculation, exactly as listed: \"resonante "
      "Dipollänge\"\n"
      "                              (the default), \"Verkürzungsfaktor Vf\", "
      "\"Strahlungswiderstand Rs\",\n"
      "                              \"Ant. - Güte Qa bei h\", \"Ant. - Güte Qa bei d\", "
      "\"Bodendämpfung Rve\"\n"
      "  --height M                  antenna height in m\n"
      "  --frequency MHZ             frequency in MHz\n"
      "  --length M                  dipole length in m (not for the resonant length, nor Vf)\n"
      "  --diameter MM               wire diameter in mm (not for the resonant length)\n"
      "  --outer-diameter MM         outer diameter over the insulation (resonant length only)\n"
      "  --conductor-diameter MM     conductor diameter (resonant length only)\n"
      "  --material TEXT             conductor material, e.g. \"56 Cu\", \"16,5 Zn\"\n"
      "  --insulation TEXT           insulation, e.g. \"2,3   PE Polyethylen\" (resonant length)\n"
      "  --free-space                tick \"Freiraum\" (Vf, Rs and the two Qa calculations)\n"
      "  --decimal-point             number texts with a decimal point instead of a comma\n"
      "  --json                      print one JSON object with the dialog's results instead\n\n"
      "  Values are applied in the order given; an empty value (--frequency \"\") empties the "
      "box.\n"
      "  The boxes of --height, --frequency, --length and --diameter take only digits, ',' and "
      "'.',\n"
      "  at most 64 of them: any other character is an error, as is a longer value or a value "
      "for\n"
      "  a box the chosen calculation does not show (exit status 2).\n"
      "  --outer-diameter and --conductor-diameter take any text, as the\n"
      "  dialog's boxes do.\n"
      "  Exit status 3 when the dialog does not know the calculation (\" Falsche Formel !\").\n"
      "  Example: velmora-calc single --choice \"Verkürzungsfaktor Vf\" --height 12 --diameter "
      "2,05\n"
      "           --frequency 3,6\n");
}

struct Session {
  HeadlessPlatform platform;
  FrmEinzelEingabe dialog{platform};
};

// Where a value option lands; the frequency box depends on the calculation.
TextBox* BoxFor(const std::string& option, FrmEinzelEingabe& dialog) {
  if (option == "height") return &dialog.HeightBox();
  if (option == "frequency") return &dialog.FrequencyBox();
  if (option == "length") return &dialog.LengthBox();
  if (option == "diameter") return &dialog.DiameterBox();
  if (option == "outer-diameter") return &dialog.Text1;
  if (option == "conductor-diameter") return &dialog.Text2;
  return nullptr;
}

// Applies one option as the user would; returns an error text, empty on success.
std::string Apply(const std::string& option, const std::string& value, FrmEinzelEingabe& dialog) {
  const std::string hidden =
      Fill(Tr("single", "--%1: the calculation \"%2\" has no such box on screen"), option,
           Clip(dialog.Combo1.text));
  if (TextBox* box = BoxFor(option, dialog)) {
    if (!dialog.IsShown(*box)) return hidden;
    if (value.empty()) {
      dialog.DeleteText(*box);
      return {};
    }
    const TypingResult typed = dialog.TypeText(*box, value, TypingMode::kReplace);
    if (!typed.AllAccepted()) {
      return Fill(
          Tr("single", "--%1 \"%2\": the box refuses \"%3\" (it takes only digits, ',' and '.')"),
          option, Clip(value), typed.refusedChar);
    }
    if (typed.cutOffCount > 0) {
      return Fill(Tr("single", "--%1: the box takes at most %2 characters"), option,
                  std::to_string(box->maxLength));
    }
    return {};
  }
  if (option == "material") {
    if (!dialog.IsShown(dialog.Combo2)) return hidden;
    dialog.Combo2.text = value;
    dialog.Combo2_Click();
  } else if (option == "insulation") {
    if (!dialog.IsShown(dialog.Combo3)) return hidden;
    dialog.Combo3.text = value;
    dialog.Combo3_Click();
  } else if (option == "free-space") {
    if (!dialog.IsShown(dialog.Check1)) return hidden;
    dialog.Check1.value = 1;
    dialog.Check1_Click();
  }
  return {};
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string Json(const Session& session) {
  const FrmEinzelEingabe& dialog = session.dialog;
  const HeadlessPlatform& platform = session.platform;
  QJsonArray messages;
  for (const RecordedMessage& message : platform.messages) {
    messages.append(QJsonObject{{"text", Q(message.text)}, {"title", Q(message.title)}});
  }
  const QJsonObject object{
      {"Label2", Q(dialog.Label2.caption)},
      {"Label3", Q(dialog.Label3.caption)},
      {"Label12", Q(dialog.Label12.caption)},
      {"Label13", Q(dialog.Label13.caption)},
      {"Label4", Q(dialog.Label4.caption)},
      {"Label5", Q(dialog.Label5.caption)},
      {"Label4Visible", dialog.IsShown(dialog.Label4)},
      {"Check1Visible", dialog.IsShown(dialog.Check1)},
      {"Text6", Q(dialog.Text6.text)},
      {"Text7", Q(dialog.Text7.text)},
      {"Text8", Q(dialog.Text8.text)},
      {"Text9", Q(dialog.Text9.text)},
      {"status", Q(platform.statusText)},
      {"beeps", platform.beeps},
      {"messages", messages},
      {"focus", platform.focus.empty() ? QJsonValue() : QJsonValue(Q(platform.focus))},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

void PrintRows(const Session& session) {
  const FrmEinzelEingabe& dialog = session.dialog;
  for (const auto& [caption, value] : dialog.Results()) {
    if (!dialog.IsShown(caption)) continue;
    if (caption.caption.empty() && value.caption.empty()) continue;
    Out(caption.caption + " " + value.caption);
  }
  Out(session.platform.statusText);
  // What the user would have heard or seen besides the dialog goes to stderr.
  for (const RecordedMessage& message : session.platform.messages) {
    Err(Fill(Tr("single", "message box \"%1\": %2"), message.title, message.text));
  }
  if (session.platform.beeps > 0) {
    const std::string beeps = std::to_string(session.platform.beeps);
    Err(session.platform.focus.empty()
            ? Fill(Tr("single", "%1 beep(s)"), beeps)
            : Fill(Tr("single", "%1 beep(s), input focus in %2"), beeps, session.platform.focus));
  }
}

int Run(const QStringList& arguments) {
  QCommandLineParser parser;
  const char* const valueOptions[] = {
      "choice",    "height",         "frequency",          "length",
      "diameter",  "outer-diameter", "conductor-diameter", "material",
      "insulation"};
  for (const char* name : valueOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "value"));
  }
  for (const char* name : {"free-space", "json", "decimal-point"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
  }
  if (!ParseArguments(parser, "single", arguments, false)) return kExitUsage;
  if (parser.values("choice").size() > 1)
    return UsageError("single", Tr("single", "--choice given more than once"));

  Session session;
  session.platform.decimalSeparator = parser.isSet("decimal-point") ? '.' : ',';
  session.platform.SetStatusText(kOpenStatus);
  FrmEinzelEingabe& dialog = session.dialog;
  dialog.Load();
  dialog.visible = true;
  dialog.Form_Activate();
  if (parser.isSet("choice")) {
    dialog.Combo1.text = parser.value("choice").toStdString();
    dialog.Combo1_Click();
  }

  std::map<QString, int> seen;  // how many values of each option were applied so far
  for (const QString& name : parser.optionNames()) {
    if (name == "choice" || name == "json" || name == "decimal-point") continue;
    const QStringList values = parser.values(name);
    const std::string value =
        values.isEmpty() ? std::string() : values.at(seen[name]++).toStdString();
    const std::string error = Apply(name.toStdString(), value, dialog);
    if (!error.empty()) return UsageError("single", error);
  }

  dialog.OKButton_Click();
  if (parser.isSet("json")) {
    Out(Json(session));
  } else {
    PrintRows(session);
  }
  // The one message the computation has: a calculation it does not know.
  return session.platform.messages.empty() ? kExitOk : kExitFormulaFailed;
}

const bool registered = Register(
    {"single", QT_TRANSLATE_NOOP("velmora-calc", "one single-value calculation through the dialog"),
     Help, Run});

}  // namespace
}  // namespace velmora::cli
