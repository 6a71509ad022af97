// SPDX-License-Identifier: GPL-3.0-or-later
// The record of the last accepted curve: what the curve dialog held when the user pressed OK.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

struct CurveRequest {
  std::string value1Caption;  // what Text7 held, e.g. "Ant.-Höhe [m]:"
  std::string value2Caption;
  std::string value3Caption;
  std::string yName;  // "Vf"
  std::string xName;  // "Draht-d"
  std::string yUnit;  // bracketed by the first run: "mm" -> "[mm]"
  std::string xUnit;
  std::int16_t yFullScale = 0;  // 1 or less becomes 100 times as much (percent mode) in a run
  std::int16_t xFullScale = 0;
  std::string curveName;   // the curve type, by its exact text
  std::string value1Text;  // values as typed, decimal comma included
  std::string value2Text;
  std::string value3Text;
  std::string materialText;  // "56 Cu": the leading number is the conductivity

  bool operator==(const CurveRequest&) const = default;
};

}  // namespace velmora
