// SPDX-License-Identifier: GPL-3.0-or-later
// The curve types, identified by the exact texts of the curve dialog's choice box.
#pragma once

#include <string_view>

namespace velmora {

inline constexpr std::string_view kCurveVfF = "Verkürzung Vf bei f";
inline constexpr std::string_view kCurveVfD = "Verkürzung Vf bei d";
inline constexpr std::string_view kCurveVfH = "Verkürzung Vf bei h";
inline constexpr std::string_view kCurveRs = "Strahlungswiderstand Rs";
inline constexpr std::string_view kCurveQaH = "Ant. - Güte Qa bei h";
inline constexpr std::string_view kCurveQaD = "Ant. - Güte Qa bei d";
inline constexpr std::string_view kCurveZ = "Draht-Zw bei Länge";
// Not offered in the list, but accepted when typed.
inline constexpr std::string_view kCurveRve = "Bodendämpfung Rve";

enum class CurveType { kVfF, kVfD, kVfH, kRs, kQaH, kQaD, kZ, kRve, kUnknown };

// Exact, case-sensitive: "verkürzung Vf bei f" or a trailing blank is kUnknown.
constexpr CurveType CurveTypeOf(std::string_view name) {
  if (name == kCurveVfF) return CurveType::kVfF;
  if (name == kCurveVfD) return CurveType::kVfD;
  if (name == kCurveVfH) return CurveType::kVfH;
  if (name == kCurveRs) return CurveType::kRs;
  if (name == kCurveQaH) return CurveType::kQaH;
  if (name == kCurveQaD) return CurveType::kQaD;
  if (name == kCurveZ) return CurveType::kZ;
  if (name == kCurveRve) return CurveType::kRve;
  return CurveType::kUnknown;
}

}  // namespace velmora
