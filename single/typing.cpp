// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/typing.h"

namespace velmora {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `text`. A malformed one (a missing
// continuation byte, an overlong form such as C0 B1 for "1", a surrogate) counts as one stray
// byte, which no key filter accepts: decoded, it could pass as a digit.
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t n = lead >= 0xC2 && lead < 0xE0   ? 2
                        : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF5 ? 4
                                                      : 1;
  if (n == 1 || n > text.size()) return 1;
  for (std::size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  const auto second = static_cast<unsigned char>(text[1]);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
    return 1;
  }
  return n;
}

// The key code of one typed character. Key codes are 16 bits; a character beyond that range
// still has to reach the filter as something it refuses, never as a digit.
std::int16_t KeyCode(std::string_view ch) {
  const auto lead = static_cast<unsigned char>(ch[0]);
  if (ch.size() == 1) return lead < 0x80 ? static_cast<std::int16_t>(lead) : std::int16_t{-1};
  char32_t cp = lead & (0xFF >> (ch.size() + 1));
  for (std::size_t i = 1; i < ch.size(); ++i) cp = (cp << 6) | (ch[i] & 0x3F);
  return cp <= 0x7FFF ? static_cast<std::int16_t>(cp) : std::int16_t{-1};
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

void RemoveLastCharacter(std::string& text) {
  while (!text.empty()) {
    const auto last = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((last & 0xC0) != 0x80) break;  // stop after the lead byte of a UTF-8 sequence
  }
}

}  // namespace

TypingResult TypeKeys(TextBox& box, std::string_view text, const ControlEvents& events,
                      TypingMode mode) {
  TypingResult result;
  bool selectionPending = mode == TypingMode::kReplace;
  // Kept along, so no key counts the whole text.
  std::size_t characters = CharacterCount(box.text);
  const auto room = static_cast<std::size_t>(box.maxLength);
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = SequenceLength(text.substr(pos));
    const std::string_view ch = text.substr(pos, length);
    const std::int16_t typed = KeyCode(ch);
    std::int16_t key = typed;
    if (events.keyPress) events.keyPress(key);
    if (key == 0) {
      if (result.AllAccepted()) {
        result.firstRefused = pos;
        result.refusedChar = std::string(ch);
      }
      ++result.refusedCount;
    } else {
      // A handler may hand back another key than the one typed; that one lands in the box.
      const std::string landed = key != typed && key > 0 && key < 0x80
                                     ? std::string(1, static_cast<char>(key))
                                     : std::string(ch);
      const bool overSelection = selectionPending;
      if (selectionPending) {
        box.text.clear();  // typing over a selection replaces it, Backspace just deletes it
        characters = 0;
        selectionPending = false;
      }
      if (key == kKeyBackspace) {
        if (!overSelection && characters > 0) {
          RemoveLastCharacter(box.text);
          --characters;
        }
      } else if (room > 0 && characters >= room) {
        ++result.cutOffCount;  // the box is full: the character is lost
      } else {
        box.text += landed;
        ++characters;
      }
    }
    if (events.keyUp) events.keyUp();
    pos += length;
  }
  return result;
}

}  // namespace velmora
