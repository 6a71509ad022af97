// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/skin_effect.h"

#include <optional>

#include "formulas/antenna.h"
#include "formulas/numtext.h"

namespace velmora {

void ShowSkinEffectLoss(const SkinEffectReadout& r, char decimalSeparator) {
  const std::optional<float> loss =
      ConductorLossReadout(r.length.text, r.diameter.text, r.frequency.text, r.material.text);
  if (!loss) {
    r.value.caption.clear();
    r.caption.caption.clear();
    return;
  }
  r.value.caption = FormatPattern(*loss, r.pattern, decimalSeparator);
  r.caption.caption = r.captionText;
}

}  // namespace velmora
