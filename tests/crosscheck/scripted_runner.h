// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for nec2c: answers each deck with a feed-point report per frequency of its FR card
// whose X is 44 ohm per metre of the deck's length beyond resonance at `vf`, with R = 70 ohm; or,
// while `hold` is set, waits in every run for its stop. Safe for several threads at once.
#pragma once

#include <atomic>
#include <charconv>
#include <chrono>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "formulas/antenna.h"
#include "nec/runner.h"

namespace velmora::testing {

class ScriptedRunner : public nec::NecRunner {
 public:
  explicit ScriptedRunner(double vf = 0.96) : vf_(vf) {}

  nec::Result<std::string> Run(const std::string& deck, std::stop_token stop) override {
    ++runs;
    if (hold) {
      while (!stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ++stops;
      return nec::CancelledFailure();
    }
    const double length = 2.0 * Number(deck, "GW 1 41 -");
    // The FR card: "FR 0 count 0 0 start step", read without the C library's locale.
    std::istringstream fr(deck.substr(deck.find("FR 0 ") + 5));
    std::string countText, skip, startText, stepText;
    fr >> countText >> skip >> skip >> startText >> stepText;
    const int count = static_cast<int>(Parse(countText));
    const double start = Parse(startText), step = Parse(stepText);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      lengths.push_back(length);
    }
    // Not printf: under a German C locale it writes "7,0E+01", which nec2c never does.
    std::string output;
    for (int i = 0; i < count; ++i) {
      const double f = start + i * step;
      output += " FREQUENCY : " + Sci(f, 4) +
                " MHz\n  ANTENNA INPUT PARAMETERS\n header\n header\n    1   21  1.0E+00  0.0E+00  "
                "1.0E-02  0.0E+00  7.0E+01  " +
                Sci(44.0 * (length - vf_ * kSpeedOfLight / f / 2.0), 6) + "  0.0E+00\n";
    }
    return output;
  }

  std::vector<double> Lengths() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return lengths;
  }

  std::atomic<bool> hold = false;
  std::atomic<int> runs = 0;
  std::atomic<int> stops = 0;  // held runs that saw their stop

 private:
  static double Parse(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }
  static std::string Sci(double value, int digits) {
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits).ptr;
    return std::string(text, static_cast<std::size_t>(end - text));
  }
  static double Number(const std::string& deck, const char* after) {
    double value = 0.0;
    const std::size_t at = deck.find(after) + std::char_traits<char>::length(after);
    std::from_chars(deck.data() + at, deck.data() + deck.size(), value);
    return value;
  }

  const double vf_;
  std::mutex mutex_;
  std::vector<double> lengths;
};

}  // namespace velmora::testing
