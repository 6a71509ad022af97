// Reading and guarding numeric input.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

class Platform;

// The characters every numeric box accepts (Backspace is always accepted besides).
inline constexpr const char* kNumericKeys = "1234567890,.";

// Reads the leading number of a text typed by the user or of a material entry, as a single.
// The first comma counts as the decimal point; blanks are ignored; text that is no number reads
// as 0. "1,5" -> 1.5, ",5" -> 0.5, "1,5,3" -> 1.5, "56 Cu" -> 56, "" -> 0.
float ParseDecimal(std::string text);

// The key filter of numeric boxes: returns the key code when its character is in `accepted` or
// is Backspace (8); otherwise beeps, lets pending events run and returns 0 (key swallowed).
std::int16_t FilterNumericKey(std::int16_t keyCode, std::string accepted, Platform& platform);

}  // namespace velmora
