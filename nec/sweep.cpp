// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/sweep.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <thread>

#include "nec/output.h"

namespace velmora::nec {
namespace {

constexpr std::string_view kFrequencyTitle = "FREQUENCY :";
// nec2c prints the frequency as 1.2345E+00: five digits.
constexpr double kPrintedPrecision = 1e-4;

Failure Unparsable(const std::string& why) {
  return {ErrorKind::kUnparsableOutput, "Die Ausgabe von nec2c ist nicht lesbar: " + why + "."};
}

std::optional<double> LeadingNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::vector<Frequencies> SplitFrequencies(const Frequencies& frequencies, int parts) {
  parts = std::clamp(parts, 1, std::max(frequencies.count, 1));
  std::vector<Frequencies> runs;
  int first = 0;
  for (int part = 0; part < parts; ++part) {
    const int count = frequencies.count / parts + (part < frequencies.count % parts ? 1 : 0);
    runs.push_back(
        {frequencies.startMHz + first * frequencies.stepMHz, frequencies.stepMHz, count});
    first += count;
  }
  return runs;
}

Result<std::vector<SweepPoint>> ParseSweep(std::string_view output,
                                           const Frequencies& frequencies) {
  std::vector<SweepPoint> points;
  std::size_t at = output.find(kFrequencyTitle);
  while (at != std::string_view::npos) {
    const std::size_t next = output.find(kFrequencyTitle, at + kFrequencyTitle.size());
    const std::string_view block =
        output.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at);
    const double expected =
        frequencies.startMHz + static_cast<double>(points.size()) * frequencies.stepMHz;
    const std::optional<double> printed = LeadingNumber(block.substr(kFrequencyTitle.size()));
    if (static_cast<int>(points.size()) >= frequencies.count || !printed ||
        std::fabs(*printed - expected) > kPrintedPrecision * std::fabs(expected)) {
      return Unparsable("die Frequenzen der Tabellen passen nicht zur Karte FR");
    }
    const Result<Impedance> z = ParseInputImpedance(block);
    if (!z.ok()) return z.failure();
    points.push_back({expected, {z.value().r, z.value().x}});
    at = next;
  }
  if (static_cast<int>(points.size()) != frequencies.count) {
    return Unparsable("nur " + std::to_string(points.size()) + " von " +
                      std::to_string(frequencies.count) + " Frequenzen wurden gerechnet");
  }
  return points;
}

Result<std::vector<SweepPoint>> RunSweep(NecRunner& runner, const Wire& wire, double lengthM,
                                         const Frequencies& frequencies, std::stop_token stop) {
  if (std::optional<Failure> refused = CheckWire(wire, lengthM)) return *refused;
  const double last = frequencies.startMHz + (frequencies.count - 1) * frequencies.stepMHz;
  if (frequencies.count < 1 || !(std::min(frequencies.startMHz, last) >= kMinFrequencyMHz) ||
      !(std::max(frequencies.startMHz, last) <= kMaxFrequencyMHz)) {
    return Failure{ErrorKind::kInvalidInput,
                   "Die Frequenzen des Durchlaufs liegen nicht alle zwischen 0,01 und 3000 MHz."};
  }
  if (stop.stop_requested()) return CancelledFailure();
  const Result<std::string> output = runner.Run(WriteDeck(wire, lengthM, frequencies), stop);
  if (!output.ok()) return output.failure();
  return ParseSweep(output.value(), frequencies);
}

Result<std::vector<SweepPoint>> RunSweepInParts(NecRunner& runner, const Wire& wire, double lengthM,
                                                const Frequencies& frequencies, int parts,
                                                std::stop_token stop) {
  const std::vector<Frequencies> runs = SplitFrequencies(frequencies, parts);
  std::vector<std::optional<Result<std::vector<SweepPoint>>>> results(runs.size());
  std::stop_source stopAll;
  {
    const std::stop_callback forward(stop, [&] { stopAll.request_stop(); });
    std::vector<std::jthread> threads;
    for (std::size_t i = 1; i < runs.size(); ++i) {
      threads.emplace_back([&, i] {
        results[i] = RunSweep(runner, wire, lengthM, runs[i], stopAll.get_token());
        if (!results[i]->ok()) stopAll.request_stop();
      });
    }
    results[0] = RunSweep(runner, wire, lengthM, runs[0], stopAll.get_token());
    if (!results[0]->ok()) stopAll.request_stop();
  }  // joins the threads
  std::vector<SweepPoint> points;
  // A run stopped because another failed reports the other's failure, not "abgebrochen".
  const auto failed = std::find_if(results.begin(), results.end(), [](const auto& r) {
    return !r->ok() && r->failure().kind != ErrorKind::kCancelled;
  });
  if (failed != results.end()) return (*failed)->failure();
  for (const auto& result : results) {
    if (!result->ok()) return result->failure();
    points.insert(points.end(), result->value().begin(), result->value().end());
  }
  // The frequencies as one run has them, not as each part's start rounds them.
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i].frequencyMHz = frequencies.startMHz + static_cast<double>(i) * frequencies.stepMHz;
  }
  return points;
}

}  // namespace velmora::nec
