// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/typing.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// A filter like the numeric boxes' one, without a platform: digits only.
void DigitsOnly(std::int16_t& key) {
  if (key != kKeyBackspace && (key < '0' || key > '9')) key = 0;
}

TEST(TypeKeys, EditsTheTextKeyByKey) {
  struct Row {
    const char* before;
    const char* typed;
    TypingMode mode;
    bool filtered;
    const char* after;
    std::size_t firstRefused;
    int releases;
  };
  constexpr auto kAppend = TypingMode::kAppend;
  constexpr auto kReplace = TypingMode::kReplace;
  constexpr auto kNone = TypingResult::kNone;
  for (const Row& row : {
           Row{"12", "3", kAppend, true, "123", kNone, 1},
           Row{"12", "\b", kReplace, true, "", kNone, 1},  // Backspace deletes the selection
           Row{"12", "x3", kReplace, true, "3", 0, 2},     // a refused key keeps the selection
           Row{"12", "\b", kAppend, true, "1", kNone, 1},
           Row{"", "\b\b", kAppend, true, "", kNone, 2},
           Row{"2", "äx", kAppend, false, "2äx", kNone, 2},
           Row{"2ä", "\b", kAppend, false, "2", kNone, 1},  // one character, two bytes
           Row{"", "1ä2", kAppend, true, "12", 1, 3},
           Row{"123", "4", kAppend, true, "123", kNone, 1},  // full: the key is lost
           Row{"123", "\b4", kAppend, true, "124", kNone, 2},
           Row{"123", "45", kReplace, true, "45", kNone, 2},
           Row{"12", "äöü", kAppend, false, "12ä", kNone, 3},  // characters, not bytes
       }) {
    SCOPED_TRACE(std::string(row.before) + " + " + row.typed);
    TextBox box("Text");
    box.text = row.before;
    box.maxLength = 3;
    int releases = 0;
    ControlEvents handlers;
    if (row.filtered) handlers.keyPress = DigitsOnly;
    handlers.keyUp = [&releases] { ++releases; };
    const TypingResult result = TypeKeys(box, row.typed, handlers, row.mode);
    EXPECT_EQ(box.text, row.after);
    EXPECT_EQ(result.firstRefused, row.firstRefused);
    EXPECT_EQ(releases, row.releases);
  }
}

TEST(TypeKeys, AKeyChangedByTheHandlerLandsInsteadOfTheTypedOne) {
  TextBox box("Text");
  ControlEvents handlers;
  handlers.keyPress = [](std::int16_t& key) {
    if (key == '.') key = ',';
  };
  TypeKeys(box, "1.5", handlers);
  EXPECT_EQ(box.text, "1,5");
}

}  // namespace
}  // namespace velmora
