// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc formula NAME ARG...: evaluates one antenna formula with exact arguments, so a
// result can be checked digit by digit against a hand calculation.
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "formulas/antenna.h"

namespace velmora::cli {
namespace {

// How an argument is read: a number rounded to single precision, a double, or a 16-bit flag.
enum class Kind { kSingle, kDouble, kFlag };

struct Param {
  std::string_view name;
  Kind kind;
  std::string_view meaning;
};

// The parsed arguments, in parameter order (flags as their integer value).
using Args = std::vector<double>;

struct Formula {
  std::string_view name;
  std::vector<Param> params;
  bool singleResult;
  std::string_view result;
  Checked (*evaluate)(const Args& a);
};

float F(double v) {
  return static_cast<float>(v);
}
std::int16_t Flag(double v) {
  return static_cast<std::int16_t>(v);
}

const std::vector<Formula>& Formulas() {
  static const std::vector<Formula> formulas = {
      {"Log10",
       {{"x", Kind::kDouble, QT_TRANSLATE_NOOP("formula", "a positive number")}},
       false,
       QT_TRANSLATE_NOOP("formula", "common logarithm of x"),
       [](const Args& a) { return Log10(a[0]); }},
      {"RadiationResistance",
       {{"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")},
        {"h", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "height above ground in m")},
        {"realGround", Kind::kFlag, QT_TRANSLATE_NOOP("formula", "-1 real ground, 0 free space")}},
       true,
       QT_TRANSLATE_NOOP("formula", "radiation resistance Rs in ohms"),
       [](const Args& a) { return Checked(RadiationResistance(F(a[0]), F(a[1]), Flag(a[2]))); }},
      {"GroundLossResistance",
       {{"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")},
        {"h", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "height above ground in m")},
        {"L", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "dipole length in m")},
        {"d", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "wire diameter in m")}},
       false,
       QT_TRANSLATE_NOOP("formula", "mean ground loss resistance Rve in ohms"),
       [](const Args& a) { return GroundLossResistance(F(a[0]), F(a[1]), F(a[2]), F(a[3])); }},
      {"ConductorLossResistance",
       {{"L", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "wire length in m")},
        {"d", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "wire diameter in m")},
        {"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")},
        {"sigma", Kind::kSingle,
         QT_TRANSLATE_NOOP("formula", "conductivity in m/(ohm mm^2), 56 for copper")}},
       false,
       QT_TRANSLATE_NOOP("formula", "conductor loss resistance Rv with skin effect in ohms"),
       [](const Args& a) { return ConductorLossResistance(F(a[0]), F(a[1]), F(a[2]), F(a[3])); }},
      {"WireShorteningPercent",
       {{"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")},
        {"d", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "wire diameter in mm")}},
       true,
       QT_TRANSLATE_NOOP("formula", "shortening by the wire thickness in percent"),
       [](const Args& a) { return WireShorteningPercent(F(a[0]), F(a[1])); }},
      {"HeightShorteningPercent",
       {{"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")},
        {"h", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "height above ground in m")},
        {"realGround", Kind::kFlag, QT_TRANSLATE_NOOP("formula", "-1 real ground, 0 free space")}},
       true,
       QT_TRANSLATE_NOOP("formula", "shortening by the height above ground in percent"),
       [](const Args& a) {
         return Checked(HeightShorteningPercent(F(a[0]), F(a[1]), Flag(a[2])));
       }},
      {"InsulationShortening",
       {{"epsR", Kind::kSingle,
         QT_TRANSLATE_NOOP("formula", "relative permittivity of the insulation")},
        {"D", Kind::kSingle,
         QT_TRANSLATE_NOOP("formula", "outer diameter over the insulation in mm")},
        {"dc", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "conductor diameter in mm")},
        {"Vf", Kind::kSingle,
         QT_TRANSLATE_NOOP("formula", "velocity factor of the bare wire, a fraction")}},
       false,
       QT_TRANSLATE_NOOP("formula", "additional shortening by the insulation, a fraction"),
       [](const Args& a) { return InsulationShortening(F(a[0]), F(a[1]), F(a[2]), F(a[3])); }},
      {"ResonantDipoleLength",
       {{"k", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "base factor, 1")},
        {"Vf", Kind::kSingle,
         QT_TRANSLATE_NOOP("formula", "velocity factor of the bare wire, a fraction")},
        {"s", Kind::kDouble, QT_TRANSLATE_NOOP("formula", "insulation shortening, a fraction")},
        {"f", Kind::kSingle, QT_TRANSLATE_NOOP("formula", "frequency in MHz")}},
       true,
       QT_TRANSLATE_NOOP("formula", "length of the resonant dipole in m"),
       [](const Args& a) { return ResonantDipoleLength(F(a[0]), F(a[1]), a[2], F(a[3])); }},
  };
  return formulas;
}

std::string Signature(const Formula& formula) {
  std::string text(formula.name);
  for (const Param& p : formula.params) {
    text += ' ';
    text += p.name;
  }
  return text;
}

