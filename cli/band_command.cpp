// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc band: a dipole for a band, by the closed form and by NEC-2 (nec2c as a child
// process): the wire to cut, the SWR across twice the band and the SWR <= 1,5 and <= 2 ranges.
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "band/band_design.h"
#include "band/band_session.h"
#include "cli/command.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/version.h"
#include "touchstone/touchstone.h"

namespace velmora::cli {
namespace {

using band::BandColumn;
using band::BandDesign;

constexpr const char* kName = "velmora-calc band";
constexpr const char* kNumberOptions[] = {
    "from", "to", "frequency", "height", "diameter", "outer-diameter", "impedance"};

std::string Help() {
  return Tr(
      "band",
      "velmora-calc band (--band NAME | --from MHZ --to MHZ) --height M --diameter MM "
      "[OPTIONS]\n"
      "  Designs a centre-fed horizontal dipole for an amateur band, by the closed form and\n"
      "  by NEC-2 (nec2c, found on PATH): the length to cut (in all and each leg, without the\n"
      "  centre insulator), the resonance, R at resonance, the lowest SWR, the SWR at the band\n"
      "  limits and the SWR <= 1,5 and <= 2 ranges, and for the closed form the efficiency\n"
      "  Rs / R with Rs, Rve and Rv. The curves are sampled at 41 frequencies over twice the\n"
      "  band, centred on it.\n\n"
      "  --band NAME            an IARU Region 1 band: 160m, 80m, 60m, 40m, 30m, 20m, 17m,\n"
      "                         15m, 12m or 10m (\"80 m\" works too)\n"
      "  --from MHZ --to MHZ    any other band (\"frei\"): its lower and upper limit\n"
      "  --frequency MHZ        the design frequency (default: the band's centre)\n"
      "  --height M             height above ground in m\n"
      "  --diameter MM          conductor diameter in mm\n"
      "  --outer-diameter MM    the insulation's outer diameter in mm (with --insulation)\n"
      "  --insulation TEXT      the insulation, e.g. \"4,0   PVC (3,5...4,5)\" or a number: er\n"
      "  --material TEXT        conductor, e.g. \"56 Cu\" (the default), \"35 Al\"\n"
      "  --ground G             average (the default): average real ground; perfect: a\n"
      "                         perfect ground\n"
      "  --impedance OHM        the reference impedance Z0 (default 50), e.g. 12,5 behind a\n"
      "                         4:1 balun\n"
      "  --no-nec               the closed form alone, without nec2c\n"
      "  --json                 print one JSON object instead of text\n"
      "  --csv                  print the 41 samples as CSV (semicolons, decimal commas)\n"
      "  --touchstone FILE      also write the model's 41 samples (NEC-2's where it ran,\n"
      "                         else the closed form's) to FILE as a Touchstone 1.0 file,\n"
      "                         \"# MHz S RI R <Z0>\", for an analyser's reference trace\n\n"
      "  Numbers are typed as in the dialogs: digits with a comma or a point.\n"
      "  Exit status 2 for a usage error, 3 when NEC-2 fails and 4 when nec2c is not\n"
      "  installed (the closed form is printed in both cases).\n"
      "  Example: velmora-calc band --band 80m --height 12 --diameter 1,38\n");
}

// The options as the window's boxes would hold them; an error text, empty on success.
std::string Read(const QCommandLineParser& parser, band::BandTexts& texts) {
  for (const char* option : kNumberOptions) {
    const std::string text = parser.value(option).toStdString();
    if (parser.isSet(option) &&
        (text.empty() || text.find_first_not_of(kNumericKeys) != std::string::npos)) {
      return Fill(
          Tr("band", "--%1 \"%2\": type a number with digits and a comma or a point, e.g. 3,6"),
          std::string(option), Clip(text));
    }
  }
  if (parser.isSet("band") == (parser.isSet("from") || parser.isSet("to"))) {
    return Tr("band", "give either --band or both --from and --to");
  }
  if (parser.isSet("band")) {
    const std::string name = parser.value("band").toStdString();
    if (!band::FindBand(name)) {
      return Fill(Tr("band",
                     "--band \"%1\": use 160m, 80m, 60m, 40m, 30m, 20m, 17m, 15m, 12m "
                     "or 10m"),
                  Clip(name));
    }
    texts.band = name;
  } else {
    if (!parser.isSet("from") || !parser.isSet("to")) {
      return Tr("band", "give both --from and --to");
    }
    texts.band = band::kFreeBand;
    texts.from = parser.value("from").toStdString();
    texts.to = parser.value("to").toStdString();
  }
  for (const char* required : {"height", "diameter"}) {
    if (!parser.isSet(required)) return Fill(Tr("band", "--%1 is missing"), std::string(required));
  }
  if (parser.isSet("outer-diameter") != parser.isSet("insulation")) {
    return Tr("band", "give --outer-diameter and --insulation together");
  }
  texts.frequency = parser.value("frequency").toStdString();
  texts.height = parser.value("height").toStdString();
  texts.diameter = parser.value("diameter").toStdString();
  texts.outerDiameter = parser.value("outer-diameter").toStdString();
  texts.insulation = parser.value("insulation").toStdString();
  if (parser.isSet("material")) texts.material = parser.value("material").toStdString();
  if (parser.isSet("impedance")) texts.impedance = parser.value("impedance").toStdString();
  const QString ground = parser.isSet("ground") ? parser.value("ground") : "average";
  if (ground != "average" && ground != "perfect") {
    return Fill(Tr("band", "--ground \"%1\": use average or perfect"), Clip(ground.toStdString()));
  }
  texts.ground =
      nec::GroundText(ground == "perfect" ? nec::Ground::kPerfect : nec::Ground::kAverage);
  if (ParseDecimal(texts.material) <= 0.0f) {
    return Fill(
        Tr("band",
           "--material \"%1\": no conductivity (it starts with its number, e.g. \"56 Cu\")"),
        Clip(texts.material));
  }
  return {};
}

std::string Text(double value, const char* pattern) {
  return FormatPattern(value, pattern, ',');
}

std::string Optional(const std::optional<double>& value, const char* pattern) {
  return value ? Text(*value, pattern) : "-";
}

std::string Range(const std::optional<FrequencyRange>& range) {
  if (!range) return "-";
  return Text(range->fromMHz, "0.0000") + " bis " + Text(range->toMHz, "0.0000") + " MHz (" +
         Text((range->toMHz - range->fromMHz) * 1000.0, "0.0") + " kHz)";
}

void PrintText(const BandDesign& design) {
  const band::BandInputs& in = design.inputs;
  Out("Band " + in.bandName + ": " + Text(in.fromMHz, "0.0###") + " bis " +
      Text(in.toMHz, "0.0###") + " MHz, Entwurf bei " + Text(Widen(in.frequency), "0.0###") +
      " MHz, Z0 " + Text(Widen(in.impedance), "0.##") + " Ohm, " + nec::GroundText(in.ground));
  const auto column = [&](const char* title, const BandColumn& c) {
    const SweepFigures& f = c.figures;
    Out(std::string(title) + ": Länge " + Text(c.lengthM, "0.000") + " m, je Schenkel " +
        Text(c.legLengthM, "0.000") + " m (ohne Mittelisolator), Resonanz " +
        Optional(f.resonanceMHz, "0.0000") + " MHz, R " + Text(c.r, "0.00") + " Ohm");
    Out("  kleinstes SWV " + (f.swrMin > 0 ? Text(f.swrMin, "0.00") : std::string("-")) +
        ", SWV an den Bandgrenzen " + Optional(c.swrAtLimits[0], "0.00") + " und " +
        Optional(c.swrAtLimits[1], "0.00"));
    Out("  SWV <= 1,5: " + Range(f.within15) + "; SWV <= 2: " + Range(f.within2));
  };
  const band::ClosedFormBand& cf = design.closedForm;
  column("Formel", cf.column);
  Out("  Wirkungsgrad Rs / R " + Text(cf.Efficiency() * 100.0, "0.0") + " % (Verlust " +
      Text(cf.LossDb(), "0.00") + " dB): Rs " + Text(cf.rs, "0.00") + " + Rve " +
      Text(cf.rve, "0.00") + " + Rv " + Text(cf.rv, "0.00") + " = R " + Text(cf.column.r, "0.00") +
      " Ohm, Q " + Text(cf.q, "0.00"));
  if (design.nec) {
    column("NEC-2", design.nec->column);
    Out("  " + std::to_string(design.nec->runs) + " nec2c-Läufe");
  }
}

QJsonValue Number(const std::optional<double>& value) {
  return value && std::isfinite(*value) ? QJsonValue(*value) : QJsonValue();
}

QJsonValue Json(const std::optional<FrequencyRange>& range) {
  return range ? QJsonValue(QJsonObject{{"from", range->fromMHz}, {"to", range->toMHz}})
               : QJsonValue();
}

QJsonObject Json(const BandColumn& c) {
  const SweepFigures& f = c.figures;
  return {{"length", c.lengthM},
          {"legLength", c.legLengthM},
          {"r", c.r},
          {"resonance", Number(f.resonanceMHz)},
          {"swrMin", f.swrMin > 0 ? QJsonValue(f.swrMin) : QJsonValue()},
          {"swrAtEdges", QJsonArray{Number(c.swrAtLimits[0]), Number(c.swrAtLimits[1])}},
          {"bandwidth", QJsonObject{{"1.5", Json(f.within15)}, {"2", Json(f.within2)}}}};
}

QJsonObject Json(const SweepPoint& p, double z0) {
  return {{"r", p.z.real()}, {"x", p.z.imag()}, {"swr", Number(Swr(p.z, z0))}};
}

std::string Json(const BandDesign& design) {
  const band::BandInputs& in = design.inputs;
  const band::ClosedFormBand& cf = design.closedForm;
  QJsonObject closedForm = Json(cf.column);
  closedForm["rs"] = cf.rs;
  closedForm["rve"] = cf.rve;
  closedForm["rv"] = cf.rv;
  closedForm["q"] = cf.q;
  closedForm["efficiency"] = cf.Efficiency();
  QJsonValue nec;
  if (design.nec) {
    QJsonObject object = Json(design.nec->column);
    object["runs"] = design.nec->runs;
    nec = object;
  }
  const double z0 = Widen(in.impedance);
  QJsonArray points;
  for (std::size_t i = 0; i < cf.column.points.size(); ++i) {
    const SweepPoint& p = cf.column.points[i];
    points.append(QJsonObject{
        {"frequency", p.frequencyMHz},
        {"closedForm", Json(p, z0)},
        {"nec", design.nec ? QJsonValue(Json(design.nec->column.points[i], z0)) : QJsonValue()}});
  }
  const QJsonObject object{
      {"band",
       QJsonObject{
           {"name", QString::fromStdString(in.bandName)}, {"from", in.fromMHz}, {"to", in.toMHz}}},
      {"design",
       QJsonObject{{"frequency", Widen(in.frequency)},
                   {"impedance", z0},
                   {"ground", in.ground == nec::Ground::kPerfect ? "perfect" : "average"}}},
      {"closedForm", closedForm},
      {"nec", nec},
      {"points", points},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// The model's sweep as a Touchstone file; empty on success, else the system's reason.
std::string WriteTouchstone(const QString& path, const BandDesign& design,
                            const band::BandTexts& texts) {
  return WriteFile(path, QByteArray::fromStdString(band::BandTouchstone(design, texts.material)));
}

int Run(const QStringList& arguments) {
  QCommandLineParser parser;
  for (const char* name :
       {"band", "from", "to", "frequency", "height", "diameter", "outer-diameter", "insulation",
        "material", "ground", "impedance", "touchstone"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "value"));
  }
  for (const char* flag : {"no-nec", "json", "csv"}) parser.addOption(QCommandLineOption(flag));
  if (!ParseArguments(parser, "band", arguments, false)) return kExitUsage;
  if (parser.isSet("json") && parser.isSet("csv")) {
    return UsageError("band", Fill(Tr("velmora-calc", "%1 (try velmora-calc %2 --help)"),
                                   Tr("band", "give --json or --csv, not both"), "band"));
  }
  band::BandTexts texts;
  if (const std::string error = Read(parser, texts); !error.empty()) {
    return UsageError("band",
                      Fill(Tr("velmora-calc", "%1 (try velmora-calc %2 --help)"), error, "band"));
  }
  const nec::Result<band::BandInputs> inputs = band::ReadTexts(texts);
  if (!inputs.ok()) return UsageError("band", inputs.failure().message);
  std::optional<band::ClosedFormBand> closedForm = band::ComputeClosedForm(inputs.value());
  if (!closedForm) {
    Err(std::string(kName) + ": " +
        Tr("band", "the closed form gives no dipole for these inputs."));
    return kExitFormulaFailed;
  }
  BandDesign design{inputs.value(), std::move(*closedForm), std::nullopt, std::nullopt};

  int status = kExitOk;
  if (!parser.isSet("no-nec")) {
    nec::Nec2cRunner runner;
    nec::Result<band::NecBand> found = band::ComputeNec(runner, design.inputs);
    if (found.ok()) {
      design.nec = found.value();
    } else {
      design.necFailure = found.failure();
      Err(std::string(kName) + ": " + found.failure().message);
      status = found.failure().kind == nec::ErrorKind::kNotInstalled ? kExitNecMissing
                                                                     : kExitFormulaFailed;
    }
  }
  if (parser.isSet("touchstone")) {
    const QString path = parser.value("touchstone");
    if (const std::string failure = WriteTouchstone(path, design, texts); !failure.empty()) {
      Err(std::string(kName) + ": " +
          Fill(Tr("band", "%1 could not be written: %2"), path.toStdString(), failure));
      return kExitFailure;
    }
  }
  if (parser.isSet("json")) {
    Out(Json(design));
  } else if (parser.isSet("csv")) {
    OutBytes(QByteArray::fromStdString(band::BandCsv(design, ',')));
  } else {
    PrintText(design);
  }
  return status;
}

const bool registered = Register(
    {"band",
     QT_TRANSLATE_NOOP("velmora-calc",
                       "a dipole for a band: length, SWR and bandwidth by formula and NEC-2"),
     Help, Run});

}  // namespace
}  // namespace velmora::cli
