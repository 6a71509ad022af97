// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/draw_curve.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "curves/curve_types.h"
#include "curves/frm_eingabe.h"
#include "formulas/antenna.h"
#include "formulas/checked.h"
#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/plot_style.h"
#include "platform/surface.h"

namespace velmora {
namespace {

constexpr std::string_view kWrongFormula = " Falsche Formel !";

// Stores a 32-bit conversion (half to even) unless it does not fit.
bool Set32(std::int32_t& target, Checked value) {
  const std::optional<std::int32_t> r = ToInt32(value);
  if (r) target = *r;
  return r.has_value();
}

// a \ b: integer division truncating toward zero; fails on division by zero or overflow.
bool IntDiv(std::int32_t& target, std::int64_t a, std::int64_t b) {
  if (b == 0) return false;
  const std::int64_t r = a / b;
  if (r < INT32_MIN || r > INT32_MAX) return false;
  target = static_cast<std::int32_t>(r);
  return true;
}

// The number of characters of a UTF-8 text.
std::int32_t Length(std::string_view text) {
  std::int32_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// Surface coordinates are single precision; a value beyond it (or not finite) fails the step.
// Inlined: returned from a call, the optional passes through memory and stalls every point.
[[gnu::always_inline]] inline std::optional<float> Coordinate(Checked v) {
  float r = 0;
  if (!Assign(r, v)) return std::nullopt;
  return r;
}

class Run {
 public:
  Run(CurveRequest& request, CurveContext& context)
      : req_(request),
        ctx_(context),
        s_(context.picture1),
        trace_(context.trace),
        sep_(context.platform.DecimalSeparator()) {}

  CurveLayout Execute();

 private:
  void Line(Checked x1, Checked y1, Checked x2, Checked y2);
  void Point(Checked x, Checked y, bool curvePoint);
  void SetX(Checked x);
  void SetY(Checked y);
  void DrawAxes();
  void DrawYTicks();
  void DrawYUnitAndName();
  void DrawXTicks();
  void DrawXUnitAndName();
  void Sample();
  bool EvaluatePoint(CurveType type);  // false for an unrecognised curve name
  std::string Title() const;
  void Finish();

  CurveRequest& req_;
  CurveContext& ctx_;
  DrawingSurface& s_;
  CurveTrace* trace_;
  char sep_;

  // Layout numbers; all start at 0 per run.
  float W_ = 0;
  float H_ = 0;
  std::int32_t m_ = 0;
  std::int32_t uy_ = 0;
  std::int32_t ux_ = 0;
  std::int32_t y0_ = 0;
  std::int32_t k0_ = 0;
  std::int32_t k_ = 0;
  std::int32_t kx_ = 0;
  std::int32_t N_ = 0;
  std::int32_t T_ = 0;
  std::int16_t Y_ = 0;
  std::int16_t X_ = 0;
  std::int16_t q_ = 0;
  float g_ = 0;

  // Working values of the computation.
  float in1_ = 0, in2_ = 0, in3_ = 0, sigma_ = 0;
  float L_ = 0, d_ = 0, h_ = 0, f_ = 0, dmm_ = 0, dm_ = 0;
  float Rv_ = 0, R_ = 0, Rs_ = 0, w_ = 0, sh_ = 0;
  double Rve_ = 0, Z_ = 0;
  std::int16_t realGround_ = 0;
  double x_ = 0, dx_ = 0, y_ = 0, n_ = 0;
  std::int32_t p_ = 0;
};

void Run::Line(Checked x1, Checked y1, Checked x2, Checked y2) {
  const auto a = Coordinate(x1), b = Coordinate(y1), c = Coordinate(x2), d = Coordinate(y2);
  if (a && b && c && d) s_.Line(*a, *b, *c, *d);
}

void Run::Point(Checked x, Checked y, bool curvePoint) {
  const auto a = Coordinate(x), b = Coordinate(y);
  if (!a || !b) return;
  s_.Point(*a, *b);
  if (curvePoint && trace_ != nullptr) trace_->points.push_back({p_, *a, *b});
}

void Run::SetX(Checked x) {
  if (const auto v = Coordinate(x)) s_.SetCurrentX(*v);
}

void Run::SetY(Checked y) {
  if (const auto v = Coordinate(y)) s_.SetCurrentY(*v);
}

CurveLayout Run::Execute() {
  s_.SetUnitTwips();
  s_.SetLineWidth(kPlotStyle.axisWidth);

  // Factor 100: a full scale of 1 means fractions shown as percent of the full scale.
  if (req_.yFullScale <= 1) {
    if (const auto v = ToInt16(Checked(req_.yFullScale) * 100)) req_.yFullScale = *v;
  }
  const bool percent = req_.yFullScale == 100;
  q_ = percent ? 100 : 1;
  g_ = percent ? 0.5f : 1.0f;
  Y_ = req_.yFullScale;
  X_ = req_.xFullScale;

  W_ = static_cast<float>(s_.ScaleWidth());
  H_ = static_cast<float>(s_.ScaleHeight());
  if (const auto w = ToInt32(Checked(W_))) IntDiv(m_, *w, 20);
  if (const auto a = ToInt32(Checked(H_) - 2.0 * m_)) IntDiv(uy_, *a, Y_);
  Set32(uy_, Checked(static_cast<double>(uy_) + uy_ / 200) / Checked(g_));
  if (const auto a = ToInt32(Checked(W_) - 2.0 * m_)) IntDiv(ux_, *a, X_);
  Set32(ux_, Checked(ux_) - Checked(ux_) / 20.0);
  if (ux_ < 2) ux_ = 1;

  s_.SetScaleLeft(1);
  s_.SetScaleTop(H_);
  s_.SetScaleHeight(-static_cast<double>(H_));
  s_.Clear();

  DrawAxes();
  DrawYTicks();
  DrawYUnitAndName();
  DrawXTicks();
  DrawXUnitAndName();

  Set32(N_, Checked(1.1 * m_) + static_cast<double>(kx_) * ux_);
  Set32(T_, Checked(static_cast<double>(uy_) * Y_) - m_);

  CurveLayout layout{m_, uy_, ux_, y0_, k0_, kx_, N_, T_, Y_, X_, percent};
  if (trace_ != nullptr) trace_->layout = layout;
  Sample();
  Finish();
  return layout;
}

void Run::DrawAxes() {
  Line(m_, m_, m_, 1.1 * Checked(uy_) * (Checked(Y_) * g_ + 1));
  Line(m_, m_, Checked(ux_) * (X_ + 1), m_);
  s_.SetLineWidth(kPlotStyle.lineWidth);
  Point(m_, m_, false);
}

void Run::DrawYTicks() {
  const std::int16_t s = TickStep(Y_);
  k_ = -1;
  std::int32_t E = 0;
  Set32(E, Checked(static_cast<double>(uy_)) * (Y_ + 1));
  if (g_ == 1.0f) {
    y0_ = m_;
    k0_ = 0;
  } else {
    Set32(y0_, Checked(g_) * uy_ * (Y_ + 1));
    IntDiv(k0_, y0_, uy_);
  }
  // A zero step would never reach the end: no ticks then.
  if (uy_ == 0) return;
  for (std::int64_t i = m_; uy_ > 0 ? i <= E : i >= E; i += uy_) {
    if (i < y0_) continue;
    ++k_;
    const double t = static_cast<double>(k_) * uy_ + m_;
    SetY(1.25 * m_ + static_cast<double>(k_) * uy_);
    SetX(0.1 * m_);
    const bool longTick = k_ % s == 0;
    const double half = s / 2.0;
    const double quotient = k_ / half;
    const bool halfTick =
        !longTick && quotient == static_cast<double>(static_cast<std::int64_t>(quotient));
    std::optional<std::string> label;
    if (longTick || halfTick) {
      const std::int64_t value = static_cast<std::int64_t>(k_) + k0_;
      label = q_ == 1 ? FormatGeneral(static_cast<double>(value), sep_)
                      : FormatPattern(static_cast<double>(value) / 100, "0.00", sep_);
      s_.Print(*label);
    }
    const int length = longTick   ? kPlotStyle.longTick
                       : halfTick ? kPlotStyle.halfTick
                                  : kPlotStyle.shortTick;
    Line(m_ - length, t, m_, t);
    if (trace_ != nullptr) trace_->yTicks.push_back({k_, std::move(label)});
  }
}

void Run::DrawYUnitAndName() {
  const std::int32_t e = Y_ / 25;
  SetY(1.25 * m_ + ((static_cast<double>(k_) + 1) * uy_ + e));
  if (!req_.yUnit.empty()) {
    s_.SetCurrentX(1);
    if (req_.yUnit.find('[') == std::string::npos) req_.yUnit = "[" + req_.yUnit + "]";
    s_.Print(req_.yUnit);
    // Where the print left the position decides how far above the unit the name stands.
    SetY(Checked(s_.CurrentY()) + m_ / 1.2);
  }
  SetX(m_ / 10.0 - 10.0 * Length(req_.yName));
  if (s_.CurrentX() < 1) s_.SetCurrentX(1);
  s_.Print(req_.yName);
}

void Run::DrawXTicks() {
  const std::int16_t s = TickStep(X_);
  kx_ = -1;
  std::int32_t E = 0;
  Set32(E, Checked(static_cast<double>(ux_)) * (X_ + 1));
  // ux is at least 1, so the loop always ends.
  for (std::int64_t i = m_; i <= E; i += ux_) {
    ++kx_;
    SetX(0.8 * m_ + static_cast<double>(kx_) * ux_);
    SetY((m_ / 3) * 2);
    const bool labelled = kx_ % s == 0;
    if (labelled) s_.PrintNumber(kx_);
    const int length = labelled ? kPlotStyle.longTick : kPlotStyle.shortTick;
    Line(static_cast<double>(i), m_ - length, static_cast<double>(i), m_);
    if (trace_ != nullptr) {
      trace_->xTicks.push_back(
          {kx_, labelled ? std::optional(DrawingSurface::PrintedNumberText(kx_)) : std::nullopt});
    }
  }
}

void Run::DrawXUnitAndName() {
  SetX(1.2 * m_ + 32.0 * Length(std::to_string(kx_)) + static_cast<double>(kx_) * ux_);
  SetY((m_ / 3) * 2);
  if (req_.xUnit.find('[') == std::string::npos) req_.xUnit = "[" + req_.xUnit + "]";
  s_.Print(req_.xUnit);
  SetX(1.1 * m_ + static_cast<double>(kx_) * ux_);
  SetY(m_);
  s_.Print(req_.xName);
}

void Run::Sample() {
  AssignStored(dx_, Checked(1.0) / ux_);
  x_ = 0;
  p_ = 0;
  req_.curveName = ctx_.dialog.Combo1.text;
  in1_ = ParseDecimal(req_.value1Text);
  in2_ = ParseDecimal(req_.value2Text);
  in3_ = ParseDecimal(req_.value3Text);
  sigma_ = ParseDecimal(req_.materialText);
  L_ = in1_;
  d_ = in2_;
  if (in2_ > 0) {
    Assign(d_, Checked(in2_) / 1000.0f);
    Assign(Rv_, Strict(ConductorLossResistance(L_, d_, in3_, sigma_)));
  }
  f_ = in3_;
  realGround_ = ctx_.dialog.Check1.value == 0 ? -1 : 0;

  // The text cannot change during the run, so the type is looked up once.
  const CurveType type = CurveTypeOf(req_.curveName);
  if (trace_ != nullptr) trace_->samples.reserve(N_ > 0 ? static_cast<std::size_t>(N_) : 0);
  do {
    AssignStored(x_, Checked(x_) + dx_);
    if (!EvaluatePoint(type)) break;
    ++p_;
    AssignStored(n_, (Checked(y_) * q_ - k0_) * uy_);
    if (trace_ != nullptr && p_ <= N_) trace_->samples.push_back({p_, x_, y_});
    if (n_ <= T_ && p_ <= N_) Point(Checked(m_) + p_, Checked(m_) + n_, true);
  } while (p_ <= N_);
}

bool Run::EvaluatePoint(CurveType type) {
  switch (type) {
    case CurveType::kVfD:
      Assign(dmm_, Checked(x_));
      f_ = in3_;
      h_ = in1_;
      Assign(dm_, Checked(dmm_) / 1000.0f);
      Assign(h_, Checked(h_) - Checked(dm_) / 2.0f);
      Assign(w_, Strict(WireShorteningPercent(f_, dmm_)));
      sh_ = HeightShorteningPercent(f_, h_, realGround_);
      AssignStored(y_, Single(VelocityFactor(sh_, w_)));
      return true;
    case CurveType::kVfH:
      f_ = in3_;
      Assign(h_, Checked(x_));
      Assign(h_, Checked(h_) - Checked(d_) / 2.0f);
      Assign(dmm_, Checked(d_) * 1000.0f);
      Assign(w_, Strict(WireShorteningPercent(f_, dmm_)));
      sh_ = HeightShorteningPercent(f_, h_, realGround_);
      AssignStored(y_, Single(VelocityFactor(sh_, w_)));
      return true;
    case CurveType::kVfF:
      Assign(f_, Checked(x_));
      h_ = in1_;
      Assign(dmm_, Checked(d_) * 1000.0f);
      Assign(w_, Strict(WireShorteningPercent(f_, dmm_)));
      sh_ = HeightShorteningPercent(f_, h_, realGround_);
      AssignStored(y_, Single(VelocityFactor(sh_, w_)));
      return true;
    case CurveType::kQaH:
      Assign(h_, Checked(x_));
      if (realGround_ != 0) {
        Assign(Rve_, Strict(GroundLossResistance(f_, h_, L_, d_)));
      } else {
        Rve_ = 0;
      }
      Assign(R_, Checked(Rv_) + Rve_);
      AssignStored(Z_, WireImpedance(L_, d_, h_));
      Rs_ = RadiationResistance(f_, h_, -1);
      AssignStored(y_, Checked(kPi / 4.0) * (Checked(Z_) / (Checked(Rs_) + R_)));
      return true;
    case CurveType::kQaD:
      h_ = in2_;
      Assign(d_, Checked(x_) / 1000.0);
      if (realGround_ != 0) {
        Assign(Rve_, Strict(GroundLossResistance(f_, h_, L_, d_)));
      } else {
        Rve_ = 0;
      }
      Assign(Rv_, Strict(ConductorLossResistance(L_, d_, f_, sigma_)));
      Assign(R_, Checked(Rv_) + Rve_);
      AssignStored(Z_, WireImpedance(L_, d_, h_));
      Rs_ = RadiationResistance(f_, h_, -1);
      AssignStored(y_, Checked(kPi / 4.0) * (Checked(Z_) / (Checked(Rs_) + R_)));
      return true;
    case CurveType::kZ:
      Assign(L_, Checked(x_));
      h_ = in1_;
      AssignStored(Z_, WireImpedance(L_, d_, h_));
      AssignStored(y_, Checked(Z_));
      return true;
    case CurveType::kRve:
      L_ = in1_;
      Assign(d_, Checked(in2_) / 1000.0f);
      f_ = in3_;
      Assign(h_, Checked(x_));
      Assign(Rve_, Strict(GroundLossResistance(f_, h_, L_, d_)));
      AssignStored(y_, Checked(Rve_));
      return true;
    case CurveType::kRs:
      f_ = in3_;
      Assign(h_, Checked(x_));
      Rs_ = RadiationResistance(f_, h_, realGround_);
      AssignStored(y_, Checked(Rs_));
      return true;
    case CurveType::kUnknown:
      ctx_.platform.MessageBox("Falscher Operator !", "Fehler ", kMbOkOnly | kMbExclamation);
      return false;
  }
  return false;
}

std::string Run::Title() const {
  const FrmEingabe& dlg = ctx_.dialog;
  const std::string& t1 = dlg.Text7.text;
  const std::string& t2 = dlg.Text8.text;
  const std::string& t3 = dlg.Text9.text;
  const std::string& v2 = req_.value2Text;
  switch (CurveTypeOf(req_.curveName)) {
    case CurveType::kZ:
      return " Kurve: Draht-Z bei Länge (Draht-d = " + v2 + " mm, Höhe = " + t1 + " m bei " + t3 +
             " MHz)";
    case CurveType::kVfD:
      return " Kurve: Verkürzungs-Faktor Vf bei Draht-d (Ant.-Höhe: " + t1 + " m, f: " + t3 +
             " MHz)";
    case CurveType::kVfH:
      return " Kurve: Verkürzungs-Faktor Vf bei h (Draht-d: " + t2 + " mm, f: " + t3 + " MHz)";
    case CurveType::kVfF:
      return " Kurve: Verkürzungs-Faktor Vf bei f (Draht-d: " + t2 + " mm, Ant.-Höhe: " + t1 +
             " m)";
    case CurveType::kRs:
      return " Kurve: Rs (Dipol-Länge = " + t1 + " m, Draht d = " + v2 + " mm bei " + t3 + " MHz)";
    case CurveType::kRve:
      return " Kurve: mittlerer Rve (Dipol-Länge = " + t1 + " m, Draht d = " + v2 + " mm bei " +
             t3 + " MHz)";
    case CurveType::kQaH:
      return " Kurve: Antennengüte Qa (Dipol-Länge = " + t1 + " m, Draht d = " + v2 + " mm bei " +
             t3 + " MHz)";
    case CurveType::kQaD:
      return " Kurve: Antennengüte Qa (Dipol-Länge = " + t1 + " m, Ant.-Höhe = " + v2 + " m bei " +
             t3 + " MHz)";
    case CurveType::kUnknown:
      break;
  }
  return std::string(kWrongFormula);
}

void Run::Finish() {
  Platform& platform = ctx_.platform;
  platform.SetStatusText(Title());
  const CheckBox& check1 = ctx_.dialog.Check1;
  if (check1.value == 1 && check1.caption == "Freiraum" && platform.StatusText() != kWrongFormula) {
    platform.SetStatusText(platform.StatusText() + " im Freiraum");
  }
  platform.DoEvents();
  ctx_.dialog.Unload();
  ctx_.curveShown = -1;
  const bool newImage = s_.ImageHandle() != ctx_.savedImageHandle;
  ctx_.mnuFileNew.enabled = newImage;
  ctx_.mnuViewRefresh.enabled = newImage;
  ctx_.mnuFilePrint.enabled = newImage;
}

}  // namespace

std::int16_t TickStep(std::int32_t fullScale) {
  struct Row {
    std::int32_t from;
    std::int16_t step;
  };
  static constexpr Row kRows[] = {{3001, 1000}, {1001, 200}, {301, 50},
                                  {100, 20},    {30, 10},    {10, 5}};
  for (const Row& row : kRows) {
    if (fullScale >= row.from) return row.step;
  }
  return 1;
}

CurveLayout DrawCurve(CurveRequest& request, CurveContext& context) {
  return Run(request, context).Execute();
}

}  // namespace velmora
