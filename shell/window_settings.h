// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's stored position and size: keys, defaults and the text form of the values.
#pragma once

#include <optional>
#include <string>

namespace velmora {

inline constexpr const char* kSettingsApp = "Velmora";
inline constexpr const char* kSettingsSection = "Settings";

// One stored measure of the main window, in twips.
struct WindowSetting {
  const char* key;
  float fallback;
};
inline constexpr WindowSetting kMainLeft{"MainLeft", 1000};
inline constexpr WindowSetting kMainTop{"MainTop", 1000};
inline constexpr WindowSetting kMainWidth{"MainWidth", 9000};
inline constexpr WindowSetting kMainHeight{"MainHeight", 8500};

// Reads a stored value: the whole text must be one number (blanks around it, a sign, a decimal
// comma or point and an exponent are fine) that fits a single-precision number. "1000" -> 1000,
// " -1,5e3 " -> -1500, "abc" / "12px" / "1e39" / "" -> nullopt.
std::optional<float> ParseSettingValue(const std::string& text);

// The text a value is stored as: the single-precision value in general form with a decimal
// point, which ParseSettingValue reads back exactly. 1000 -> "1000", -1500.5 -> "-1500.5".
std::string FormatSettingValue(float value);

}  // namespace velmora
