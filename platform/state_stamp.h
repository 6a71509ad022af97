// SPDX-License-Identifier: GPL-3.0-or-later
// A fingerprint of what a control shows, so a binding can tell a changed control from an
// unchanged one without touching its widget.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/controls.h"
#include "platform/retained_surface.h"

namespace velmora {

class StateStamp {
 public:
  StateStamp& Add(std::string_view text) {
    Add(static_cast<std::uint64_t>(text.size()));
    for (const char c : text) Byte(static_cast<unsigned char>(c));
    return *this;
  }
  StateStamp& Add(std::uint64_t value) {
    for (int i = 0; i < 8; ++i) Byte(static_cast<unsigned char>(value >> (8 * i)));
    return *this;
  }
  StateStamp& Add(std::int64_t value) { return Add(static_cast<std::uint64_t>(value)); }
  StateStamp& Add(int value) { return Add(static_cast<std::uint64_t>(std::int64_t{value})); }
  StateStamp& Add(bool value) { return Add(static_cast<std::uint64_t>(value ? 1 : 0)); }
  StateStamp& Add(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return Add(bits);
  }
  std::uint64_t Value() const { return hash_; }

 private:
  // FNV-1a: a few dozen controls per form, hashed after every event.
  void Byte(unsigned char b) {
    hash_ ^= b;
    hash_ *= 0x100000001b3ULL;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

// Everything a row's widget shows of its control: place, visibility, tip and the kind's texts.
inline std::uint64_t StampOf(const ControlEntry& entry) {
  const Control& c = *entry.control;
  StateStamp stamp;
  stamp.Add(c.visible).Add(c.enabled).Add(c.left).Add(c.top).Add(c.width).Add(c.height);
  stamp.Add(std::string_view(c.toolTip));
  switch (entry.kind) {
    case ControlKind::kFrame:
      stamp.Add(std::string_view(static_cast<const Frame&>(c).caption));
      break;
    case ControlKind::kLabel:
      stamp.Add(std::string_view(static_cast<const Label&>(c).caption));
      break;
    case ControlKind::kTextBox:
      stamp.Add(std::string_view(static_cast<const TextBox&>(c).text));
      break;
    case ControlKind::kComboBox: {
      const auto& box = static_cast<const ComboBox&>(c);
      stamp.Add(std::string_view(box.text));
      for (const std::string& item : box.items) stamp.Add(std::string_view(item));
      break;
    }
    case ControlKind::kCheckBox: {
      const auto& box = static_cast<const CheckBox&>(c);
      stamp.Add(std::string_view(box.caption)).Add(box.value);
      break;
    }
    case ControlKind::kCommandButton: {
      const auto& button = static_cast<const CommandButton&>(c);
      stamp.Add(std::string_view(button.caption)).Add(button.isDefault);
      break;
    }
    case ControlKind::kBusy:
      break;
    case ControlKind::kPicture: {
      const auto& picture = static_cast<const PictureBox&>(c);
      const DisplayList& image = picture.surface->Image();
      stamp.Add(picture.marker.has_value()).Add(picture.marker.value_or(0.0));
      stamp.Add(image.handle).Add(static_cast<std::uint64_t>(image.items.size()));
      stamp.Add(image.width).Add(image.height);
      break;
    }
    case ControlKind::kTimer: {
      const auto& timer = static_cast<const Timer&>(c);
      stamp.Add(timer.interval).Add(timer.armed);
      break;
    }
  }
  return stamp.Value();
}

}  // namespace velmora
