// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic for skip-on-error runs. A Checked value is a double that remembers whether an
// arithmetic fault happened on the way to it, so a step reads as one plain expression and the
// caller decides in one place whether the step stores its result:
//
//   Assign(w, WireShorteningPercent(f, dmm));   // w keeps its previous value if the call failed
//
// Faults come in two kinds. kStored: a division by zero, an overflow or an invalid operation in
// plain arithmetic; the IEEE result (inf or nan) exists and some callers keep it. kTrapped: a
// formula function failed, a logarithm or root left its domain, or a conversion did not fit;
// no value exists. Checking costs a compare per operation, so a run whose every step fails is as
// fast as one whose steps succeed.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace velmora {

class Checked {
 public:
  enum class Fault : std::uint8_t { kNone = 0, kStored = 1, kTrapped = 2 };

  constexpr Checked(double v) : v_(v), fault_(std::isfinite(v) ? Fault::kNone : Fault::kStored) {}
  constexpr Checked(float v) : Checked(static_cast<double>(v)) {}
  constexpr Checked(int v) : v_(v), fault_(Fault::kNone) {}

  static constexpr Checked Failed() { return Checked(0.0, Fault::kTrapped); }

  constexpr bool ok() const { return fault_ == Fault::kNone; }
  constexpr Fault fault() const { return fault_; }
  // The value; meaningful when ok(), the raw IEEE result when fault() == kStored.
  constexpr double value() const { return v_; }

  friend constexpr Checked operator+(Checked a, Checked b) { return Combine(a, b, a.v_ + b.v_); }
  friend constexpr Checked operator-(Checked a, Checked b) { return Combine(a, b, a.v_ - b.v_); }
  friend constexpr Checked operator*(Checked a, Checked b) { return Combine(a, b, a.v_ * b.v_); }
  // x / 0 gives inf or nan, so the finiteness test of Combine is the division-by-zero test.
  friend constexpr Checked operator/(Checked a, Checked b) { return Combine(a, b, a.v_ / b.v_); }
  friend constexpr Checked operator-(Checked a) { return Checked(-a.v_, a.fault_); }

 private:
  constexpr Checked(double v, Fault f) : v_(v), fault_(f) {}
  static constexpr Checked Combine(Checked a, Checked b, double r) {
    Fault f = a.fault_ > b.fault_ ? a.fault_ : b.fault_;
    if (f == Fault::kTrapped) return Failed();
    if (!std::isfinite(r)) f = Fault::kStored;
    return Checked(r, f);
  }
  friend Checked FromFunction(Checked a, double r);

  double v_;
  Fault fault_;
};

// A whole call that fails on any fault on its way, stored or trapped: the non-recovering formula
// functions end with it, and a step of a skip-on-error run treats a call's result with it.
constexpr Checked Strict(Checked result) {
  return result.ok() ? result : Checked::Failed();
}

// Library functions: an operand that already carries a fault, or a result outside the domain,
// traps (the original runtime raises an error inside the call, before any value is stored).
inline Checked FromFunction(Checked a, double r) {
  if (!a.ok() || !std::isfinite(r)) return Checked::Failed();
  return Checked(r);
}
inline Checked Ln(Checked a) {
  return a.ok() && a.value() > 0 ? FromFunction(a, std::log(a.value())) : Checked::Failed();
}
inline Checked Sqrt(Checked a) {
  return a.ok() && a.value() >= 0 ? FromFunction(a, std::sqrt(a.value())) : Checked::Failed();
}
inline Checked Sin(Checked a) {
  return FromFunction(a, std::sin(a.value()));
}
inline Checked Cos(Checked a) {
  return FromFunction(a, std::cos(a.value()));
}
inline Checked Abs(Checked a) {
  return FromFunction(a, std::fabs(a.value()));
}

// single(...): rounds to single precision; a value beyond the single range does not fit.
inline Checked Single(Checked a) {
  // The largest single plus half an ulp: from here on, rounding to single overflows.
  constexpr double kSingleOverflow = 3.4028235677973366e38;
  if (!a.ok() || std::fabs(a.value()) >= kSingleOverflow) return Checked::Failed();
  return Checked(static_cast<float>(a.value()));
}

// One step of a skip-on-error run: stores the value unless computing it failed, and says whether
// it stored. Assigning to a single rounds, as the conversion of the original runtime does.
inline bool Assign(double& target, Checked v) {
  if (!v.ok()) return false;
  target = v.value();
  return true;
}
inline bool Assign(float& target, Checked v) {
  const Checked s = Single(v);
  if (!s.ok()) return false;
  target = static_cast<float>(s.value());
  return true;
}
// For double targets of the curve engine: a fault of the step's own arithmetic is noticed only
// after the IEEE result has been stored, so the target then holds that inf or nan.
inline bool AssignStored(double& target, Checked v) {
  if (v.fault() == Checked::Fault::kTrapped) return false;
  target = v.value();
  return v.ok();
}

// Conversions to integers with rounding half to even; nullopt when the value does not fit.
inline std::optional<std::int32_t> ToInt32(Checked v) {
  if (!v.ok()) return std::nullopt;
  const double r = std::nearbyint(v.value());  // default rounding mode: half to even
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(r);
}
inline std::optional<std::int16_t> ToInt16(Checked v) {
  if (!v.ok()) return std::nullopt;
  const double r = std::nearbyint(v.value());
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

}  // namespace velmora
