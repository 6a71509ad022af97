#include "single/typing.h"

#include <algorithm>

namespace velmora {
namespace {

// Length of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
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

void RemoveLastCharacter(std::string& text) {
  while (!text.empty()) {
    const auto last = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((last & 0xC0) != 0x80) break;  // stop after the lead byte of a UTF-8 sequence
  }
}

}  // namespace

TypingResult TypeKeys(TextBox& box, std::string_view text, const BoxHandlers& handlers,
                      TypingMode mode) {
  TypingResult result;
  bool selectionPending = mode == TypingMode::kReplace;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
    const std::string_view ch = text.substr(pos, length);
    const std::int16_t typed = KeyCode(ch);
    std::int16_t key = typed;
    if (handlers.keyPress) handlers.keyPress(key);
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
      if (selectionPending) {
        box.text.clear();  // typing over a selection replaces it, Backspace just deletes it
        selectionPending = false;
        if (key != kKeyBackspace) box.text += landed;
      } else if (key == kKeyBackspace) {
        RemoveLastCharacter(box.text);
      } else {
        box.text += landed;
      }
    }
    if (handlers.keyUp) handlers.keyUp();
    pos += length;
  }
  return result;
}

}  // namespace velmora
