// SPDX-License-Identifier: GPL-3.0-or-later
// The live conductor-loss readout of both input dialogs: Rv with skin effect from the length,
// diameter, frequency and material boxes, shown in a value label with a caption beside it.
#pragma once

#include "platform/controls.h"

namespace velmora {

// The boxes the readout reads and the labels it writes.
struct SkinEffectReadout {
  const TextBox& length;     // m
  const TextBox& diameter;   // mm
  const TextBox& frequency;  // MHz
  const ComboBox& material;  // the conductor list's text, its number the conductivity
  Label& value;
  Label& caption;
  const char* pattern;      // the number text of the value, e.g. "##0.0# Ohm"
  const char* captionText;  // what the caption says while a value stands
};

// Both labels empty while any of the four boxes is empty; otherwise the value ("0,0" when a step
// of the computation fails) and the caption.
void ShowSkinEffectLoss(const SkinEffectReadout& readout, char decimalSeparator);

}  // namespace velmora
