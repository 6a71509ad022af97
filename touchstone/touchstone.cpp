// SPDX-License-Identifier: GPL-3.0-or-later
#include "touchstone/touchstone.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <system_error>

namespace velmora::touchstone {
namespace {

// A token as it may appear in a message: printable ASCII only, and not too long.
std::string Shown(std::string_view token) {
  constexpr std::size_t kLongest = 24;
  std::string shown;
  for (const char c : token.substr(0, kLongest)) {
    shown += c >= 0x20 && c < 0x7f ? c : '?';
  }
  if (token.size() > kLongest) shown += "...";
  return shown;
}

std::string Quoted(std::string_view token) {
  return "\u201e" + Shown(token) + "\u201c";
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The next blank-separated token of `rest`, which moves past it; empty at the end. Tokens are
// taken one at a time: a long line of them must cost no more memory than its own bytes.
std::string_view NextToken(std::string_view& rest) {
  std::size_t start = 0;
  while (start < rest.size() && IsBlank(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  const std::string_view token = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return token;
}

std::string Lower(std::string_view token) {
  std::string lower(token);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

class Reader {
 public:
  ReadResult Run(std::string_view text) {
    if (text.size() > kMaxBytes) {
      Fail(0, "Die Datei ist größer als 16 MiB und wird nicht gelesen.");
      return std::move(result_);
    }
    // Editors on some systems start a UTF-8 file with a byte order mark.
    std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    // A last line break ends the last line; it starts no new one.
    while (start < text.size() || line_ == 0) {
      ++line_;
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view content = text.substr(start, end - start);
      content = content.substr(0, content.find('!'));
      if (!Line(content)) return std::move(result_);
      start = end + 1;
    }
    if (sweep_.points.empty()) {
      Fail(line_, "Die Datei enthält bis zu ihrem Ende keinen Messpunkt.");
      return std::move(result_);
    }
    result_.sweep = std::move(sweep_);
    return std::move(result_);
  }

 private:
  void Fail(int line, const std::string& message) {
    result_.error = {line, line > 0 ? "Zeile " + std::to_string(line) + ": " + message : message};
  }
  bool Error(const std::string& message) {
    Fail(line_, message);
    return false;
  }

  bool Line(std::string_view content) {
    std::string_view rest = content;
    const std::string_view first = NextToken(rest);
    if (first.empty()) return true;
    if (first.front() == '#') return OptionLine(content.substr(content.find('#') + 1));
    if (first.front() == '[') {
      return Error("Touchstone 2.0 (" + Quoted(first) +
                   ") wird nicht gelesen, nur Touchstone 1.0.");
    }
    return DataLine(content);
  }

  bool OptionLine(std::string_view content) {
    if (optionsSeen_) return true;  // only the first option line counts
    if (!sweep_.points.empty()) {
      return Error("Die Optionszeile steht nach den ersten Messpunkten.");
    }
    optionsSeen_ = true;
    Options& o = sweep_.options;
    std::string_view rest = content;
    for (std::string_view token = NextToken(rest); !token.empty(); token = NextToken(rest)) {
      const std::string t = Lower(token);
      if (t == "hz" || t == "khz" || t == "mhz" || t == "ghz") {
        o.unitHz = t == "hz" ? 1.0 : t == "khz" ? 1e3 : t == "mhz" ? 1e6 : 1e9;
      } else if (t == "s" || t == "z") {
        o.parameter = t == "s" ? Parameter::kS : Parameter::kZ;
      } else if (t == "y" || t == "h" || t == "g") {
        return Error("Parameter " + Quoted(token) + " wird nicht gelesen, nur S oder Z.");
      } else if (t == "ri" || t == "ma" || t == "db") {
        o.format = t == "ri" ? Format::kRI : t == "ma" ? Format::kMA : Format::kDB;
      } else if (t == "r") {
        const std::string_view value = NextToken(rest);
        if (value.empty()) return Error("Nach \u201eR\u201c fehlt der Bezugswiderstand.");
        double r = 0.0;
        if (!Number(value, r)) return false;
        if (r <= 0.0) {
          return Error("Der Bezugswiderstand " + Quoted(value) + " ist nicht größer als 0.");
        }
        o.referenceOhm = r;
      } else {
        return Error(Quoted(token) + " ist in der Optionszeile unbekannt.");
      }
    }
    return true;
  }

  // A finite number, the whole token.
  bool Number(std::string_view token, double& value) {
    std::string_view digits = token;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
      return Error(Quoted(token) + " liegt außerhalb des Zahlenbereichs.");
    }
    if (ec != std::errc() || end != digits.data() + digits.size()) {
      return Error(Quoted(token) + " ist keine Zahl.");
    }
    if (!std::isfinite(value)) return Error(Quoted(token) + " ist keine endliche Zahl.");
    return true;
  }

  bool DataLine(std::string_view content) {
    std::string_view tokens[3];
    std::size_t count = 0;
    for (std::string_view token = NextToken(content); !token.empty(); token = NextToken(content)) {
      if (count < 3) tokens[count] = token;
      ++count;
    }
    if (count != 3) {
      return Error(
          "Eine Zeile mit Messwerten braucht genau 3 Zahlen (Frequenz und zwei Werte), "
          "hier stehen " +
          std::to_string(count) + ".");
    }
    double f = 0.0;
    double a = 0.0;
    double b = 0.0;
    if (!Number(tokens[0], f) || !Number(tokens[1], a) || !Number(tokens[2], b)) return false;
    if (f < 0.0) return Error("Die Frequenz " + Quoted(tokens[0]) + " ist negativ.");
    const Options& o = sweep_.options;
    const double mhz = f * o.unitHz / 1e6;
    if (!std::isfinite(mhz)) {
      return Error("Die Frequenz " + Quoted(tokens[0]) + " liegt außerhalb des Zahlenbereichs.");
    }
    // Compared in MHz: two frequencies a last digit apart may meet there.
    if (!sweep_.points.empty() && !(mhz > sweep_.points.back().frequencyMHz)) {
      return Error("Die Frequenz " + Quoted(tokens[0]) + " liegt nicht über der vorigen.");
    }
    if (sweep_.points.size() == kMaxPoints) {
      return Error("Die Datei hat mehr als 100.000 Frequenzen und wird nicht gelesen.");
    }
    std::complex<double> value;
    if (o.format == Format::kRI) {
      value = {a, b};
    } else {
      const double magnitude = o.format == Format::kMA ? a : std::pow(10.0, a / 20.0);
      if (magnitude < 0.0) return Error("Der Betrag " + Quoted(tokens[1]) + " ist negativ.");
      if (!std::isfinite(magnitude)) {
        return Error("Der Wert " + Quoted(tokens[1]) + " dB liegt außerhalb des Zahlenbereichs.");
      }
      const double radians = b * std::numbers::pi / 180.0;
      value = {magnitude * std::cos(radians), magnitude * std::sin(radians)};
    }
    std::complex<double> z;
    if (o.parameter == Parameter::kZ) {
      z = value * o.referenceOhm;
      if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) {
        return Error("Die Impedanz liegt außerhalb des Zahlenbereichs.");
      }
    } else {
      z = value == 1.0 ? kOpenCircuitZ : o.referenceOhm * (1.0 + value) / (1.0 - value);
      // Next to S = 1 the quotient can overflow: that is an open circuit too.
      if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) z = kOpenCircuitZ;
    }
    sweep_.points.push_back({mhz, z});
    return true;
  }

  Sweep sweep_;
  ReadResult result_;
  bool optionsSeen_ = false;
  int line_ = 0;
};

std::string Shortest(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

ReadResult Read(std::string_view text) {
  return Reader().Run(text);
}

ReadResult ReadFile(const std::string& path) {
  const auto refuse = [](const std::string& message) {
    ReadResult result;
    result.error = {0, message};
    return result;
  };
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return refuse("Die Datei gibt es nicht.");
  // A pipe or a device could block or never end.
  if (!std::filesystem::is_regular_file(status)) {
    return refuse("Das ist keine gewöhnliche Datei.");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxBytes) {
    return refuse("Die Datei ist größer als 16 MiB und wird nicht gelesen.");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return refuse("Die Datei lässt sich nicht öffnen.");
  // The file may have grown since its size was asked: it is read in pieces up to the limit.
  std::string text;
  char piece[1 << 16];
  while (in.read(piece, sizeof piece) || in.gcount() > 0) {
    text.append(piece, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxBytes) {
      return refuse("Die Datei ist größer als 16 MiB und wird nicht gelesen.");
    }
  }
  if (in.bad()) return refuse("Die Datei lässt sich nicht lesen.");
  return Read(text);
}

std::string Write(std::span<const Point> points, double z0, const Header& header) {
  if (!(z0 > 0.0) || !std::isfinite(z0)) return {};
  std::string text;
  const std::pair<const char*, const std::string*> comments[] = {
      {"Programm", &header.program},
      {"Draht", &header.wire},
      {"Höhe", &header.height},
      {"Boden", &header.ground},
  };
  for (const auto& [label, value] : comments) {
    if (!value->empty()) text += std::string("! ") + label + ": " + OneLine(*value) + "\n";
  }
  text += "# MHz S RI R " + Shortest(z0) + "\n";
  std::optional<double> last;
  for (const Point& p : points) {
    const std::complex<double> s = (p.z - z0) / (p.z + z0);
    const bool readable = std::isfinite(p.frequencyMHz) && p.frequencyMHz >= 0.0 &&
                          (!last || p.frequencyMHz > *last) && std::isfinite(s.real()) &&
                          std::isfinite(s.imag());
    if (!readable) continue;
    text += Shortest(p.frequencyMHz) + " " + Shortest(s.real()) + " " + Shortest(s.imag()) + "\n";
    last = p.frequencyMHz;
  }
  return text;
}

}  // namespace velmora::touchstone
