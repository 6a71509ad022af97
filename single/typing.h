// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into a text box as a user does, one key after the other: each character goes through
// the box's key-press handler (which may swallow it), an accepted one lands in the text, and the
// key-release handler runs for every key. Shared by the tests and the command-line companion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace velmora {

inline constexpr std::int16_t kKeyBackspace = 8;

enum class TypingMode {
  kAppend,   // the caret stands at the end of the text
  kReplace,  // the whole text is selected: the first accepted key replaces it
};

// What became of the typed text. The offset is in bytes of `text` (a character may be several
// bytes of UTF-8); refusedChar is that character.
struct TypingResult {
  static constexpr std::size_t kNone = std::string::npos;
  std::size_t firstRefused = kNone;
  std::string refusedChar;
  int refusedCount = 0;
  int cutOffCount = 0;  // characters the key filter let through but the full box did not take
  bool AllAccepted() const { return firstRefused == kNone; }
};

// Types `text` (UTF-8; "\b" is Backspace) into `box` through its keyPress (none: the box takes
// every key) and keyUp handlers. Refused keys do not stop the typing, just as a user goes on
// typing after a beep; nor does a full box (its maxLength reached). Each key's own work does not
// grow with the box's text.
TypingResult TypeKeys(TextBox& box, std::string_view text, const ControlEvents& events,
                      TypingMode mode = TypingMode::kAppend);

}  // namespace velmora
