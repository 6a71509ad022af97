// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc nec: NEC-2's resonant length of a dipole of bare or insulated wire (nec2c as a
// child process), beside the velocity factor and length the single-value calculation gives for
// the same wire.
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <csignal>
#include <ctime>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

#include "cli/command.h"
#include "crosscheck/comparison.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "nec/resonance.h"
#include "single/materials.h"
#include "single/velocity_factor.h"

namespace velmora::cli {
namespace {

constexpr const char* kName = "velmora-calc nec";
// The single-value calculation refuses lower heights (it puts 0,01 into the box).
constexpr float kMinClosedFormHeight = 0.01f;

std::string Help() {
  return Tr(
      "nec",
      "velmora-calc nec --frequency MHZ --height M --diameter MM [OPTIONS]\n"
      "  Finds the resonant total length (X = 0) of a centre-fed horizontal dipole of bare\n"
      "  or insulated wire with NEC-2 (nec2c, found on PATH) and prints it with\n"
      "  Vf = length / (lambda/2), the feed resistance R at resonance and the number of nec2c\n"
      "  runs; beside them the velocity factor and length of the single-value calculation\n"
      "  \"Verkürzungsfaktor Vf\" (bare wire) or \"resonante Dipollänge\" (insulated wire,\n"
      "  average ground only) for the same wire and height, and the difference in percent.\n"
      "  A search ends after 30 s at the most.\n\n"
      "  --frequency MHZ     frequency in MHz (NEC-2 takes 0,01 to 3000)\n"
      "  --height M          height above ground in m (not needed for --ground free)\n"
      "  --diameter MM       wire diameter in mm; the conductor's with an insulation\n"
      "  --outer-diameter MM outer diameter of the insulation in mm\n"
      "  --insulation TEXT   its relative permittivity: an item of the single-value dialog's\n"
      "                      list, e.g. \"4,0   PVC (3,5...4,5)\", or a number such as 4\n"
      "  --material TEXT     conductor, e.g. \"56 Cu\" (the default), \"35 Al\"\n"
      "  --ground G          average (the default): average real ground, Sommerfeld-Norton,\n"
      "                      against the formulas over real ground; perfect: a perfect\n"
      "                      ground, against the formulas with \"Freiraum\" ticked; free:\n"
      "                      true free space, which the formulas have no counterpart for\n"
      "  --segments N        odd number of wire segments, 5 to 501 (default 41)\n"
      "  --json              print one JSON object instead of text\n\n"
      "  Numbers are typed as in the dialogs: digits with a comma or a point.\n"
      "  Exit status 3 when the search fails, 4 when nec2c is not installed.\n"
      "  Example: velmora-calc nec --frequency 3,6 --height 20,82 --diameter 2,05\n");
}

struct Inputs {
  float frequency = 0.0f;
  float height = 0.0f;
  float diameter = 0.0f;
  float conductivity = 0.0f;  // m/(ohm mm^2)
  nec::Ground ground = nec::Ground::kAverage;
  QString groundName = "average";
  int segments = nec::kDefaultSegments;
  std::optional<nec::Insulation> insulation;  // none: bare wire
};

// An item of the single-value dialog's insulation list, typed with either separator, or a bare
// number: its relative permittivity.
std::optional<float> Permittivity(const std::string& text) {
  for (char separator : {',', '.'}) {
    for (const std::string& item : InsulationMaterials(separator)) {
      if (item == text) return ParseDecimal(text);
    }
  }
  if (text.empty() || text.find_first_not_of(kNumericKeys) != std::string::npos) return {};
  return ParseDecimal(text);
}

// A number as a dialog's box takes it: digits, ',' and '.', read with ParseDecimal.
std::optional<float> Typed(const QCommandLineParser& parser, const char* option,
                           std::string& problem) {
  const std::string text = parser.value(option).toStdString();
  if (text.empty() || text.find_first_not_of(kNumericKeys) != std::string::npos) {
    problem =
        Fill(Tr("nec", "--%1 \"%2\": type a number with digits and a comma or a point, e.g. 3,6"),
             std::string(option), Clip(text));
    return std::nullopt;
  }
  return ParseDecimal(text);
}

// Reads the options; returns an error text, empty on success.
std::string Read(const QCommandLineParser& parser, Inputs& in) {
  if (parser.isSet("ground")) {
    in.groundName = parser.value("ground");
    if (in.groundName == "free") {
      in.ground = nec::Ground::kFree;
    } else if (in.groundName == "perfect") {
      in.ground = nec::Ground::kPerfect;
    } else if (in.groundName != "average") {
      return Fill(Tr("nec", "--ground \"%1\": use free, perfect or average"),
                  Clip(in.groundName.toStdString()));
    }
  }
  for (const char* required : {"frequency", "diameter", "height"}) {
    if (std::string(required) == "height" && in.ground == nec::Ground::kFree) continue;
    if (!parser.isSet(required)) return Fill(Tr("nec", "--%1 is missing"), std::string(required));
  }
  std::string problem;
  const std::optional<float> f = Typed(parser, "frequency", problem);
  if (!f) return problem;
  const std::optional<float> d = Typed(parser, "diameter", problem);
  if (!d) return problem;
  in.frequency = *f;
  in.diameter = *d;
  if (in.frequency <= 0.0f) return Tr("nec", "--frequency: the frequency must be above 0");
  if (in.diameter <= 0.0f) return Tr("nec", "--diameter: the wire diameter must be above 0");
  if (in.ground != nec::Ground::kFree) {
    const std::optional<float> h = Typed(parser, "height", problem);
    if (!h) return problem;
    in.height = *h;
    if (in.height < kMinClosedFormHeight) {
      return Tr("nec",
                "--height: the height must be at least 0,01 m (the single-value calculation "
                "takes no lower one)");
    }
  }
  const std::string material =
      parser.isSet("material") ? parser.value("material").toStdString() : kDefaultConductor;
  in.conductivity = ParseDecimal(material);
  if (in.conductivity <= 0.0f) {
    return Fill(Tr("nec",
                   "--material \"%1\": no conductivity (it starts with its number, e.g. "
                   "\"56 Cu\")"),
                Clip(material));
  }
  if (parser.isSet("segments")) {
    bool ok = false;
    in.segments = parser.value("segments").toInt(&ok);
    if (!ok) {
      return Fill(Tr("nec", "--segments \"%1\": not a number"),
                  Clip(parser.value("segments").toStdString()));
    }
  }
  if (parser.isSet("outer-diameter") != parser.isSet("insulation")) {
    return Tr("nec",
              "--outer-diameter and --insulation go together: both for an insulated wire, "
              "neither for a bare one");
  }
  if (parser.isSet("insulation")) {
    const std::optional<float> outer = Typed(parser, "outer-diameter", problem);
    if (!outer) return problem;
    const std::string text = parser.value("insulation").toStdString();
    const std::optional<float> epsilonR = Permittivity(text);
    if (!epsilonR) {
      return Fill(Tr("nec",
                     "--insulation \"%1\": neither an item of the insulation list "
                     "(e.g. \"4,0   PVC (3,5...4,5)\") nor a number"),
                  Clip(text));
    }
    in.insulation = nec::Insulation{Widen(*epsilonR), Widen(*outer)};
  }
  return {};
}

// The single-value "Verkürzungsfaktor Vf" for the same wire and height, or "resonante
// Dipollänge" for the insulated wire; a note when the formulas take another diameter than typed.
std::optional<ClosedForm> ClosedFormFor(const Inputs& in) {
  if (in.insulation) {
    return InsulatedClosedFormOf(in.frequency, in.height, in.diameter,
                                 static_cast<float>(in.insulation->outerDiameterMm),
                                 static_cast<float>(in.insulation->epsilonR), in.ground);
  }
  const std::optional<ClosedForm> closed =
      ClosedFormOf(in.frequency, in.height, in.diameter, in.ground);
  if (closed && closed->correction != DiameterCorrection::kNone) {
    Err(std::string(kName) + ": " +
        Fill(Tr("nec", "note: the formulas take the wire as %1 mm, as the dialog would"),
             FormatGeneral(closed->diameterMm, ',')));
  }
  return closed;
}

std::string Text(double value, const char* pattern) {
  return FormatPattern(value, pattern, ',');
}

void PrintText(const Inputs& in, const nec::Resonance& nec,
               const std::optional<ClosedForm>& closed) {
  const std::string insulation =
      in.insulation ? ", isoliert (εr " + FormatGeneral(in.insulation->epsilonR, ',') + ", " +
                          FormatGeneral(in.insulation->outerDiameterMm, ',') + " mm)"
                    : "";
  Out(std::string("NEC-2, ") + nec::GroundText(in.ground) + ", " + std::to_string(in.segments) +
      " Segmente" + insulation + ": Länge " + Text(nec.lengthM, "0.000") + " m, Vf " +
      Text(nec.vf, "0.0000") + ", R " + Text(nec.impedance.r, "0.00") + " Ohm, X " +
      Text(nec.impedance.x, "0.0000") + " Ohm, " + std::to_string(nec.runs) + " nec2c-Läufe");
  if (!closed) {
    Out(in.insulation && in.ground != nec::Ground::kFree
            ? "Formel: ohne Gegenstück (die resonante Dipollänge rechnet nur über realem Boden)"
            : "Formel: ohne Gegenstück (sie kennt nur Höhen über einem Boden)");
    return;
  }
  Out("Formel: Länge " + Text(closed->lengthM, "0.000") + " m, Vf " + Text(closed->vf, "0.0000"));
  Out("Differenz Formel gegen NEC-2: Länge " +
      Text(DifferencePercent(closed->lengthM, nec.lengthM), "0.00") + " %, Vf " +
      Text(DifferencePercent(closed->vf, nec.vf), "0.00") + " %");
}

std::string Json(const Inputs& in, const nec::Resonance& nec,
                 const std::optional<ClosedForm>& closed) {
  QJsonObject object{
      {"nec", QJsonObject{{"length", nec.lengthM},
                          {"vf", nec.vf},
                          {"r", nec.impedance.r},
                          {"x", nec.impedance.x},
                          {"runs", nec.runs}}},
      {"closedForm", QJsonValue()},
      {"differencePercent", QJsonValue()},
      {"ground", in.groundName},
      {"insulation", QJsonValue()},
      {"segments", in.segments},
  };
  if (in.insulation) {
    object["insulation"] = QJsonObject{{"epsilonR", in.insulation->epsilonR},
                                       {"outerDiameter", in.insulation->outerDiameterMm}};
  }
  if (closed) {
    object["closedForm"] = QJsonObject{{"vf", closed->vf}, {"length", closed->lengthM}};
    object["differencePercent"] =
        QJsonObject{{"vf", DifferencePercent(closed->vf, nec.vf)},
                    {"length", DifferencePercent(closed->lengthM, nec.lengthM)}};
  }
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// nec2c runs in a process group of its own, so Ctrl+C at the terminal (or a hang-up, or a
// termination) no longer reaches it: while they are caught here, they stop the search, which
// ends nec2c with its group, and the command then ends with the status a shell gives the signal.
class Interrupts {
 public:
  Interrupts() {
    sigemptyset(&signals_);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&signals_, s);
    pthread_sigmask(SIG_BLOCK, &signals_, &old_);
    waiter_ = std::jthread([this](std::stop_token done) {
      const timespec slice{0, 50'000'000};
      while (!done.stop_requested()) {
        const int s = sigtimedwait(&signals_, nullptr, &slice);
        if (s > 0) {
          caught_ = s;
          stop_.request_stop();
          return;
        }
      }
    });
  }
  Interrupts(const Interrupts&) = delete;
  Interrupts& operator=(const Interrupts&) = delete;
  ~Interrupts() {
    waiter_.request_stop();
    waiter_.join();
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  std::stop_token Token() const { return stop_.get_token(); }
  int Caught() const { return caught_; }

 private:
  sigset_t signals_;
  sigset_t old_;
  std::stop_source stop_;
  std::atomic<int> caught_ = 0;
  std::jthread waiter_;
};

int Run(const QStringList& arguments) {
  QCommandLineParser parser;
  for (const char* name : {"frequency", "height", "diameter", "material", "ground", "segments",
                           "outer-diameter", "insulation"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "value"));
  }
  parser.addOption(QCommandLineOption("json"));
  if (!ParseArguments(parser, "nec", arguments, false)) return kExitUsage;
  Inputs in;
  if (const std::string error = Read(parser, in); !error.empty()) {
    return UsageError("nec",
                      Fill(Tr("velmora-calc", "%1 (try velmora-calc %2 --help)"), error, "nec"));
  }

  const nec::Wire wire{
      Widen(in.frequency), Widen(in.height), Widen(in.diameter), Widen(in.conductivity) * 1e6,
      in.ground,           in.segments,      in.insulation};
  nec::Nec2cRunner runner;
  const Interrupts interrupts;
  const nec::Result<nec::Resonance> found =
      nec::FindResonanceWithin(runner, wire, nec::kSearchLimit, interrupts.Token());
  if (interrupts.Caught() != 0) {
    Err(std::string(kName) + ": " + nec::CancelledFailure().message);
    return 128 + interrupts.Caught();
  }
  if (!found.ok()) {
    const nec::Failure& failure = found.failure();
    Err(std::string(kName) + ": " + failure.message);
    switch (failure.kind) {
      case nec::ErrorKind::kNotInstalled:
        return kExitNecMissing;
      case nec::ErrorKind::kInvalidInput:
      case nec::ErrorKind::kBelowLimits:
        return kExitUsage;
      default:
        return kExitFormulaFailed;
    }
  }
  const std::optional<ClosedForm> closed = ClosedFormFor(in);
  if (parser.isSet("json")) {
    Out(Json(in, found.value(), closed));
  } else {
    PrintText(in, found.value(), closed);
  }
  return kExitOk;
}

const bool registered =
    Register({"nec",
              QT_TRANSLATE_NOOP("velmora-calc",
                                "NEC-2's resonant length beside the formulas' (needs nec2c)"),
              Help, Run});

}  // namespace
}  // namespace velmora::cli
