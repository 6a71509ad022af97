// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/output.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace velmora::nec {
namespace {

constexpr std::string_view kTableTitle = "ANTENNA INPUT PARAMETERS";
constexpr int kHeaderLines = 2;  // the column titles under the table's title
constexpr std::size_t kImpedanceColumn = 6;

std::string_view NextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

// The numbers of a line, NaN and infinities among them, or nothing when a field is not a number
// (nec2c writes "****" for a value that does not fit its field).
std::vector<double> Numbers(std::string_view line) {
  std::vector<double> numbers;
  std::size_t i = 0;
  while (true) {
    i = line.find_first_not_of(" \t\r", i);
    if (i == std::string_view::npos) return numbers;
    const std::size_t end = std::min(line.find_first_of(" \t\r", i), line.size());
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(line.data() + i, line.data() + end, value);
    if (ec != std::errc() || ptr != line.data() + end) return {};
    numbers.push_back(value);
    i = end;
  }
}

Failure Unparsable(const std::string& why) {
  return {ErrorKind::kUnparsableOutput, "Die Ausgabe von nec2c ist nicht lesbar: " + why + "."};
}

}  // namespace

Result<Impedance> ParseInputImpedance(std::string_view output) {
  const std::size_t title = output.find(kTableTitle);
  if (title == std::string_view::npos) {
    return Unparsable("die Tabelle \"ANTENNA INPUT PARAMETERS\" fehlt");
  }
  std::string_view rest = output.substr(title);
  NextLine(rest);
  for (int i = 0; i < kHeaderLines; ++i) NextLine(rest);
  const std::vector<double> row = Numbers(NextLine(rest));
  if (row.size() <= kImpedanceColumn + 1) {
    return Unparsable("die Zeile der Fußpunktimpedanz fehlt oder ist unvollständig");
  }
  const Impedance z{row[kImpedanceColumn], row[kImpedanceColumn + 1]};
  if (!std::isfinite(z.r) || !std::isfinite(z.x)) {
    return Unparsable("die Fußpunktimpedanz ist keine Zahl, nec2c konnte sie nicht berechnen");
  }
  return z;
}

}  // namespace velmora::nec
