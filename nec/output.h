// SPDX-License-Identifier: GPL-3.0-or-later
// Reading nec2c's printed output.
#pragma once

#include <string_view>

#include "nec/result.h"

namespace velmora::nec {

struct Impedance {
  double r = 0.0;  // ohms
  double x = 0.0;  // ohms; positive: the wire is longer than resonant
};

// The feed-point impedance from the first row of the "ANTENNA INPUT PARAMETERS" table:
//   TAG SEG  V re  V im  I re  I im  Z re  Z im  ...
//     1  21  1.0000E+00 0.0000E+00 1.1742E-02 -4.9296E-06 8.5163E+01 3.5753E-02 ...
// gives R 85.163, X 0.035753. kUnparsableOutput when the table or its row is missing or broken.
Result<Impedance> ParseInputImpedance(std::string_view output);

}  // namespace velmora::nec
