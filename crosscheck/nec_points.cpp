// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/nec_points.h"

#include <cmath>

#include "crosscheck/resonance_job.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/retained_surface.h"
#include "single/materials.h"

namespace velmora {
namespace {

constexpr std::size_t kReasonChars = 100;  // the whole text is in the panel's tool tip

// The conductor of a curve that does not read its material box: copper.
double Conductivity(const std::string& materialText) {
  const float sigma = ParseDecimal(materialText);
  return Widen(sigma > 0.0f ? sigma : ParseDecimal(kDefaultConductor)) * 1e6;
}

}  // namespace

NecPointsPlan PlanNecPoints(const CurveRequest& request, bool freeSpace, int count) {
  NecPointsPlan plan;
  plan.type = CurveTypeOf(request.curveName);
  if (plan.type != CurveType::kVfH && plan.type != CurveType::kVfF && plan.type != CurveType::kRs) {
    plan.problem = "nur für Vf bei h, Vf bei f und Rs";
    return plan;
  }
  const double in1 = Widen(ParseDecimal(request.value1Text));
  const double diameter = Widen(ParseDecimal(request.value2Text));
  const double in3 = Widen(ParseDecimal(request.value3Text));
  const double xFullScale = request.xFullScale;
  if (xFullScale <= 0.0) {
    plan.problem = "die X-Meßlänge ist 0";
    return plan;
  }
  if (!(diameter > 0.0)) {
    plan.problem = "ohne Drahtdurchmesser rechnet NEC-2 nicht";
    return plan;
  }
  const nec::Ground ground = freeSpace ? nec::Ground::kPerfect : nec::Ground::kAverage;
  const double sigma = Conductivity(request.materialText);
  for (int i = 1; i <= count; ++i) {
    const double x = xFullScale * i / count;
    const bool overFrequency = plan.type == CurveType::kVfF;
    // Over the frequency the height is value 1; otherwise x is the height, value 3 the frequency.
    nec::Wire wire{overFrequency ? x : in3,
                   overFrequency ? in1 : x,
                   diameter,
                   sigma,
                   ground,
                   nec::kDefaultSegments,
                   std::nullopt};
    plan.xs.push_back(x);
    plan.wires.push_back(wire);
  }
  return plan;
}

void NecPoints::Restart() {
  ++generation_;
  values_.assign(plan_.wires.size(), std::nullopt);
  reported_ = 0;
  failed_ = 0;
  failedInRow_ = 0;
  firstFailure_.clear();
  gaveUpOn_.clear();
  state_ = enabled_ && curve_ && !plan_.wires.empty() ? State::kComputing : State::kIdle;
}

void NecPoints::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Restart();
}

void NecPoints::CurveDrawn(const CurveRequest& request, bool freeSpace, const CurveLayout& layout) {
  layout_ = layout;
  NecPointsPlan plan = PlanNecPoints(request, freeSpace, kCount);
  if (curve_ && plan == plan_) return;
  curve_ = true;
  plan_ = std::move(plan);
  Restart();
}

void NecPoints::Discard() {
  curve_ = false;
  plan_ = NecPointsPlan();
  Restart();
}

void NecPoints::Cancel() {
  if (state_ != State::kComputing) return;
  ++generation_;
  state_ = State::kCancelled;
}

void NecPoints::Found(std::uint64_t generation, std::size_t index,
                      const nec::Result<nec::Resonance>& result) {
  if (generation != generation_ || state_ != State::kComputing || index >= values_.size()) return;
  ++reported_;
  if (result.ok()) {
    const nec::Resonance& r = result.value();
    values_[index] = plan_.type == CurveType::kRs ? r.impedance.r : r.vf;
    failedInRow_ = 0;
  } else {
    ++failed_;
    const nec::Failure& failure = result.failure();
    if (firstFailure_.empty()) firstFailure_ = failure.message;
    if (GivesUp(failure, ++failedInRow_)) {
      // The search of the rest, if any still runs, ends with the generation.
      ++generation_;
      state_ = failure.kind == nec::ErrorKind::kNotInstalled ? State::kMissing : State::kGaveUp;
      gaveUpOn_ = failedInRow_ == 1
                      ? failure.message
                      : std::to_string(failedInRow_) +
                            " Punkte in Folge ohne Ergebnis, zuletzt: " + failure.message;
      return;
    }
  }
  if (reported_ == values_.size()) state_ = State::kDone;
}

std::vector<NecPoints::Marker> NecPoints::Markers(const RetainedSurface& plot) const {
  std::vector<Marker> markers;
  if (!Shown()) return markers;
  const CurveLayout& l = layout_;
  const double q = l.percent ? 100.0 : 1.0;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (!values_[i]) continue;
    // Where the curve engine sets its point for this x and value.
    const double p = plan_.xs[i] * l.ux;
    const double n = (*values_[i] * q - l.k0) * l.uy;
    if (!std::isfinite(n) || n > l.T || p > l.N) continue;
    markers.push_back({plot.ToTwipsX(l.m + p), plot.ToTwipsY(l.m + n)});
  }
  return markers;
}

std::vector<SidePoint> NecPoints::FoundPoints() const {
  std::vector<SidePoint> found;
  if (!Shown()) return found;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (values_[i]) found.push_back({plan_.xs[i], *values_[i]});
  }
  return found;
}

std::string NecPoints::StatusText() const {
  if (!enabled_ || hidden_ || !curve_) return {};
  const std::string prefix = "NEC-2-Punkte: ";
  if (plan_.wires.empty()) return prefix + plan_.problem;
  const std::string found =
      std::to_string(reported_ - failed_) + " von " + std::to_string(values_.size());
  const std::string failures =
      failed_ == 0 ? "" : " (" + std::to_string(failed_) + " ohne Ergebnis)";
  switch (state_) {
    case State::kComputing:
      return prefix + found + " …" + failures + " (Esc bricht ab)";
    case State::kCancelled:
      return prefix + "abgebrochen, " + found + failures +
             (failed_ == 0 ? "" : ": " + Clip(firstFailure_, kReasonChars));
    case State::kMissing:
      return prefix + "nec2c fehlt (" + nec::kInstallHint + ")";
    case State::kGaveUp:
      return prefix + "aufgegeben bei " + found + failures + ": " + Clip(gaveUpOn_, kReasonChars);
    case State::kDone:
      // All there: the markers and their legend say it.
      if (failed_ == 0) return {};
      return prefix + found + failures + ": " + Clip(firstFailure_, kReasonChars);
    case State::kIdle:
      break;
  }
  return prefix + found + failures;
}

}  // namespace velmora
