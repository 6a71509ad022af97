// SPDX-License-Identifier: GPL-3.0-or-later
// Twips (1/1440 inch) <-> device-independent pixels at a logical resolution in dots per inch.
#pragma once

#include <cmath>

#include "platform/retained_surface.h"

namespace velmora::qt {

inline int TwipsToPixels(double twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline int PixelsToTwips(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}

}  // namespace velmora::qt
