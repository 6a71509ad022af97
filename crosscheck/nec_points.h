// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 points over a curve ("NEC-2-Punkte" in the view menu): for the curves of Vf over the
// height and over the frequency and of Rs over the height, NEC-2's value at kCount x values
// evenly over the x axis, shown as markers over the curve. The curve, its title and its request
// stay as they are.
//
// Plain state: the binding runs the searches for Wires() while Computing() (ResonanceJob) and
// hands each result to Found() with the generation it started them for; every change of the
// points to compute makes a new generation, so results of an earlier one are dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/curve_output.h"
#include "curves/curve_request.h"
#include "curves/curve_types.h"
#include "curves/draw_curve.h"
#include "nec/resonance.h"

namespace velmora {

class RetainedSurface;

// The dipoles NEC-2 computes for a curve, with their x values; none, and why not in German, for a
// curve it has no points for.
struct NecPointsPlan {
  CurveType type = CurveType::kUnknown;
  std::vector<double> xs;  // in x axis units
  std::vector<nec::Wire> wires;
  std::string problem;

  bool operator==(const NecPointsPlan&) const = default;
};

// `count` points at X/count, 2X/count ... X for the x full scale X, with the curve's own inputs;
// over average ground, or over a perfect one when the curve was accepted with "Freiraum" ticked
// (`freeSpace`), which is what the formulas' free space stands for.
NecPointsPlan PlanNecPoints(const CurveRequest& request, bool freeSpace, int count);

class NecPoints {
 public:
  static constexpr int kCount = 20;

  struct Marker {
    double x;  // twips from the plot's top-left corner
    double y;
  };

  // The view menu's check mark: off shows and computes nothing, and forgets what was found.
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }
  // A run drew the curve of `request`. The same points as before stay (a redraw for a new size
  // only moves them); others start over.
  void CurveDrawn(const CurveRequest& request, bool freeSpace, const CurveLayout& layout);
  // The plot was cleared.
  void Discard();
  // Esc: stops computing; the points found so far stay.
  void Cancel();
  // While the window is printed: the printout shows the formulas' curve alone.
  void SetHidden(bool hidden) { hidden_ = hidden; }

  // --- for the binding ---
  bool Computing() const { return state_ == State::kComputing; }
  std::uint64_t Generation() const { return generation_; }
  const std::vector<nec::Wire>& Wires() const { return plan_.wires; }
  void Found(std::uint64_t generation, std::size_t index,
             const nec::Result<nec::Resonance>& result);
  // Markers and their legend are drawn.
  bool Shown() const { return enabled_ && !hidden_ && curve_; }
  // The points found, where the plot shows them; empty unless Shown().
  std::vector<Marker> Markers(const RetainedSurface& plot) const;
  // The points found, in axis units, for the read-out and the curve's export; empty unless
  // Shown().
  std::vector<SidePoint> FoundPoints() const;
  // The status bar's panel for the points while they are computed, or where some are missing,
  // with why (the first failure, or the one they were given up after); empty: the panel is
  // hidden.
  std::string StatusText() const;
  // The first failure's message, for the panel's tool tip.
  const std::string& FirstFailure() const { return firstFailure_; }

 private:
  enum class State { kIdle, kComputing, kDone, kCancelled, kMissing, kGaveUp };
  void Restart();

  bool enabled_ = false;
  bool hidden_ = false;
  bool curve_ = false;  // a curve is on the plot
  NecPointsPlan plan_;
  CurveLayout layout_;
  State state_ = State::kIdle;
  std::uint64_t generation_ = 0;
  std::vector<std::optional<double>> values_;  // y of each point, in the y axis labels' unit
  std::size_t reported_ = 0;
  std::size_t failed_ = 0;
  int failedInRow_ = 0;
  std::string firstFailure_;
  std::string gaveUpOn_;  // the failure the points were given up after
};

}  // namespace velmora
