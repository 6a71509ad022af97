// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc measure: what an antenna analyser's Touchstone sweep says (resonance, lowest SWR,
// the SWR ranges) and how much to trim the wire so that it resonates at the target frequency.
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

#include "band/band_design.h"
#include "cli/command.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "formulas/swr.h"
#include "formulas/trim.h"
#include "nec/resonance.h"
#include "single/materials.h"
#include "touchstone/touchstone.h"

namespace velmora::cli {
namespace {

constexpr const char* kName = "velmora-calc measure";

std::string Help() {
  return Tr(
      "measure",
      "velmora-calc measure FILE [OPTIONS]\n"
      "  Reads the sweep of an antenna analyser, a Touchstone 1.0 one-port file (.s1p), and\n"
      "  prints where the reactance X crosses zero from minus to plus nearest the frequency\n"
      "  (the resonance), the lowest SWR and the ranges of SWR <= 1,5 and <= 2 around it.\n"
      "  With --length and --frequency also how much to cut or add per leg so that the\n"
      "  dipole resonates at the frequency: L_new = L_now * L(f_target) / L(f_resonance),\n"
      "  L the resonant length NEC-2 finds for the same wire (when nec2c is installed), else\n"
      "  the formulas' \"resonante Dipollänge\". Without the wire's height and diameter the\n"
      "  length scales by frequency alone: L_new = L_now * f_resonance / f_target.\n\n"
      "  --frequency MHZ        the target frequency in MHz (default: the sweep's middle)\n"
      "  --impedance OHM        the SWR's reference impedance in ohms (default 50)\n"
      "  --length M             the wire's present total length in m (with --frequency)\n"
      "  --height M             height above ground in m (not needed for --ground free)\n"
      "  --diameter MM          wire diameter in mm\n"
      "  --outer-diameter MM    outer diameter over the insulation in mm\n"
      "  --insulation TEXT      insulation, e.g. \"2,3   PE Polyethylen\"\n"
      "  --material TEXT        conductor, e.g. \"56 Cu\" (the default), \"35 Al\"\n"
      "  --ground G             average (the default), perfect or free\n"
      "  --no-nec               trim by the formulas even when nec2c is installed\n"
      "  --json                 print one JSON object instead of text; perLegCm is\n"
      "                         negative where the wire is to be shortened\n\n"
      "  Exit status 2 when the file cannot be read; the message names the line.\n"
      "  Example: velmora-calc measure dipol.s1p --frequency 3,6 --length 40,2\n"
      "  The file stands first or after the options.\n");
}

struct Inputs {
  std::string file;
  std::optional<double> target;  // MHz
  double z0 = 50.0;
  std::optional<double> lengthNow;
  bool wireKnown = false;  // height and diameter given
  band::BandInputs wire;   // its height, diameters, insulation, conductor and ground
  bool noNec = false;
};

// A number as a dialog's box takes it: digits, ',' and '.'; above 0.
std::optional<float> Positive(const QCommandLineParser& parser, const char* option,
                              std::string& problem) {
  const std::string text = parser.value(option).toStdString();
  if (text.empty() || text.find_first_not_of(kNumericKeys) != std::string::npos) {
    problem = Fill(
        Tr("measure", "--%1 \"%2\": type a number with digits and a comma or a point, e.g. 3,6"),
        std::string(option), Clip(text));
    return std::nullopt;
  }
  const float value = ParseDecimal(text);
  if (!(value > 0.0f)) {
    problem = Fill(Tr("measure", "--%1 must be above 0"), std::string(option));
    return std::nullopt;
  }
  return value;
}

// Reads the options; returns an error text, empty on success.
std::string Read(const QCommandLineParser& parser, Inputs& in) {
  if (!in.file.empty() == !parser.positionalArguments().isEmpty() ||
      parser.positionalArguments().size() > 1) {
    return Tr("measure", "name one Touchstone file");
  }
  if (in.file.empty()) in.file = parser.positionalArguments().first().toStdString();
  std::string problem;
  for (const auto& [option, target] :
       {std::pair{"frequency", &in.target}, std::pair{"length", &in.lengthNow}}) {
    if (!parser.isSet(option)) continue;
    const std::optional<float> value = Positive(parser, option, problem);
    if (!value) return problem;
    *target = Widen(*value);
  }
  if (in.lengthNow && !in.target) {
    return Tr("measure", "--length needs --frequency, the target of the trim");
  }
  if (parser.isSet("impedance")) {
    const std::optional<float> z0 = Positive(parser, "impedance", problem);
    if (!z0) return problem;
    in.z0 = Widen(*z0);
  }
  in.noNec = parser.isSet("no-nec");
  if (parser.isSet("ground")) {
    const QString ground = parser.value("ground");
    if (ground == "free") {
      in.wire.ground = nec::Ground::kFree;
    } else if (ground == "perfect") {
      in.wire.ground = nec::Ground::kPerfect;
    } else if (ground != "average") {
      return Fill(Tr("measure", "--ground \"%1\": use free, perfect or average"),
                  Clip(ground.toStdString()));
    }
  }
  const bool heightNeeded = in.wire.ground != nec::Ground::kFree;
  in.wireKnown = parser.isSet("diameter") && (parser.isSet("height") || !heightNeeded);
  if (!in.wireKnown) {
    for (const char* option : {"height", "diameter", "outer-diameter", "insulation", "material"}) {
      if (parser.isSet(option)) {
        return Fill(Tr("measure", "--%1 needs both --height and --diameter"), std::string(option));
      }
    }
    return {};
  }
  const std::optional<float> d = Positive(parser, "diameter", problem);
  if (!d) return problem;
  in.wire.diameterMm = *d;
  in.wire.outerDiameterMm = *d;
  in.wire.epsilonR = 1.0f;
  in.wire.height = 0.0f;
  if (heightNeeded) {
    const std::optional<float> h = Positive(parser, "height", problem);
    if (!h) return problem;
    in.wire.height = *h;
  }
  if (parser.isSet("outer-diameter") != parser.isSet("insulation")) {
    return Tr("measure", "--outer-diameter and --insulation go together");
  }
  if (parser.isSet("insulation")) {
    const std::optional<float> outer = Positive(parser, "outer-diameter", problem);
    if (!outer) return problem;
    in.wire.outerDiameterMm = *outer;
    if (in.wire.outerDiameterMm <= in.wire.diameterMm) {
      return Tr("measure", "--outer-diameter must be above --diameter");
    }
    in.wire.epsilonR = ParseDecimal(parser.value("insulation").toStdString());
    if (in.wire.epsilonR < 1.0f) {
      return Fill(Tr("measure",
                     "--insulation \"%1\": no permittivity of 1 or more (it starts "
                     "with its number, e.g. \"2,3 PE\")"),
                  Clip(parser.value("insulation").toStdString()));
    }
  }
  const std::string material =
      parser.isSet("material") ? parser.value("material").toStdString() : kDefaultConductor;
  in.wire.conductivity = ParseDecimal(material);
  if (in.wire.conductivity <= 0.0f) {
    return Fill(Tr("measure",
                   "--material \"%1\": no conductivity (it starts with its number, "
                   "e.g. \"56 Cu\")"),
                Clip(material));
  }
  return {};
}

// The model's resonant length at f: NEC-2's where it answers, else nothing.
std::optional<double> NecLength(const Inputs& in, double f, bool& necMissing) {
  nec::Wire wire = band::NecWire(in.wire);
  wire.frequencyMHz = f;
  nec::Nec2cRunner runner;
  const nec::Result<nec::Resonance> found = nec::FindResonance(runner, wire);
  if (found.ok()) return found.value().lengthM;
  necMissing = found.failure().kind == nec::ErrorKind::kNotInstalled;
  if (!necMissing) Err(std::string(kName) + ": " + found.failure().message);
  return std::nullopt;
}

std::optional<Trim> TrimFor(const Inputs& in, double resonance) {
  const double target = *in.target;
  if (!in.wireKnown) return TrimByScale(*in.lengthNow, resonance, target);
  if (!in.noNec) {
    bool necMissing = false;
    const std::optional<double> atTarget = NecLength(in, target, necMissing);
    const std::optional<double> atResonance =
        atTarget ? NecLength(in, resonance, necMissing) : std::nullopt;
    if (atTarget && atResonance) {
      return TrimByModel(*in.lengthNow, *atTarget, *atResonance, TrimModel::kNec);
    }
    if (!necMissing) {
      Err(std::string(kName) + ": " +
          Tr("measure", "the trim uses the formulas' resonant length instead."));
    }
  }
  return TrimByModel(*in.lengthNow, band::FormulaLength(in.wire, target),
                     band::FormulaLength(in.wire, resonance), TrimModel::kFormula);
}

const char* ModelName(TrimModel model) {
  switch (model) {
    case TrimModel::kNec:
      return "nec";
    case TrimModel::kFormula:
      return "formula";
    case TrimModel::kScale:
      break;
  }
  return "scale";
}

const char* ModelText(TrimModel model) {
  switch (model) {
    case TrimModel::kNec:
      return "nach NEC-2";
    case TrimModel::kFormula:
      return "nach der resonanten Dipollänge der Formeln";
    case TrimModel::kScale:
      break;
  }
  return "nur nach der Frequenz, ohne Höhe und Durchmesser des Drahts";
}

std::string Mhz(double value) {
  return FormatPattern(value, "0.000", ',') + " MHz";
}

std::string RangeText(const std::optional<FrequencyRange>& range) {
  return range ? Mhz(range->fromMHz) + " bis " + Mhz(range->toMHz) : "keiner";
}

void PrintText(const Inputs& in, const std::vector<SweepPoint>& points, const SweepFigures& fig,
               const std::optional<Trim>& trim) {
  Out("Messung: " + std::to_string(points.size()) + " Punkte von " +
      Mhz(points.front().frequencyMHz) + " bis " + Mhz(points.back().frequencyMHz) +
      ", SWR gegen " + FormatGeneral(in.z0, ',') + " Ohm");
  Out("Resonanz: " + (fig.resonanceMHz ? Mhz(*fig.resonanceMHz)
                                       : std::string("keine (X kreuzt null nicht von minus "
                                                     "nach plus)")));
  Out("kleinstes SWR: " +
      (fig.swrMin > 0 ? FormatPattern(fig.swrMin, "0.00", ',') + " bei " + Mhz(fig.swrMinMHz)
                      : std::string("keines (kein Punkt mit endlichem SWR)")));
  Out("SWR <= 1,5: " + RangeText(fig.within15));
  Out("SWR <= 2: " + RangeText(fig.within2));
  if (trim) Out("Abgleich " + std::string(ModelText(trim->model)) + ": " + trim->text);
}

QJsonValue RangeJson(const std::optional<FrequencyRange>& range) {
  if (!range) return QJsonValue();
  return QJsonObject{{"from", range->fromMHz}, {"to", range->toMHz}};
}

std::string Json(const Inputs& in, const std::vector<SweepPoint>& points, const SweepFigures& fig,
                 const std::optional<Trim>& trim) {
  QJsonObject object{
      {"file", QString::fromStdString(in.file)},
      {"impedance", in.z0},
      {"points", static_cast<qint64>(points.size())},
      {"from", points.front().frequencyMHz},
      {"to", points.back().frequencyMHz},
      {"resonance", fig.resonanceMHz ? QJsonValue(*fig.resonanceMHz) : QJsonValue()},
      {"swrMin", fig.swrMin > 0
                     ? QJsonValue(QJsonObject{{"frequency", fig.swrMinMHz}, {"swr", fig.swrMin}})
                     : QJsonValue()},
      {"bandwidth", QJsonObject{{"1.5", RangeJson(fig.within15)}, {"2", RangeJson(fig.within2)}}},
      {"trim", QJsonValue()},
  };
  if (trim) {
    object["trim"] = QJsonObject{{"target", *in.target},
                                 {"lengthNow", *in.lengthNow},
                                 {"lengthNew", trim->lengthNewM},
                                 {"perLegCm", trim->perLegCm},
                                 {"model", ModelName(trim->model)}};
  }
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

int Run(const QStringList& arguments) {
  QCommandLineParser parser;
  for (const char* name : {"frequency", "impedance", "length", "height", "diameter",
                           "outer-diameter", "insulation", "material", "ground"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "value"));
  }
  parser.addOption(QCommandLineOption("no-nec"));
  parser.addOption(QCommandLineOption("json"));
  // The file stands first, or after the options.
  QStringList words = arguments;
  const bool fileFirst = !words.isEmpty() && !words.first().startsWith('-');
  const QString first = fileFirst ? words.takeFirst() : QString();
  if (!ParseArguments(parser, "measure", words, !fileFirst)) return kExitUsage;
  Inputs in;
  in.file = first.toStdString();
  if (const std::string error = Read(parser, in); !error.empty()) {
    return UsageError(
        "measure", Fill(Tr("velmora-calc", "%1 (try velmora-calc %2 --help)"), error, "measure"));
  }
  const touchstone::ReadResult read = touchstone::ReadFile(in.file);
  if (!read.ok()) {
    Err(std::string(kName) + ": " + in.file + ": " + read.error.message);
    return kExitUsage;
  }
  std::vector<SweepPoint> points;
  for (const touchstone::Point& p : read.sweep->points) points.push_back({p.frequencyMHz, p.z});
  if (!in.target) in.target = (points.front().frequencyMHz + points.back().frequencyMHz) / 2;
  const SweepFigures figures = AnalyseSweep(points, *in.target, in.z0);

  std::optional<Trim> trim;
  if (in.lengthNow) {
    if (figures.resonanceMHz) {
      trim = TrimFor(in, *figures.resonanceMHz);
    } else {
      Err(std::string(kName) + ": " +
          Tr("measure", "no trim, since the sweep shows no resonance."));
    }
  }
  if (parser.isSet("json")) {
    Out(Json(in, points, figures, trim));
  } else {
    PrintText(in, points, figures, trim);
  }
  return kExitOk;
}

const bool registered = Register(
    {"measure",
     QT_TRANSLATE_NOOP("velmora-calc", "the figures of an analyser's sweep and how much to trim"),
     Help, Run});

}  // namespace
}  // namespace velmora::cli