std::string KnownNames() {
  std::string text;
  for (const Formula& formula : Formulas()) {
    if (!text.empty()) text += ", ";
    text += formula.name;
  }
  return text;
}

std::string Help() {
  std::string text =
      Tr("formula",
         "velmora-calc formula NAME ARG...\n"
         "  Evaluates one antenna formula and prints its result: 9 significant digits for a\n"
         "  single-precision result, 17 for a double, or \"failed\" (exit status 3) when the\n"
         "  formula fails. Numbers are written with a point (3.6); a single-precision parameter\n"
         "  is rounded to single precision first. Flags are -1 (true) or 0 (false).\n\n"
         "  Functions:\n");
  for (const Formula& formula : Formulas()) {
    text += "    " + Signature(formula) + "\n      -> " + Tr("formula", formula.result.data()) +
            (formula.singleResult ? " (single)" : " (double)") + "\n";
    for (const Param& p : formula.params) {
      text += "      " + std::string(p.name) + ": " + Tr("formula", p.meaning.data()) + "\n";
    }
  }
  text += Tr("formula", "\n  Example: velmora-calc formula RadiationResistance 3.6 12 -1\n");
  return text;
}

// Reads one argument; on failure returns nullopt and sets `problem`.
std::optional<double> ReadArgument(std::string_view text, Kind kind, std::string& problem) {
  std::string_view digits = text;
  if (digits.size() > 1 && digits[0] == '+') digits.remove_prefix(1);
  const char* end = digits.data() + digits.size();
  if (kind == Kind::kFlag) {
    std::int16_t flag = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), end, flag);
    if (ec != std::errc() || ptr != end) {
      problem = Tr("formula", "is not a flag (write -1 for true, 0 for false)");
      return std::nullopt;
    }
    return flag;
  }
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    problem = Tr("formula", "is out of range");
    return std::nullopt;
  }
  if (ec != std::errc() || ptr != end) {
    problem =
        text.find(',') != std::string_view::npos
            ? Tr("formula", "is not a number (write the decimal separator as a point, e.g. 3.6)")
            : Tr("formula", "is not a number");
    return std::nullopt;
  }
  if (!std::isfinite(value)) {
    problem = Tr("formula", "is not a finite number");
    return std::nullopt;
  }
  if (kind == Kind::kSingle) {
    if (std::fabs(value) > FLT_MAX) {
      problem = Tr("formula", "is beyond the single-precision range");
      return std::nullopt;
    }
    value = static_cast<float>(value);
  }
  return value;
}

std::string FormatResult(double value, bool single) {
  std::array<char, 64> buffer;
  const auto result = single
                          ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                          static_cast<float>(value), std::chars_format::general, 9)
                          : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, 17);
  return std::string(buffer.data(), result.ptr);
}

int Run(const QStringList& arguments) {
  QCommandLineParser parser;
  if (!ParseArguments(parser, "formula", arguments, true)) return kExitUsage;
  std::vector<std::string> args;
  for (const QString& a : parser.positionalArguments()) args.push_back(a.toStdString());
  if (args.empty()) {
    return UsageError(
        "formula", Fill(Tr("formula", "missing function name; known functions: %1"), KnownNames()));
  }
  const Formula* formula = nullptr;
  for (const Formula& candidate : Formulas()) {
    if (candidate.name == args[0]) formula = &candidate;
  }
  if (formula == nullptr) {
    return UsageError("formula", Fill(Tr("formula", "unknown function '%1'; known functions: %2"),
                                      args[0], KnownNames()));
  }
  const std::string usage =
      Fill(Tr("formula", "usage: velmora-calc formula %1"), Signature(*formula));
  const std::size_t expected = formula->params.size();
  if (args.size() - 1 != expected) {
    const std::string name(formula->name);
    const std::string got = std::to_string(args.size() - 1);
    return UsageError("formula",
                      (expected == 1 ? Fill(Tr("formula", "%1 takes 1 argument, got %2"), name, got)
                                     : Fill(Tr("formula", "%1 takes %2 arguments, got %3"), name,
                                            std::to_string(expected), got)) +
                          "\n" + usage);
  }
  Args values;
  for (std::size_t i = 0; i < expected; ++i) {
    const Param& param = formula->params[i];
    std::string problem;
    const auto value = ReadArgument(args[i + 1], param.kind, problem);
    if (!value) {
      return UsageError("formula", Fill(Tr("formula", "argument %1 (%2, %3) '%4' %5"),
                                        std::to_string(i + 1), std::string(param.name),
                                        Tr("formula", param.meaning.data()), args[i + 1], problem) +
                                       "\n" + usage);
    }
    values.push_back(*value);
  }
  const Checked result = formula->evaluate(values);
  if (!result.ok()) {
    Out("failed");
    return kExitFormulaFailed;
  }
  Out(FormatResult(result.value(), formula->singleResult));
  return kExitOk;
}

const bool registered = Register(
    {"formula", QT_TRANSLATE_NOOP("velmora-calc", "evaluate one antenna formula"), Help, Run});

}  // namespace
}  // namespace velmora::cli
