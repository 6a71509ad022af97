// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and guarding numeric input.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// What refusing a key does outside the box: the system beep, then pending events run.
class KeyRefusal {
 public:
  virtual void Beep() = 0;
  virtual void DoEvents() = 0;

 protected:
  ~KeyRefusal() = default;
};

// The characters every numeric box accepts (Backspace is always accepted besides).
inline constexpr const char* kNumericKeys = "1234567890,.";

// The most characters a numeric box holds: far more than any number needs (a single has about
// seven significant digits), and each key's handlers, which read the whole box, stay cheap.
inline constexpr int kNumericMaxLength = 64;

// Reads the leading number of a text typed by the user or of a material entry, as a single.
// The first comma counts as the decimal point; blanks are ignored; text that is no number reads
// as 0. "1,5" -> 1.5, ",5" -> 0.5, "1,5,3" -> 1.5, "56 Cu" -> 56, "" -> 0.
float ParseDecimal(std::string text);

// A single-precision value as the double its shortest text stands for (2.05f as 2.05), for code
// that goes on in double precision with what was typed (the NEC-2 deck).
double Widen(float value);

// The key filter of numeric boxes: returns the key code when its character is in `accepted` or
// is Backspace (8); otherwise beeps, lets pending events run and returns 0 (key swallowed).
std::int16_t FilterNumericKey(std::int16_t keyCode, std::string accepted, KeyRefusal& refusal);

}  // namespace velmora
