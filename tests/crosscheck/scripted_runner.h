// A stand-in for nec2c: answers each deck with a feed-point report per frequency of its FR card
// whose X is 44 ohm per metre of the deck's length beyond resonance at `vf`, with R = 70 ohm; or,
// while `hold` is set, waits in every run for its stop. Safe for several threads at once.
#pragma once

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <mutex>
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
    int count = 0;
    double start = 0.0, step = 0.0;
    std::sscanf(deck.c_str() + deck.find("FR 0 "), "FR 0 %d 0 0 %lf %lf", &count, &start, &step);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      lengths.push_back(length);
    }
    std::string output;
    for (int i = 0; i < count; ++i) {
      const double f = start + i * step;
      char row[240];
      std::snprintf(
          row, sizeof row,
          " FREQUENCY : %.4E MHz\n  ANTENNA INPUT PARAMETERS\n header\n header\n    1   21  "
          "1.0E+00  0.0E+00  1.0E-02  0.0E+00  7.0E+01  %.6E  0.0E+00\n",
          f, 44.0 * (length - vf_ * kSpeedOfLight / f / 2.0));
      output += row;
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
