// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-bench: runs the benchmarks, then prints each measurement as a ratio against its floor
// from the same run and checks the targets: a design-size curve with its image within 3x of its
// formula loop, a 4K-wide redraw within 16 ms, a NEC-2 resonance search within 50 ms in free
// space and 300 ms over average ground, of bare and of insulated wire, a band design's closed
// form within 1 ms and its NEC-2 side within 0.6 s, the sweep split over two nec2c runs in at
// most 0.6 of one run's time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_results.h"

#ifdef VELMORA_BENCH_QT
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#endif

namespace velmora::bench {
namespace {

// Shows the usual table and keeps each benchmark's real time per iteration, in milliseconds.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      // With repetitions the fastest one counts: the others carry the machine's other load.
      const double ms = run.real_accumulated_time * 1e3 / static_cast<double>(run.iterations);
      std::string name = run.benchmark_name();
      const std::string realTime = "/real_time";  // what UseRealTime() appends
      if (name.size() > realTime.size() &&
          name.compare(name.size() - realTime.size(), realTime.size(), realTime) == 0) {
        name.resize(name.size() - realTime.size());
      }
      auto [it, added] = ms_.emplace(name, ms);
      if (!added && ms < it->second) it->second = ms;
    }
  }

  const double* Find(const std::string& name) const {
    auto it = ms_.find(name);
    return it == ms_.end() ? nullptr : &it->second;
  }

  // Returns the number of targets missed.
  int PrintSummary() const {
    int missed = 0;
    std::printf("\nCurves, per run (ms), and as a multiple of the bare formula loop:\n");
    std::printf("%-24s %10s %10s %8s %12s %8s  %s\n", "case", "floor", "engine", "x floor",
                "with image", "x floor", "target");
    for (const auto& [name, floor] : ms_) {
      if (name.rfind("Floor/", 0) != 0) continue;
      const std::string key = name.substr(6);
      const double* engine = Find("Curve/" + key);
      const double* image = Find("CurveImage/" + key);
      if (engine == nullptr) continue;
      std::string target;
      if (image != nullptr && key.find("EveryPointFails") == std::string::npos) {
        if (key.size() > 7 && key.compare(key.size() - 7, 7, "/design") == 0) {
          const bool ok = *image <= kMaxRatioToFloor * floor;
          target = std::string(ok ? "ok" : "MISSED") + " (image within 3x of floor)";
          missed += !ok;
        } else if (key.size() > 3 && key.compare(key.size() - 3, 3, "/4K") == 0) {
          const bool ok = *image <= kMaxRedrawMs;
          target = std::string(ok ? "ok" : "MISSED") + " (image within 16 ms)";
          missed += !ok;
        }
      }
      if (image != nullptr) {
        std::printf("%-24s %10.3f %10.3f %8.2f %12.3f %8.2f  %s\n", key.c_str(), floor, *engine,
                    *engine / floor, *image, *image / floor, target.c_str());
      } else {
        std::printf("%-24s %10.3f %10.3f %8.2f %12s %8s\n", key.c_str(), floor, *engine,
                    *engine / floor, "-", "-");
      }
    }
    std::printf("\nSingle-value calculation, per OK (us), and as a multiple of its formulas:\n");
    for (const auto& [name, floor] : ms_) {
      if (name.rfind("SingleFloor/", 0) != 0) continue;
      const std::string key = name.substr(12);
      if (const double* single = Find("Single/" + key)) {
        std::printf("%-24s %10.3f %10.3f %8.1f\n", key.c_str(), floor * 1e3, *single * 1e3,
                    *single / floor);
      }
    }
    std::printf("\nNEC-2 resonance search, per search (ms), and as a multiple of one nec2c run:\n");
    std::printf("%-24s %10s %10s %8s %10s  %s\n", "ground", "run", "search", "x run", "start",
                "target");
    const double* start = Find("NecProcessStart");
    for (const auto& [ground, maxMs] :
         {std::pair{"free", kMaxNecSearchFreeMs}, std::pair{"average", kMaxNecSearchAverageMs},
          std::pair{"insulated-average", kMaxNecSearchInsulatedMs}}) {
      const double* run = Find(std::string("NecRun/") + ground);
      const double* search = Find(std::string("NecSearch/") + ground);
      if (run == nullptr || search == nullptr) {
        std::printf("%-24s (not measured: nec2c missing or filtered out)\n", ground);
        continue;
      }
      const bool ok = *search <= maxMs;
      missed += !ok;
      std::printf("%-24s %10.3f %10.3f %8.2f %10.3f  %s (within %.0f ms)\n", ground, *run, *search,
                  *search / *run, start != nullptr ? *start : 0.0, ok ? "ok" : "MISSED", maxMs);
    }
    std::printf(
        "\nBand design (ms): closed form, NEC-2 side, its sweep in one and two nec2c runs:\n");
    const double* closedForm = Find("BandClosedForm");
    const double* nec = Find("BandNec/iterations:3");
    const double* one = Find("BandSweep/1/iterations:3");
    const double* two = Find("BandSweep/2/iterations:3");
    if (closedForm != nullptr) {
      missed += *closedForm > kMaxBandClosedFormMs;
      std::printf("%-24s %10.4f  %s (within %.0f ms)\n", "closed form", *closedForm,
                  *closedForm <= kMaxBandClosedFormMs ? "ok" : "MISSED", kMaxBandClosedFormMs);
    }
    if (nec != nullptr && one != nullptr && two != nullptr) {
      missed += (*nec > kMaxBandNecMs) + (*two / *one > kMaxBandSplitRatio);
      std::printf("%-24s %10.1f  %s (within %.0f ms)\n", "NEC-2 side", *nec,
                  *nec <= kMaxBandNecMs ? "ok" : "MISSED", kMaxBandNecMs);
      std::printf("%-24s %10.1f %10.1f %8.2f  %s (at most %.1f)\n", "sweep one, two runs", *one,
                  *two, *two / *one, *two / *one <= kMaxBandSplitRatio ? "ok" : "MISSED",
                  kMaxBandSplitRatio);
    } else {
      std::printf("%-24s (not measured: nec2c missing or filtered out)\n", "NEC-2 side");
    }
    const double* big = Find("Hallway/big");
    const double* small = Find("Hallway/small");
    if (big != nullptr && small != nullptr) {
      const bool ok = *big <= kMaxHallwayRatio * *small;
      missed += !ok;
      std::printf(
          "\nA key in the single-value dialog (us): over a 4K window with a curve %.1f, "
          "over a small empty one %.1f, x %.2f  %s (within %.1fx)\n",
          *big * 1e3 / 2, *small * 1e3 / 2, *big / *small, ok ? "ok" : "MISSED", kMaxHallwayRatio);
    }
    if (!CanPaintImages()) std::printf("\n(built without Qt: no image benchmarks)\n");
    std::printf("\ntargets missed: %d\n", missed);
    return missed;
  }

 private:
  std::map<std::string, double> ms_;
};

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
#ifdef VELMORA_BENCH_QT
  // Painting needs fonts and the hallway benchmark widgets, so an application, but no display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/velmora-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  }
  QApplication app(argc, argv);
#endif
  velmora::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintSummary();
  return 0;
}
